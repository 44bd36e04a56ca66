#include <vector>

#include "support/StageHelpers.h"

// Faults a player met in a real window, replayed through SDL's queue and the
// main loop's pump: a ship destroyed while the game was paused and overlays
// hidden by the action. (A click that fired by itself and a key stuck down
// are the input handler's, and held by its own tests.)
namespace {

class PlayFaults : public Playthrough {
protected:
    // The points the overlays paint opaquely: the same colour whether they
    // are drawn over black or over white.
    std::vector<std::pair<int, int>> OverlayPoints() {
        SDL_Surface* window = TheEngine().Surface;
        std::vector<uint32_t> overBlack;
        std::vector<std::pair<int, int>> points;
        for (Uint8 shade : {0, 255}) {
            SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, shade, shade, shade));
            Hud()->DrawOverlays(window);
            for (int y = 140, i = 0; y < 520; ++y)
                for (int x = 0; x < window->w; ++x, ++i)
                    if (shade == 0)
                        overBlack.push_back(PixelAt(x, y));
                    else if (PixelAt(x, y) == overBlack[i])
                        points.push_back({x, y});
        }
        return points;
    }
};

enum class PauseBy { Escape, FocusLoss };

class PausedHarm : public PlayFaults, public ::testing::WithParamInterface<PauseBy> {
protected:
    void Pause(bool on) {
        if (GetParam() == PauseBy::Escape)
            Tap(SDLK_ESCAPE);
        else
            Focus(!on);
        Run(2);
        ASSERT_EQ(GamePaused, on);
    }
};
}  // namespace

TEST_P(PausedHarm, NothingHurtsThePausedShipAndTheAttacksResumeWhereTheyStood) {
    StartLevel(10);
    TheBoss* boss = Spawn<TheBoss>(724.0f, 150.0f);
    GunArm* arm = Spawn<GunArm>(874.0f, 420.0f);
    boss->CycleClock.StartTicks -= 12950;  // the charge is about to end
    Ship* ship = PlayerShip();
    auto holdInRay = [&] { ship->PosY = boss->PosY + 30; };
    for (int i = 0; i < 30 && !boss->RayActive; ++i) {
        holdInRay();
        Run(1);
    }
    ASSERT_TRUE(boss->RayActive);
    const float before = Hud()->PlayerHealth + Hud()->PlayerShield;
    holdInRay();
    Run(3);
    ASSERT_LT(Hud()->PlayerHealth + Hud()->PlayerShield, before) << "the ship is not in the ray";

    Pause(true);
    const float health = Hud()->PlayerHealth, shield = Hud()->PlayerShield;
    const int32_t rayTime = boss->RayClock.GetTicks(), armClock = arm->FireClock.GetTicks();
    const int shots = CountOf<BulletEnemy>();
    Run(600);  // ten seconds
    EXPECT_EQ(Hud()->PlayerHealth, health);
    EXPECT_EQ(Hud()->PlayerShield, shield);
    EXPECT_FALSE(Level()->GameOver);
    EXPECT_EQ(CountOf<BulletEnemy>(), shots) << "shots piled up at the gun arm";
    EXPECT_EQ(boss->RayClock.GetTicks(), rayTime);
    EXPECT_EQ(arm->FireClock.GetTicks(), armClock);

    Pause(false);
    holdInRay();
    Run(2);
    EXPECT_TRUE(boss->RayActive) << "the ray must go on where it stood";
    EXPECT_LT(boss->RayClock.GetTicks(), rayTime + 200);
    EXPECT_LT(Hud()->PlayerHealth + Hud()->PlayerShield, health + shield);
    EXPECT_NE(arm->FireClock.GetTicks(), armClock) << "the gun arm's clock runs again";

    // The self-destruct key still costs its health while paused.
    Run(20);  // ESC toggles at most every quarter second
    Pause(true);
    Tap(SDLK_q);
    Run(2);
    EXPECT_TRUE(Level()->GameOver);
}

INSTANTIATE_TEST_SUITE_P(Playthrough, PausedHarm, ::testing::Values(PauseBy::Escape, PauseBy::FocusLoss),
                         [](const auto& info) { return info.param == PauseBy::Escape ? "Escape" : "FocusLoss"; });

TEST_F(PlayFaults, OverlaysAreDrawnOverEverythingThatFliesUnderThem) {
    StartLevel(20);
    for (bool over : {false, true}) {
        SCOPED_TRACE(over ? "game over" : "paused");
        if (over) {
            Run(20);
            Tap(SDLK_ESCAPE);  // out of the pause first
            Run(20);
            ASSERT_FALSE(GamePaused);
            Tap(SDLK_q);
        } else {
            Tap(SDLK_ESCAPE);
        }
        Run(3);
        ASSERT_TRUE(over ? Hud()->GameOverView : GamePaused);
        UI& hud = *Hud();
        MouseTo(10, 300);  // the buttons in their plain look
        Run(1);
        const std::vector<std::pair<int, int>> overlay = OverlayPoints();
        ASSERT_GT(overlay.size(), 800u);
        // Drawn over white last: the second line (on the pause, how to
        // resume) sits on a dark plate.
        const SDL_Rect secondLine{412, Layout::SecondLineTop, 200, 30};
        EXPECT_LT(CountPixels(secondLine, 0xFFFFFF, 2), 1000) << "no plate";
        int secondLineText = 0;
        for (const auto& [x, y] : overlay)
            secondLineText += y >= secondLine.y && y < secondLine.y + secondLine.h;
        EXPECT_GT(secondLineText, 300) << "no second line";
        Run(1);
        std::vector<uint32_t> before;
        for (const auto& [x, y] : overlay)
            before.push_back(PixelAt(x, y));
        // Mines over the first letters and over both buttons.
        std::vector<TheFoo*> mines;
        for (const auto& [x, y] : {std::pair{300, 150}, std::pair{400, 190}, std::pair{hud.ReplayRect.x + 20, 410},
                                   std::pair{hud.ExitRect.x + 20, 410}})
            mines.push_back(Spawn<TheFoo>(float(x), float(y), 0));
        Run(1);
        int changed = 0;
        for (size_t i = 0; i < overlay.size(); ++i)
            changed += PixelAt(overlay[i].first, overlay[i].second) != before[i];
        EXPECT_EQ(changed, 0);
        for (TheFoo* mine : mines)
            mine->Dead = true;
    }
}
