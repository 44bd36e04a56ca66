#include <vector>

#include "support/StageHelpers.h"

// A fault a player met in a real window, replayed through SDL's queue and
// the main loop's pump: a ship destroyed while the game was paused. (A click
// that fired by itself and a key stuck down are the input handler's, and
// held by its own tests; overlays hidden by the action, the screen flow's.)
namespace {

enum class PauseBy { Escape, FocusLoss };

class PausedHarm : public Playthrough, public ::testing::WithParamInterface<PauseBy> {
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
