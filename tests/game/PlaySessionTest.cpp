#include <SDL/SDL_mixer.h>

#include <functional>

#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedMoney.h"
#include "effects/SmallMoney.h"
#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Rocket.h"
#include "player/Ship.h"
#include "support/GameTest.h"

namespace {
constexpr uint32_t White = 0xFFFFFF;
// Where the overlays write their first line; the level itself has (almost)
// no pure white there.
const SDL_Rect TextBand{262, 150, 500, 30};
}  // namespace

TEST_F(Playthrough, BuyingEachGoodThenShootingAMineForItsMoney) {
    StartLevel();
    Hud()->PlayerMoney = 2000;
    Hud()->PlayerHealth = 40;
    Ship& ship = *PlayerShip();
    const struct {
        SDLKey Key;
        int MoneyAfter;
        std::function<void()> Effect;
    } buys[] = {
        {SDLK_h, 1500, [&] { EXPECT_EQ(Hud()->PlayerHealth, 100); }},
        {SDLK_h, 1500, [] {}},  // at full health the press is spent on nothing
        {SDLK_n, 1400, [&] { EXPECT_EQ(ship.FireDelay, 195); EXPECT_EQ(ship.BulletSpeed, 325); EXPECT_EQ(Hud()->RapidFireCost, 150); }},
        {SDLK_b, 1300, [&] { EXPECT_EQ(ship.CannonLevel, 2); EXPECT_EQ(Hud()->CannonCost, 125); }},
        // Missiles only once the level has run for more than a second.
        {SDLK_m, 1300, [&] { EXPECT_EQ(CountOf<Rocket>(), 0); RunToLevelTime(1100); }},
        {SDLK_m, 1275, [&] { EXPECT_EQ(CountOf<Rocket>(), 1); }},
    };
    ASSERT_LT(LevelTime(), 900u);
    for (const auto& buy : buys) {
        SCOPED_TRACE(SDL_GetKeyName(buy.Key));
        Tap(buy.Key);
        Run(2);
        EXPECT_EQ(Hud()->PlayerMoney, buy.MoneyAfter);
        buy.Effect();
    }

    // A mine straight ahead; the cannon (or the missile) takes it down and
    // its money drifts into the ship.
    Spawn<TheFoo>(700.f, ship.CentreY() - 32, 0);
    const auto money = [this] { return CountOf<SmallMoney>() + CountOf<MedMoney>() + CountOf<HugeMoney>(); };
    KeyDown(SDLK_SPACE);
    Run(10);
    EXPECT_GT(CountOf<RedBullet>() + CountOf<GreenBullet>(), 0) << "holding space fires";
    for (int i = 0; i < 120 && CountOf<TheFoo>() > 0; ++i)
        Step();
    KeyUp(SDLK_SPACE);
    EXPECT_EQ(CountOf<TheFoo>(), 0);
    EXPECT_GE(Hud()->PlayerScore, 50);
    EXPECT_GT(money(), 0) << "a killed mine scatters money";
    for (int i = 0; i < 600 && money() > 0; ++i)
        Step();
    EXPECT_GT(Hud()->PlayerMoney, 1275) << "the money reached the ship";
    EXPECT_EQ(Hud()->PlayerHealth, 100);
}

// A paused level stands still: level time, the mines' and the swarm's wave
// phases and the boss's attack. The explosions' frames run on the clock.
TEST_F(Playthrough, AMinuteOfPauseByEscapeAndByFocusLoss) {
    StartLevel();
    RunToLevelTime(1500);
    TheFoo* mine = Spawn<TheFoo>(900, 150, 3);
    SwarmMother* mother = Spawn<SwarmMother>(900, 400);
    TheBoss* boss = Spawn<TheBoss>(724, 150);
    Run(2);
    ASSERT_EQ(CountOf<SwarmChildren>(), 10);
    SwarmChildren* child = First<SwarmChildren>();
    const bool audio = TheEngine().AudioOpen;

    for (const bool byFocus : {false, true}) {
        SCOPED_TRACE(byFocus ? "paused by focus loss" : "paused by ESC");
        const auto toggle = [&](bool pause) { byFocus ? Focus(!pause) : Tap(SDLK_ESCAPE); };
        Spawn<BigExplosion>(500, 500);
        Run(1);
        const int whiteInLevel = CountPixels(TextBand, White);
        toggle(true);
        Run(2);
        ASSERT_TRUE(GamePaused);
        EXPECT_TRUE(Hud()->PausedView);
        EXPECT_GT(CountPixels(TextBand, White), whiteInLevel + 100) << "no PAUSED text";
        if (audio) {
            EXPECT_EQ(Mix_PausedMusic(), byFocus ? 1 : 0) << "only focus loss pauses the music";
        }

        const uint32_t levelMs = LevelTime();
        const int32_t minePhase = mine->Clock.GetTicks(), motherPhase = mother->Clock.GetTicks();
        const int32_t childPhase = child->Clock.GetTicks();
        const float mineX = mine->PosX, mineY = mine->PosY, bossY = boss->PosY;
        int flashes = 0;
        for (int i = 0, wasWhite = 0; i < 60 * 60; ++i) {
            ASSERT_FALSE(Step());
            const int white = PixelAt(1, 598) == White && PixelAt(1022, 1) == White && ShareOfScreen(White) > 0.9;
            flashes += white && !wasWhite;
            wasWhite = white;
        }
        EXPECT_EQ(LevelTime(), levelMs);
        EXPECT_EQ(mine->Clock.GetTicks(), minePhase);
        EXPECT_EQ(mine->PosX, mineX);
        EXPECT_EQ(mine->PosY, mineY);
        EXPECT_EQ(mother->Clock.GetTicks(), motherPhase);
        EXPECT_EQ(child->Clock.GetTicks(), childPhase);
        EXPECT_EQ(boss->PosY, bossY);
        // The boss's attack waits too: a minute would hold two or three of
        // its flashes.
        EXPECT_EQ(flashes, 0);
        EXPECT_EQ(CountOf<BigExplosion>(), 0) << "the explosion played to its end";

        toggle(false);
        Run(2);
        EXPECT_FALSE(GamePaused);
        if (audio) {
            EXPECT_EQ(Mix_PausedMusic(), 0);
        }
        Run(60);
        EXPECT_NEAR(static_cast<double>(LevelTime()), levelMs + 1033.0, 40);
        EXPECT_NE(mine->Clock.GetTicks(), minePhase);
        mine->PosX = 900;  // on the screen for the second round
    }
}
