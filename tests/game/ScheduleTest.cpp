#include <algorithm>

#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "support/Playthrough.h"

// The whole level as a player who starts it from the menu and then only
// watches: every wave must come at its time, and the level must end in
// defeat. The ship is kept repaired through the HUD until the boss has come,
// otherwise the first mine column through its lane ends the level (and its
// clock) long before the later waves.
namespace {
constexpr uint32_t TitleColour = 0xDEF6FA;
constexpr uint32_t White = 0xFFFFFF;

struct Window {
    uint32_t From, To;
};

std::vector<SpawnLog::Arrival> Within(const std::vector<SpawnLog::Arrival>& all, Window w) {
    std::vector<SpawnLog::Arrival> in;
    for (const auto& a : all)
        if (a.LevelMs > w.From && a.LevelMs < w.To)
            in.push_back(a);
    return in;
}
}  // namespace

TEST_F(Playthrough, WatchingTheWholeLevelFromTheMenuToGameOver) {
    // The menu, as the program starts it.
    Run(2);
    ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"});
    EXPECT_GT(CountPixels({262, 150, 500, 50}, TitleColour), 100) << "the title is not drawn";

    Click(341, 446);  // Play
    Run(2);
    ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
    ASSERT_NE(Hud(), nullptr);
    ASSERT_NE(PlayerShip(), nullptr);

    SpawnLog log;
    log.Watch<TheFoo>();
    log.Watch<SpaceRockSmall>();
    log.Watch<SpaceRockMedium>();
    log.Watch<SpaceRockBig>();
    log.Watch<SwarmMother>();
    log.Watch<SwarmChildren>();
    log.Watch<GunArm>();
    log.Watch<TheBoss>();

    int mothersAt124 = -1, childrenAt124 = -1;
    // The band where the end overlay writes its first line, as the level
    // shows it before the end.
    const SDL_Rect textBand{262, 150, 500, 30};
    int whiteInLevel = -1;
    // The boss's white flash: the frame with the most white, once it is there.
    double whitest = 0;
    long flashFrame = 0;
    const auto watchForFlash = [&] {
        if (First<TheBoss>() != nullptr && Pixel(1, 598) == White && Pixel(1022, 1) == White &&
            ShareOfScreen(White) > whitest) {
            whitest = ShareOfScreen(White);
            flashFrame = FrameNumber;
        }
    };
    while (Level() != nullptr && !Level()->GameOver && LevelTime() < 176000) {
        const uint32_t before = LevelTime();
        ASSERT_FALSE(Step()) << "the game ended at " << before << " ms";
        const uint32_t now = LevelTime();
        ASSERT_NE(Level(), nullptr);
        log.Look(*Level(), now, FrameNumber);
        watchForFlash();
        if (now < 160500 && Hud() != nullptr) {
            Hud()->PlayerHealth = 100;
            Hud()->PlayerShield = 100;
        }
        if (before <= 158000 && now > 158000 && LastRendered)
            whiteInLevel = CountPixels(textBand, White);
        if (before <= 124000 && now > 124000) {
            mothersAt124 = Count<SwarmMother>();
            childrenAt124 = Count<SwarmChildren>();
        }
    }
    ASSERT_NE(Level(), nullptr);

    const auto mines = log.Of<TheFoo>();
    EXPECT_TRUE(Within(mines, {0, 2000}).empty());

    // Single mines at random heights, at irregular gaps.
    for (Window w : {Window{2000, 18000}, Window{43000, 80000}}) {
        const auto single = Within(mines, w);
        const int seconds = static_cast<int>((w.To - w.From) / 1000);
        EXPECT_GE(static_cast<int>(single.size()), seconds / 2) << w.From;
        EXPECT_LE(static_cast<int>(single.size()), seconds * 2) << w.From;
        for (size_t i = 0; i < single.size(); ++i) {
            EXPECT_EQ(single[i].X, 1044);
            EXPECT_GE(single[i].Y, 55);
            EXPECT_LE(single[i].Y, 544);
            if (i > 0) {
                const uint32_t gap = single[i].LevelMs - single[i - 1].LevelMs;
                EXPECT_GT(gap, 500u) << "at " << single[i].LevelMs;
                EXPECT_LT(gap, 2100u) << "at " << single[i].LevelMs;
            }
        }
    }

    // Formation columns: five mines per lane (seven in the long window), all
    // entering at the lane's height.
    struct Column {
        Window When;
        int At150, At300, At450;
    };
    const Column columns[] = {
        {{20000, 22500}, 5, 0, 0},   {{23500, 26000}, 0, 5, 0},   {{27000, 29500}, 0, 0, 5},
        {{30500, 33000}, 0, 5, 0},   {{34000, 36500}, 5, 0, 5},   {{37500, 41000}, 0, 7, 0},
        {{130000, 132500}, 5, 0, 5}, {{133500, 136000}, 0, 5, 0}, {{137000, 139500}, 5, 0, 5},
        {{140500, 143000}, 0, 5, 0}, {{144000, 146500}, 5, 0, 5},
    };
    for (const Column& c : columns) {
        int at150 = 0, at300 = 0, at450 = 0;
        for (const auto& a : Within(mines, c.When)) {
            EXPECT_EQ(a.X, 1024) << c.When.From;
            at150 += a.Y == 150;
            at300 += a.Y == 300;
            at450 += a.Y == 450;
        }
        EXPECT_EQ(at150, c.At150) << "column from " << c.When.From;
        EXPECT_EQ(at300, c.At300) << "column from " << c.When.From;
        EXPECT_EQ(at450, c.At450) << "column from " << c.When.From;
        EXPECT_EQ(static_cast<int>(Within(mines, c.When).size()), c.At150 + c.At300 + c.At450);
    }
    for (Window quiet : {Window{18000, 20000}, Window{41000, 43000}, Window{80000, 130000}, Window{146500, 200000}})
        EXPECT_TRUE(Within(mines, quiet).empty()) << "mines between " << quiet.From << " and " << quiet.To;

    // Rocks from the right edge: small ones about every second from 75 s to
    // 120 s, medium ones every 3 s from 80 s, big ones every 5 s from 85 s.
    // (Small rocks that a big rock breaks into start inside it, not at 1044.)
    struct RockWave {
        std::vector<SpawnLog::Arrival> All;
        Window When;
        int Least, Most;
    };
    const RockWave rocks[] = {
        {log.Of<SpaceRockSmall>(), {75000, 120000}, 44, 45},
        {log.Of<SpaceRockMedium>(), {80000, 115000}, 11, 12},
        {log.Of<SpaceRockBig>(), {85000, 110000}, 5, 5},
    };
    for (const RockWave& r : rocks) {
        std::vector<SpawnLog::Arrival> fromEdge;
        for (const auto& a : r.All)
            if (a.X == 1044)
                fromEdge.push_back(a);
        ASSERT_FALSE(fromEdge.empty()) << "no rocks from " << r.When.From;
        EXPECT_EQ(Within(fromEdge, r.When).size(), fromEdge.size()) << "rocks outside " << r.When.From;
        EXPECT_LT(fromEdge.front().LevelMs, r.When.From + 100) << "the first rock comes when the window opens";
        EXPECT_GE(static_cast<int>(fromEdge.size()), r.Least) << r.When.From;
        EXPECT_LE(static_cast<int>(fromEdge.size()), r.Most) << r.When.From;
    }

    // Two swarms, each a mother with ten children arriving together.
    const auto mothers = log.Of<SwarmMother>();
    ASSERT_EQ(mothers.size(), 2u);
    EXPECT_GT(mothers[0].LevelMs, 123000u);
    EXPECT_LT(mothers[0].LevelMs, 123500u);
    EXPECT_GT(mothers[1].LevelMs, 150000u);
    EXPECT_LT(mothers[1].LevelMs, 150500u);
    for (const auto& mother : mothers) {
        EXPECT_EQ(mother.X, 1024);
        EXPECT_EQ(mother.Y, 300);
        int children = 0;
        for (const auto& c : log.Of<SwarmChildren>())
            children += c.Frame == mother.Frame;
        EXPECT_EQ(children, 10) << "swarm at " << mother.LevelMs;
    }
    EXPECT_EQ(log.CountOf<SwarmChildren>(), 20);
    EXPECT_EQ(mothersAt124, 1);
    EXPECT_EQ(childrenAt124, 10);

    // The boss group, once, in one frame at 160 s.
    const auto bosses = log.Of<TheBoss>();
    const auto arms = log.Of<GunArm>();
    ASSERT_EQ(bosses.size(), 1u);
    ASSERT_EQ(arms.size(), 2u);
    EXPECT_GT(bosses[0].LevelMs, 160000u);
    EXPECT_LT(bosses[0].LevelMs, 160500u);
    EXPECT_EQ(arms[0].Frame, bosses[0].Frame);
    EXPECT_EQ(arms[1].Frame, bosses[0].Frame);
    EXPECT_EQ(bosses[0].Y, 150);
    EXPECT_EQ(std::min(arms[0].Y, arms[1].Y), 80);
    EXPECT_EQ(std::max(arms[0].Y, arms[1].Y), 300);

    // Holding still does not win: if the ray and the shots have not ended it
    // by now, the self-destruct key does.
    if (!Level()->GameOver) {
        Tap(SDLK_q);
        Run(3);
    }
    ASSERT_NE(Level(), nullptr);
    EXPECT_TRUE(Level()->GameOver);
    EXPECT_FALSE(Level()->Victory);
    EXPECT_TRUE(Hud()->GameOverView);
    EXPECT_EQ(Count<Ship>(), 0);
    EXPECT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
    Run(1);
    EXPECT_GT(CountPixels(textBand, White), whiteInLevel + 150) << "no GAME OVER text";

    // The level is frozen from then on, but the boss's attack cycle runs on
    // the clock, not on level time: about 13.2 s after it came its flash
    // whites out the screen (the gun arm added after it and the shots may
    // show on the white).
    const uint32_t frozen = LevelTime();
    const float bossY = First<TheBoss>()->PosY;
    const long until = std::max(FrameNumber + 60, bosses[0].Frame + 14 * 60);
    while (FrameNumber < until) {
        ASSERT_FALSE(Step());
        watchForFlash();
    }
    EXPECT_EQ(LevelTime(), frozen);
    EXPECT_EQ(First<TheBoss>()->PosY, bossY);
    EXPECT_GT(whitest, 0.9) << "no white flash";
    EXPECT_GT(flashFrame - bosses[0].Frame, 13 * 60);
    EXPECT_LT(flashFrame - bosses[0].Frame, 13 * 60 + 30);
}
