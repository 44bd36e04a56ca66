#include <algorithm>
#include <map>
#include <set>
#include <typeindex>

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
#include "support/GameTest.h"

// The whole level as a player who starts it from the menu and then only
// watches: every wave comes in its time span, and the level ends in defeat.
// The ship is kept repaired through the HUD until the boss has flashed,
// otherwise the first mine column through its lane ends the level (and its
// clock) long before the later waves.
namespace {
constexpr uint32_t White = 0xFFFFFF;
// Where the end overlay writes its first line.
const SDL_Rect TextBand{262, 150, 500, 30};

// An enemy entering the level at level time `Ms`, at (X, Y).
struct Arrival {
    std::type_index Kind;
    uint32_t Ms;
    float X, Y;
};

// Between `From` and `To` (exclusive), `Least` to `Most` enemies of `Kind`
// enter at X (-1: anywhere). Every enemy must arrive in one of these spans.
struct Checkpoint {
    std::type_index Kind;
    float X;
    uint32_t From, To;
    int Least, Most;
    bool Holds(const Arrival& a) const { return a.Kind == Kind && (X < 0 || a.X == X) && a.Ms > From && a.Ms < To; }
};

const std::type_index Mine = typeid(TheFoo), Small = typeid(SpaceRockSmall), Medium = typeid(SpaceRockMedium),
                      Big = typeid(SpaceRockBig), Mother = typeid(SwarmMother), Child = typeid(SwarmChildren),
                      Arm = typeid(GunArm), Boss = typeid(TheBoss);

const Checkpoint Schedule[] = {
    // Single mines from the right edge at irregular gaps, and two spans of
    // formation columns (five mines per lane, once seven).
    {Mine, 1044, 2000, 18000, 8, 32},
    {Mine, 1024, 20000, 41000, 37, 37},
    {Mine, 1044, 43000, 80000, 18, 74},
    {Mine, 1024, 130000, 146500, 40, 40},
    // Rocks from the right edge: small ones about every second, medium ones
    // every 3 s, big ones every 5 s. (Small rocks a big one breaks into
    // start inside it, not at the edge.)
    {Small, 1044, 74999, 120000, 44, 45},
    {Medium, 1044, 79999, 115000, 11, 12},
    {Big, 1044, 84999, 110000, 5, 5},
    // Two swarms, each a mother with ten children arriving together.
    {Mother, 1024, 123000, 123500, 1, 1},
    {Child, -1, 123000, 123500, 10, 10},
    {Mother, 1024, 150000, 150500, 1, 1},
    {Child, -1, 150000, 150500, 10, 10},
    // The boss group, once, at 160 s.
    {Boss, -1, 160000, 160500, 1, 1},
    {Arm, -1, 160000, 160500, 2, 2},
};
}  // namespace

TEST_F(Playthrough, WatchingTheWholeLevelFromTheMenuToGameOver) {
    Run(2);
    EXPECT_GT(CountPixels({262, 150, 500, 50}, 0xDEF6FA), 100) << "the title is not drawn";
    StartLevel();

    // An enemy is new when it was not there at the previous frame, or jumped
    // back to the right, which no enemy does by itself.
    std::vector<Arrival> arrivals;
    std::map<const Entity*, float> lastX;
    std::set<std::type_index> watched;
    for (const Checkpoint& c : Schedule)
        watched.insert(c.Kind);
    long bossFrame = 0, flashFrame = 0;
    double whitest = 0;  // the boss's flash: the frame with the most white
    const auto look = [&] {
        std::map<const Entity*, float> now;
        for (const Entity* e : Level()->Entities)
            if (watched.count(typeid(*e)) != 0) {
                const auto before = lastX.find(e);
                if (before == lastX.end() || e->PosX > before->second + 50)
                    arrivals.push_back({typeid(*e), LevelTime(), e->PosX, e->PosY});
                bossFrame = bossFrame == 0 && Is<TheBoss>(e) ? FrameNumber : bossFrame;
                now[e] = e->PosX;
            }
        lastX.swap(now);
        if (bossFrame != 0 && PixelAt(1, 598) == White && PixelAt(1022, 1) == White && ShareOfScreen(White) > whitest) {
            whitest = ShareOfScreen(White);
            flashFrame = FrameNumber;
        }
    };
    int whiteInLevel = -1;
    while (Level() != nullptr && !Level()->GameOver && LevelTime() < 176000) {
        const uint32_t before = LevelTime();
        ASSERT_FALSE(Step()) << "the game ended at " << before << " ms";
        ASSERT_NE(Level(), nullptr);
        look();
        if (LevelTime() < 174000) {
            Hud()->PlayerHealth = 100;
            Hud()->PlayerShield = 100;
        }
        if (before <= 158000 && LevelTime() > 158000)
            whiteInLevel = CountPixels(TextBand, White);
    }
    ASSERT_NE(Level(), nullptr);

    for (const Checkpoint& c : Schedule) {
        const auto n = std::count_if(arrivals.begin(), arrivals.end(), [&c](const Arrival& a) { return c.Holds(a); });
        EXPECT_GE(n, c.Least) << c.Kind.name() << " from " << c.From;
        EXPECT_LE(n, c.Most) << c.Kind.name() << " from " << c.From;
    }
    for (const Arrival& a : arrivals)
        EXPECT_TRUE((a.Kind == Small && a.X != 1044) ||
                    std::any_of(std::begin(Schedule), std::end(Schedule), [&a](const Checkpoint& c) { return c.Holds(a); }))
            << a.Kind.name() << " at " << a.X << ", " << a.Y << " at " << a.Ms << " ms";

    // Holding still does not win: if the ray and the shots have not ended it
    // by now, the self-destruct key does.
    if (!Level()->GameOver)
        Tap(SDLK_q);
    Run(3);
    ASSERT_NE(Level(), nullptr);
    EXPECT_TRUE(Level()->GameOver);
    EXPECT_FALSE(Level()->Victory);
    EXPECT_TRUE(Hud()->GameOverView);
    EXPECT_EQ(CountOf<Ship>(), 0);
    EXPECT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
    EXPECT_GT(CountPixels(TextBand, White), whiteInLevel + 150) << "no GAME OVER text";

    // About 13.2 s after the boss came, its flash whited out the screen (the
    // gun arm added after it and the shots may show on the white). The level
    // is frozen from the game over on, the boss's attack with it.
    const uint32_t frozen = LevelTime();
    const float bossY = First<TheBoss>()->PosY;
    const int32_t attack = First<TheBoss>()->CycleClock.GetTicks();
    ASSERT_FALSE(Run(60));
    EXPECT_EQ(LevelTime(), frozen);
    EXPECT_EQ(First<TheBoss>()->PosY, bossY);
    EXPECT_EQ(First<TheBoss>()->CycleClock.GetTicks(), attack);
    EXPECT_GT(whitest, 0.9) << "no white flash";
    EXPECT_GT(flashFrame - bossFrame, 13 * 60);
    EXPECT_LT(flashFrame - bossFrame, 13 * 60 + 30);
}
