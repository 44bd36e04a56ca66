#include <SDL/SDL_mixer.h>

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
#include "support/Playthrough.h"

namespace {
constexpr uint32_t White = 0xFFFFFF;
// Where the overlays write their first line; the level itself has (almost)
// no pure white there.
const SDL_Rect TextBand{262, 150, 500, 30};

class PlaythroughSession : public Playthrough {
protected:
    void StartLevel() {
        Run(2);
        Click(341, 446);
        Run(2);
        ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
    }

    int Money() const { return Count<SmallMoney>() + Count<MedMoney>() + Count<HugeMoney>(); }
};
}  // namespace

TEST_F(PlaythroughSession, BuyingEachGoodThenShootingAMineForItsMoney) {
    StartLevel();
    Hud()->PlayerMoney = 2000;
    Hud()->PlayerHealth = 40;
    Ship& ship = *PlayerShip();

    Tap(SDLK_h);
    Run(2);
    EXPECT_EQ(Hud()->PlayerHealth, 100);
    EXPECT_EQ(Hud()->PlayerMoney, 1500);
    Tap(SDLK_h);  // at full health the press is spent on nothing
    Run(2);
    EXPECT_EQ(Hud()->PlayerMoney, 1500);

    Tap(SDLK_n);
    Run(2);
    EXPECT_EQ(ship.FireDelay, 195);
    EXPECT_EQ(ship.BulletSpeed, 325);
    EXPECT_EQ(Hud()->PlayerMoney, 1400);
    EXPECT_EQ(Hud()->RapidFireCost, 150);

    Tap(SDLK_b);
    Run(2);
    EXPECT_EQ(ship.CannonLevel, 2);
    EXPECT_EQ(Hud()->PlayerMoney, 1300);
    EXPECT_EQ(Hud()->CannonCost, 125);

    // Missiles only once the level has run for more than a second.
    ASSERT_LT(LevelTime(), 1000u);
    Tap(SDLK_m);
    Run(2);
    EXPECT_EQ(Count<Rocket>(), 0);
    EXPECT_EQ(Hud()->PlayerMoney, 1300);
    RunToLevelTime(1100);
    Tap(SDLK_m);
    Run(2);
    EXPECT_EQ(Count<Rocket>(), 1);
    EXPECT_EQ(Hud()->PlayerMoney, 1275);

    // A mine straight ahead; the cannon (or the missile) takes it down and
    // its money drifts into the ship.
    Spawn(new TheFoo(700, ship.CentreY() - 32, 0));
    Press(SDLK_SPACE);
    Run(10);
    EXPECT_GT(Count<RedBullet>() + Count<GreenBullet>(), 0) << "holding space fires";
    for (int i = 0; i < 120 && Count<TheFoo>() > 0; ++i)
        Run(1);
    Release(SDLK_SPACE);
    EXPECT_EQ(Count<TheFoo>(), 0);
    EXPECT_GE(Hud()->PlayerScore, 50);
    EXPECT_GT(Money(), 0) << "a killed mine scatters money";
    for (int i = 0; i < 600 && Money() > 0; ++i)
        Run(1);
    EXPECT_GT(Hud()->PlayerMoney, 1275) << "the money reached the ship";
    EXPECT_EQ(Hud()->PlayerHealth, 100);
}

// A paused level stands still: level time, the mines' and the swarm's wave
// phases. The boss's attack cycle and the explosions' frames run on the clock.
TEST_F(PlaythroughSession, AMinuteOfPauseByEscapeAndByFocusLoss) {
    StartLevel();
    RunToLevelTime(1500);
    TheFoo* mine = Spawn(new TheFoo(900, 150, 3));
    SwarmMother* mother = Spawn(new SwarmMother(900, 400));
    TheBoss* boss = Spawn(new TheBoss(724, 150));
    Run(2);
    ASSERT_EQ(Count<SwarmChildren>(), 10);
    SwarmChildren* child = First<SwarmChildren>();
    const bool audio = Engine::Instance().AudioOpen;

    enum class How { Escape, Focus };
    for (How how : {How::Escape, How::Focus}) {
        SCOPED_TRACE(how == How::Escape ? "paused by ESC" : "paused by focus loss");
        Spawn(new BigExplosion(500, 500));
        Run(1);
        const int whiteInLevel = CountPixels(TextBand, White);
        if (how == How::Escape)
            Tap(SDLK_ESCAPE);
        else
            Focus(false);
        Run(2);
        ASSERT_TRUE(GamePaused);
        EXPECT_TRUE(Hud()->PausedView);
        if (audio) {
            EXPECT_EQ(Mix_PausedMusic(), how == How::Focus ? 1 : 0) << "only focus loss pauses the music";
        }

        const uint32_t levelMs = LevelTime();
        const int32_t minePhase = mine->Clock.GetTicks();
        const float mineX = mine->PosX, mineY = mine->PosY;
        const int32_t motherPhase = mother->Clock.GetTicks();
        const int32_t childPhase = child->Clock.GetTicks();
        const float bossY = boss->PosY;
        int flashes = 0;
        bool wasWhite = false;
        for (int i = 0; i < 60 * 60; ++i) {
            ASSERT_FALSE(Step());
            const bool white = Pixel(1, 598) == White && Pixel(1022, 1) == White && ShareOfScreen(White) > 0.9;
            flashes += white && !wasWhite;
            wasWhite = white;
            if (i == 10) {
                EXPECT_GT(CountPixels(TextBand, White), whiteInLevel + 100) << "no PAUSED text";
            }
        }
        EXPECT_EQ(LevelTime(), levelMs);
        EXPECT_EQ(mine->Clock.GetTicks(), minePhase);
        EXPECT_EQ(mine->PosX, mineX);
        EXPECT_EQ(mine->PosY, mineY);
        EXPECT_EQ(mother->Clock.GetTicks(), motherPhase);
        EXPECT_EQ(child->Clock.GetTicks(), childPhase);
        EXPECT_EQ(boss->PosY, bossY);
        // A cycle is about 21 s: a minute holds two or three flashes.
        EXPECT_GE(flashes, 2);
        EXPECT_EQ(Count<BigExplosion>(), 0) << "the explosion played to its end";

        if (how == How::Escape)
            Tap(SDLK_ESCAPE);
        else
            Focus(true);
        Run(2);
        EXPECT_FALSE(GamePaused);
        if (audio) {
            EXPECT_EQ(Mix_PausedMusic(), 0);
        }
        Run(60);
        EXPECT_NEAR(static_cast<double>(LevelTime()), levelMs + 1033.0, 40);
        EXPECT_NE(mine->Clock.GetTicks(), minePhase);
        // Keep the mine on the screen for the second round.
        mine->PosX = 900;
    }
}
