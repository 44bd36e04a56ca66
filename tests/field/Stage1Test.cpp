#include "support/StageHelpers.h"

namespace {
class Stage1Test : public LevelTest {
protected:
    SpaceRockSmall* Rock(float x, float y) { return Add(new SpaceRockSmall(x, y, "Image/SpaceRockSmall.png")); }
};

TEST_F(Stage1Test, TwoBulletsOnADyingRockInOneFramePayTwice) {
    auto* rock = Rock(400, 300);
    rock->Health = 2;
    Add(new RedBullet(405, 305, 300));
    Add(new RedBullet(410, 310, 300));
    StillUpdate();
    EXPECT_EQ(Hud().PlayerScore, 100);
}

TEST_F(Stage1Test, ABulletThatHitGoesOnHittingInTheSameInnerPass) {
    auto* first = Rock(400, 300);
    auto* second = Rock(400, 300);
    Add(new RedBullet(410, 310, 300));
    StillUpdate();
    EXPECT_EQ(first->Health, 13);
    EXPECT_EQ(second->Health, 13);
}

TEST_F(Stage1Test, TheEntityMovedIntoARemovedSlotSkipsThatPass) {
    auto* coin = Add(new SmallMoney(0, 0));
    auto* stack = Add(new MedMoney(0, 0));
    OnShip(coin);
    OnShip(stack);
    StillUpdate();
    EXPECT_EQ(Hud().PlayerMoney, 1);  // the stack took the coin's slot
    StillUpdate();
    EXPECT_EQ(Hud().PlayerMoney, 11);
}

// The boss's death wins the level however many gun arms are left (none
// when the player shot them first); the arms go with it, unrewarded.
class BossDeathTest : public Stage1Test, public ::testing::WithParamInterface<int> {};

TEST_P(BossDeathTest, WinsTheLevelWithAnyNumberOfGunArmsLeft) {
    if (GetParam() > 0)
        Add(new GunArm(1024, 80));
    Add(new TheBoss(1024, 150))->Health = 0;
    if (GetParam() > 1)
        Add(new GunArm(1024, 300));
    StillUpdate();
    StillUpdate();
    EXPECT_TRUE(Level().Victory && Hud().VictoryView && PlayerShip().Leaving);
    EXPECT_EQ(CountOf<TheBoss>() + CountOf<GunArm>(), 0);
    EXPECT_EQ(Hud().PlayerScore, 0);
}
INSTANTIATE_TEST_SUITE_P(GunArmsLeft, BossDeathTest, ::testing::Values(0, 1, 2));

// A paused level stands still: what flies, the mines' and the swarm's wave
// phases, the boss's hover. (The pause holds from the end of its first frame.)
TEST_F(Stage1Test, APausedFrameMovesNothing) {
    auto* mine = Add(new TheFoo(600, 200, 3));
    auto* mother = Add(new SwarmMother(700, 400));
    auto* child = All<SwarmChildren>().front();
    auto* arm = Add(new GunArm(1024, 80));  // slides in a pixel an update, paused or not
    const Entity* moving[] = {Rock(600, 300), Add(new RedBullet(300, 200, 300)), &PlayerShip(), mine, mother,
                              Add(new TheBoss(724, 150))};
    Frame();
    GamePaused = true;
    Frame(100);
    std::vector<std::pair<float, float>> before;
    for (const Entity* e : moving)
        before.push_back({e->PosX, e->PosY});
    const int32_t phases[] = {mine->Clock.GetTicks(), mother->Clock.GetTicks(), child->Clock.GetTicks()};
    Frames(10, 100);
    for (size_t i = 0; i < std::size(moving); ++i)
        EXPECT_EQ(std::make_pair(moving[i]->PosX, moving[i]->PosY), before[i]) << i;
    EXPECT_EQ(mine->Clock.GetTicks(), phases[0]);
    EXPECT_EQ(mother->Clock.GetTicks(), phases[1]);
    EXPECT_EQ(child->Clock.GetTicks(), phases[2]);
    EXPECT_EQ(arm->PosX, 1024 - 12);
    GamePaused = false;
    Frame();
    EXPECT_NE(moving[0]->PosX, before[0].first);
}

// Nothing harms a paused ship: a mine lying on it meets it only when the game
// runs again. Money is still collected.
TEST_F(Stage1Test, APausedShipIsHarmedByNothingButStillCollectsMoney) {
    GamePaused = true;
    OnShip(Add(new TheFoo(0, 0, 0)));
    OnShip(Add(new SmallMoney(0, 0)));
    Frames(3);
    EXPECT_EQ(Hud().PlayerHealth + Hud().PlayerShield, 200);
    EXPECT_EQ(Hud().PlayerMoney, 1);
    GamePaused = false;
    Frame();
    EXPECT_EQ(Hud().PlayerShield, 80);
}

// The self-destruct key ends the ship at the next frame even with nothing
// else on the field, and the level then freezes.
TEST_F(Stage1Test, SelfDestructEndsTheShipAndFreezesTheLevel) {
    KeyDown(SDLK_q);
    Frames(2);
    EXPECT_EQ(CountOf<Ship>(), 0);
    EXPECT_TRUE(Level().GameOver && Hud().GameOverView);
    auto* rock = Rock(600, 300);
    Frames(3);
    EXPECT_FLOAT_EQ(rock->PosX, 600);
}

class OverlayTest : public Stage1Test {
protected:
    void SetUp() override {
        Stage1Test::SetUp();
        GamePaused = true;
        Frame();
    }
};

TEST_F(OverlayTest, ButtonsTakeClicksOnlyStrictlyInsideAndTheHudDropsTheRest) {
    for (bool replay : {true, false})
        for (const auto& [dx, dy, taken] : {std::tuple{0, 40, false}, {60, 0, false}, {1, 1, true}}) {
            UI& hud = Hud();
            const SDL_Rect& button = replay ? hud.ReplayRect : hud.ExitRect;
            MouseTo(button.x + dx, button.y + dy);
            LeftDown();
            Frame();
            EXPECT_EQ(replay ? hud.ReplayClicked : hud.ExitClicked, taken) << replay << " " << dx << "," << dy;
            EXPECT_FALSE(TheEngine().Input.HasEventOfType(SDL_MOUSEBUTTONDOWN));
            hud.ReplayClicked = hud.ExitClicked = false;
        }
}

// After game over the level stands still as if paused, but only the
// game-over overlay shows.
TEST_F(OverlayTest, GameOverShowsNoPauseOverlayOverIt) {
    // The whole look of the lines: a pause line under the game-over plate
    // still shows through it.
    const auto lines = [this](bool pausedView) {
        Hud().PausedView = pausedView;
        SDL_FillRect(TheEngine().Surface, nullptr, 0);
        Hud().DrawOverlays(TheEngine().Surface);
        return Look({262, Layout::HeadlineTop, 500, 80});
    };
    Hud().GameOverView = true;
    EXPECT_EQ(lines(true), lines(false));
}

class HudTest : public LevelTest {
protected:
    // Bar slots (a segment every 2 px from the bar's left end) of the middle
    // row of the bar at `y` that differ from the same bar drawn empty.
    int Segments(float& value, float points, int y) {
        int drawn = 0;
        for (float v : {0.0f, points}) {
            value = v;
            SDL_FillRect(TheEngine().Surface, nullptr, 0);
            Hud().Draw(TheEngine().Surface);
            for (int k = 0; k < 110; ++k)
                if (v == 0)
                    Empty[k] = PixelAt(Layout::BarLeft + 2 * k, y + 12);
                else
                    drawn += PixelAt(Layout::BarLeft + 2 * k, y + 12) != Empty[k];
        }
        return drawn;
    }
    uint32_t Empty[110] = {};
    void AgeShieldClock(int ms) { Hud().ShieldClock.StartTicks = TickSource::Now() - static_cast<uint32_t>(ms); }
};

TEST_F(HudTest, BarsDrawOneSegmentPerStartedPoint) {
    for (const auto& [points, segments] : {std::pair{100.0f, 100}, std::pair{99.5f, 100}, std::pair{0.2f, 1},
                                           std::pair{-4.0f, 0}}) {
        EXPECT_EQ(Segments(Hud().PlayerHealth, points, Layout::HealthBarTop), segments) << "health " << points;
        EXPECT_EQ(Segments(Hud().PlayerShield, points, Layout::ShieldBarTop), segments) << "shield " << points;
    }
}

// The shield recharges every frame while below 99, from three quiet seconds
// on; a pause holds the quiet time where it stood.
TEST_F(HudTest, ShieldRechargesPerFrameBelow99AfterThreeQuietSecondsThatAPauseHolds) {
    Hud().PlayerShield = 50;
    Frame();
    AgeShieldClock(2800);
    GamePaused = true;
    Frames(20, 100);
    EXPECT_FLOAT_EQ(Hud().PlayerShield, 50);
    GamePaused = false;
    // Frozen at 2900 ms: 7 frames of 16 ms end the delay, then one
    // recharge per frame.
    Frames(20);
    EXPECT_NEAR(Hud().PlayerShield, 50 + 13 * 0.15f, 0.01f);

    struct Case { float shield; int quietMs; float after; };
    for (const Case& c : {Case{98.9f, 3001, 99.05f}, Case{98.9f, 3000, 98.9f}, Case{99, 9000, 99}}) {
        Hud().PlayerShield = c.shield;
        AgeShieldClock(c.quietMs);
        Hud().Update(0.016f);
        Hud().Draw(TheEngine().Surface);
        EXPECT_FLOAT_EQ(Hud().PlayerShield, c.after) << c.shield << " after " << c.quietMs << " ms";
    }
}

// Smoke, explosions and money pass under the HUD panel; a mine covers it.
TEST_F(HudTest, DecorationPassesUnderThePanel) {
    GamePaused = true;
    Frame();
    const SDL_Rect credits{486, 14, 272, 46};
    const uint64_t bare = Look(credits);
    Spawn<SmokeTrail>(520.0f, 30.0f);
    Spawn<BigExplosion>(540.0f, 10.0f);
    Spawn<HugeMoney>(600.0f, 30.0f);
    Frame();
    EXPECT_EQ(Look(credits), bare);
    Spawn<TheFoo>(520.0f, 20.0f, 0);
    Frame();
    EXPECT_NE(Look(credits), bare);
}
}  // namespace
