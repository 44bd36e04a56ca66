#include "enemies/WaveScript.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "support/StageHelpers.h"

namespace {

struct Arrival {
    int32_t LevelMs;
    std::string What;
    float X, Y;
    bool operator==(const Arrival&) const = default;
};

void PrintTo(const Arrival& s, std::ostream* os) { *os << s.What << " at " << s.LevelMs << " ms (" << s.X << ", " << s.Y << ")"; }

std::string Label(Entity* e) {
    if (const TheFoo* mine = As<TheFoo>(e))
        return "mine" + std::to_string(mine->Kind);
    return Is<SpaceRockSmall>(e) ? "small rock" : Is<SpaceRockMedium>(e) ? "medium rock" : Is<SpaceRockBig>(e) ? "big rock"
         : Is<SwarmMother>(e)    ? "mother"     : Is<SwarmChildren>(e)   ? "child"       : Is<GunArm>(e)       ? "gun arm"
         : Is<TheBoss>(e)        ? "boss"       : "?";
}

// One play-through on the bare screen: each frame's spawns are logged with
// the level time and taken off the screen, which keeps a whole level cheap.
class LevelRun {
public:
    explicit LevelRun(TestStage* screen) : Screen(screen) { Script.ScreenName = "Stage1"; }

    int32_t Level() const { return Script.LevelClock.GetTicks(); }

    void Step(uint32_t ms, bool paused = false) {
        TickSource::Advance(ms);
        Script.Update(paused ? 0.0f : static_cast<float>(ms) / 1000.0f);
        FrameLevelMs.push_back(Level());
        for (Entity* e : Screen->Entities) {
            Log.push_back({Level(), Label(e), e->PosX, e->PosY});
            delete e;
        }
        Screen->Entities.clear();
    }

    // 16 and 17 ms frames in turn, or 16 ms only.
    void PlayUntil(int32_t levelMs, bool even = false) {
        while (Level() < levelMs)
            Step(even ? 16 : 16 + (FrameCount++ % 2));
    }

    TestStage* Screen;
    WaveScript Script;
    std::vector<Arrival> Log;
    std::vector<int32_t> FrameLevelMs;
    int FrameCount = 0;
};

constexpr float RandomHeight = -1;  // x 1044, y anywhere in 55..544
constexpr float Anywhere = -2;      // position checked elsewhere

// What the level sends: every spawn must belong to exactly one line, so
// the quiet gaps are covered too. MinGap > 0: the first spawn comes at once
// and the next ones more than MinGap, at most MaxGap ms apart.
struct Expected {
    int32_t From, To;
    const char* What;
    float Y;
    int Min, Max;
    int32_t MinGap = 0, MaxGap = 0;
};
const Expected Level[] = {
    {2000, 18000, "mine0", RandomHeight, 8, 32, 500, 1999 + 17},
    {20000, 22500, "mine1", 150, 5, 5, 500, 517},
    {23500, 26000, "mine1", 300, 5, 5}, {27000, 29500, "mine1", 450, 5, 5},
    {30500, 33000, "mine2", 300, 5, 5}, {34000, 36500, "mine2", 150, 5, 5},
    {34000, 36500, "mine2", 450, 5, 5, 500, 517}, {37500, 41000, "mine3", 300, 7, 7, 500, 517},
    {43000, 65000, "mine1", RandomHeight, 11, 44}, {65000, 80000, "mine2", RandomHeight, 7, 30},
    {75000, 120000, "small rock", RandomHeight, 44, 45, 1000, 1017},
    {80000, 115000, "medium rock", RandomHeight, 11, 12, 3000, 3017},
    {85000, 110000, "big rock", RandomHeight, 5, 5, 5000, 5017},
    {123000, 123500, "mother", 300, 1, 1}, {123000, 123500, "child", Anywhere, 10, 10},
    {130000, 132500, "mine2", 150, 5, 5}, {130000, 132500, "mine2", 450, 5, 5},
    {133500, 136000, "mine1", 300, 5, 5},
    {137000, 139500, "mine2", 150, 5, 5}, {137000, 139500, "mine2", 450, 5, 5},
    {140500, 143000, "mine1", 300, 5, 5},
    {144000, 146500, "mine2", 150, 5, 5}, {144000, 146500, "mine2", 450, 5, 5},
    {150000, 150500, "mother", 300, 1, 1}, {150000, 150500, "child", Anywhere, 10, 10},
    {160000, 160500, "gun arm", Anywhere, 2, 2}, {160000, 160500, "boss", Anywhere, 1, 1},
};

bool Matches(const Expected& line, const Arrival& s) {
    return s.What == line.What && line.From < s.LevelMs && s.LevelMs < line.To && (line.Y < 0 || s.Y == line.Y);
}

}  // namespace

using WaveScriptTest = StageTest;

TEST_F(WaveScriptTest, TheWholeLevelFollowsTheSchedule) {
    LevelRun run(Stage);
    run.PlayUntil(170000);

    std::vector<std::vector<int32_t>> times(std::size(Level));
    for (const Arrival& s : run.Log) {
        int owners = 0;
        for (size_t i = 0; i < std::size(Level); ++i) {
            if (!Matches(Level[i], s))
                continue;
            ++owners;
            times[i].push_back(s.LevelMs);
            const bool random = Level[i].Y == RandomHeight;
            const bool placed = Level[i].Y == Anywhere || (random ? s.X == 1044 && s.Y >= 55 && s.Y <= 544 : s.X == 1024);
            EXPECT_TRUE(placed) << testing::PrintToString(s);
        }
        EXPECT_EQ(owners, 1) << testing::PrintToString(s);
    }
    for (size_t i = 0; i < std::size(Level); ++i) {
        const Expected& line = Level[i];
        SCOPED_TRACE(std::string(line.What) + " from " + std::to_string(line.From));
        EXPECT_GE(times[i].size(), line.Min);
        EXPECT_LE(times[i].size(), line.Max);
        if (line.MinGap == 0 || times[i].empty())
            continue;
        EXPECT_LE(times[i].front(), line.From + 17);
        for (size_t k = 1; k < times[i].size(); ++k) {
            EXPECT_GT(times[i][k] - times[i][k - 1], line.MinGap);
            EXPECT_LE(times[i][k] - times[i][k - 1], line.MaxGap);
        }
    }

    // The boss group arrives whole in a single frame, in order.
    std::vector<Arrival> boss;
    std::copy_if(run.Log.begin(), run.Log.end(), std::back_inserter(boss), [](const Arrival& s) { return s.LevelMs > 160000; });
    ASSERT_EQ(boss.size(), 3u);
    const int32_t at = boss[0].LevelMs;
    EXPECT_EQ(boss, (std::vector<Arrival>{{at, "gun arm", 1024, 80}, {at, "boss", 1024, 150}, {at, "gun arm", 1024, 300}}));
}

TEST_F(WaveScriptTest, APauseOfAnyLengthShiftsNothing) {
    std::srand(99);
    LevelRun steady(Stage);
    steady.PlayUntil(45000, true);

    std::srand(99);
    LevelRun paused(Stage);
    for (int32_t pauseAt : {5000, 21000}) {  // amid random mines, amid a column
        paused.PlayUntil(pauseAt, true);
        paused.Step(16, true);
        paused.Step(600000, true);
        for (int i = 0; i < 50; ++i)
            paused.Step(16, true);
    }
    paused.PlayUntil(45000, true);
    EXPECT_EQ(paused.Log, steady.Log);
}

TEST_F(WaveScriptTest, RandomMinesReplayFromTheSeed) {
    std::srand(1234);
    LevelRun run(Stage);
    run.PlayUntil(19000);

    // A threshold every frame of the window; a height only for a spawn.
    std::srand(1234);
    std::vector<Arrival> expected;
    int32_t lastSpawn = 0;
    for (int32_t now : run.FrameLevelMs) {
        if (now <= 2000 || now >= 18000 || now - lastSpawn <= std::rand() % 1500 + 500)
            continue;
        expected.push_back({now, "mine0", 1044, static_cast<float>(std::rand() % 490 + 55)});
        lastSpawn = now;
    }
    EXPECT_EQ(run.Log, expected);
}
