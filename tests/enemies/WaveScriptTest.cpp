#include "enemies/WaveScript.h"

#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "engine/Random.h"
#include "support/StageHelpers.h"

namespace {
// What entered, where, at which level time.
using Arrival = std::tuple<int32_t, std::string, float, float>;

// The script alone on the bare screen: each frame's spawns are logged with
// the level time and taken off the screen again.
struct LevelRun {
    explicit LevelRun(TestStage* screen) : Screen(screen) { Script.ScreenName = "Stage1"; }
    void Step(uint32_t ms, bool paused = false) {
        TickSource::Advance(ms);
        Script.Update(paused ? 0.0f : static_cast<float>(ms) / 1000.0f);
        for (Entity* e : Screen->Entities) {
            Log.emplace_back(Script.LevelClock.GetTicks(), typeid(*e).name(), e->PosX, e->PosY);
            delete e;
        }
        Screen->Entities.clear();
    }
    void PlayUntil(int32_t levelMs) {
        while (Script.LevelClock.GetTicks() < levelMs)
            Step(16);
    }
    TestStage* Screen;
    WaveScript Script;
    std::vector<Arrival> Log;
};
}  // namespace

using WaveScriptTest = StageTest;

// A paused level spawns nothing and draws no random numbers: after pauses of
// any length it sends the same enemies at the same level times as without.
TEST_F(WaveScriptTest, APauseOfAnyLengthShiftsNothing) {
    Random::Seed(99);
    LevelRun steady(Stage);
    steady.PlayUntil(45000);

    Random::Seed(99);
    LevelRun paused(Stage);
    for (int32_t pauseAt : {5000, 21000}) {  // amid random mines, amid a column
        paused.PlayUntil(pauseAt);
        paused.Step(16, true);
        paused.Step(600000, true);
        for (int i = 0; i < 50; ++i)
            paused.Step(16, true);
    }
    paused.PlayUntil(45000);
    EXPECT_EQ(paused.Log, steady.Log);
    EXPECT_GT(steady.Log.size(), 40u);
}
