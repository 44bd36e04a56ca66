#include "field/Stage1.h"

#include "effects/BigExplosion.h"
#include "effects/MedMoney.h"
#include "effects/SmallMoney.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/TheBoss.h"
#include "engine/MainLoop.h"
#include "player/RedBullet.h"
#include "support/StageHelpers.h"

namespace {
class Stage1Test : public StageTest {
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
    EXPECT_EQ(CountOf<BigExplosion>(), 2);
    EXPECT_TRUE(Holds(rock));  // it goes at its own next update
}

TEST_F(Stage1Test, ABulletThatHitGoesOnHittingInTheSameInnerPass) {
    auto* first = Rock(400, 300);
    auto* second = Rock(400, 300);
    Add(new RedBullet(410, 310, 300));
    StillUpdate();
    EXPECT_EQ(first->Health, 13);
    EXPECT_EQ(second->Health, 13);
    EXPECT_EQ(CountOf<RedBullet>(), 0);
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

class BossDeathTest : public Stage1Test, public ::testing::WithParamInterface<int> {};

// The boss's death wins the level however many gun arms are left (none
// when the player shot them first); the arms go with it, unrewarded.
TEST_P(BossDeathTest, WinsTheLevelWithAnyNumberOfGunArmsLeft) {
    if (GetParam() > 0)
        Add(new GunArm(1024, 80));
    Add(new TheBoss(1024, 150))->Health = 0;
    if (GetParam() > 1)
        Add(new GunArm(1024, 300));
    StillUpdate();
    StillUpdate();
    EXPECT_TRUE(Level().Victory);
    EXPECT_EQ(CountOf<TheBoss>() + CountOf<GunArm>(), 0);
    EXPECT_TRUE(Hud().VictoryView);
    EXPECT_TRUE(PlayerShip().Leaving);
    EXPECT_EQ(Hud().PlayerScore, 0);
}

INSTANTIATE_TEST_SUITE_P(GunArmsLeft, BossDeathTest, ::testing::Values(0, 1, 2));

TEST_F(Stage1Test, APausedFrameMovesNothing) {
    const Entity* moving[] = {Rock(600, 300), Add(new RedBullet(300, 200, 300)), &PlayerShip()};
    Frame();
    GamePaused = true;
    float before[3];
    for (int i = 0; i < 3; ++i)
        before[i] = moving[i]->PosX;
    Frames(10, 100);
    for (int i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(moving[i]->PosX, before[i]) << i;
    GamePaused = false;
    Frame();
    EXPECT_NE(moving[0]->PosX, before[0]);
}

// The self-destruct key ends the ship at the next frame even with nothing
// else on the field, and the level then freezes.
TEST_F(Stage1Test, SelfDestructEndsTheShipAndFreezesTheLevel) {
    KeyDown(SDLK_q);
    Frame();
    EXPECT_FLOAT_EQ(Hud().PlayerHealth, -100);
    Frame();
    EXPECT_EQ(CountOf<Ship>(), 0);
    EXPECT_TRUE(Level().GameOver);
    EXPECT_TRUE(Hud().GameOverView);
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
    void ClickInside(const SDL_Rect& r, int dx, int dy) {
        MouseTo(r.x + dx, r.y + dy);
        LeftDown();
        Frame();
    }
};

TEST_F(OverlayTest, ButtonsTakeClicksOnlyStrictlyInsideAndTheHudDropsTheRest) {
    struct Case { bool replay; int dx, dy; bool taken; };
    for (const Case& c : {Case{true, 0, 40, false}, Case{true, 60, 0, false}, Case{true, 1, 1, true},
                          Case{false, 0, 40, false}, Case{false, 60, 0, false}, Case{false, 1, 1, true}}) {
        UI& hud = Hud();
        ClickInside(c.replay ? hud.ReplayRect : hud.ExitRect, c.dx, c.dy);
        EXPECT_EQ(c.replay ? hud.ReplayClicked : hud.ExitClicked, c.taken) << c.replay << " " << c.dx << "," << c.dy;
        EXPECT_FALSE(TheEngine().Input.HasEventOfType(SDL_MOUSEBUTTONDOWN));
        hud.ReplayClicked = hud.ExitClicked = false;
    }
}

TEST_F(OverlayTest, ReplayStartsAFreshLevel) {
    Hud().PlayerMoney = 77;
    Rock(600, 300);
    ClickInside(Hud().ReplayRect, 20, 20);
    Frame();
    ASSERT_EQ(TheEngine().Screens.size(), 1u);
    EXPECT_EQ(TheEngine().Screens[0]->GetName(), "Stage1");
    EXPECT_EQ(Level().Entities.size(), 5u);
    EXPECT_EQ(Hud().PlayerMoney, 0);
}

TEST_F(OverlayTest, ExitReturnsToTheMenuAndReplayWinsOverIt) {
    Hud().ReplayClicked = Hud().ExitClicked = true;
    Frame();
    ASSERT_EQ(TheEngine().Screens.size(), 1u);
    EXPECT_EQ(TheEngine().Screens[0]->GetName(), "Stage1");
    ClickInside(Hud().ExitRect, 20, 20);
    Frame();
    ASSERT_EQ(TheEngine().Screens.size(), 1u);
    EXPECT_EQ(TheEngine().Screens[0]->GetName(), "MainScreen");
}
}  // namespace
