#include "enemies/WaveScript.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "engine/Random.h"
#include "levels/LevelFile.h"
#include "support/StageHelpers.h"

namespace {
// What a wave sends: the entity's class, where it enters, its fall and (gun
// arms) its pace, at which level time.
struct Sent {
    int32_t At;
    EntityKind What;
    float X, Y, Fall;
    int Pace;
    bool operator==(const Sent&) const = default;
};

// A wave script alone on the bare screen, on the waves given (the first
// level's when none are): what it sends each frame is logged with the level
// time and taken off the screen again.
struct ScriptRun {
    explicit ScriptRun(TestStage* screen, const std::string& waves = "", Skill skill = Skill::Normal)
        : Screen(screen) {
        Script.ScreenName = "Stage1";
        if (waves.empty())
            return;
        std::vector<LevelFile::Fault> faults;
        const std::optional<Level> level =
            LevelFile::Parse("korvanta-level 1\nname T\n" + waves + "\nwave 599 599.5 boss\n", faults);
        EXPECT_TRUE(level) << (faults.empty() ? "" : faults[0].What);
        Script.Plan = std::make_shared<const Level>(level.value_or(Level{}));
        Script.Rules = &SkillRules::Of(skill);
    }
    void Step(uint32_t ms, bool paused = false) {
        TickSource::Advance(ms);
        Script.Update(paused ? 0.0f : static_cast<float>(ms) / 1000.0f);
        for (Entity* e : Screen->Entities) {
            const auto* arm = As<GunArm>(e);
            Log.push_back({Script.LevelClock.GetTicks(), e->Kind(), e->PosX, e->PosY, e->SpeedY,
                           arm != nullptr ? arm->FireIntervalMs : 0});
            delete e;
        }
        Screen->Entities.clear();
    }
    const std::vector<Sent>& Until(int32_t levelMs, uint32_t stepMs = 16) {
        while (Script.LevelClock.GetTicks() < levelMs)
            Step(stepMs);
        return Log;
    }
    TestStage* Screen;
    WaveScript Script;
    std::vector<Sent> Log;
};

std::vector<Sent> SentBy(TestStage* screen, const std::string& waves, int32_t untilMs, Skill skill = Skill::Normal) {
    return ScriptRun(screen, waves, skill).Until(untilMs, 10);
}
}  // namespace

using WaveScriptTest = StageTest;

// A paused level spawns nothing and draws no random numbers: after pauses of
// any length it sends the same enemies at the same level times as without.
TEST_F(WaveScriptTest, APauseOfAnyLengthShiftsNothing) {
    Random::Seed(99);
    ScriptRun steady(Stage);
    steady.Until(45000);

    Random::Seed(99);
    ScriptRun paused(Stage);
    for (int32_t pauseAt : {5000, 21000}) {  // amid random mines, amid a column
        paused.Until(pauseAt);
        paused.Step(16, true);
        paused.Step(600000, true);
        for (int i = 0; i < 50; ++i)
            paused.Step(16, true);
    }
    paused.Until(45000);
    EXPECT_EQ(paused.Log, steady.Log);
    EXPECT_GT(steady.Log.size(), 40u);
}

// Each kind of wave sends what its line says, where and when it says.
TEST_F(WaveScriptTest, EachWaveKindSendsWhatItsParametersSay) {
    using K = EntityKind;
    Random::Seed(7);
    EXPECT_EQ(SentBy(Stage, "wave 1 1.5 vee y=300 count=5 spacing=40 kind=2", 2000),
              (std::vector<Sent>{{1010, K::TheFoo, 1024, 300, 0, 0},
                                 {1010, K::TheFoo, 1064, 260, 0, 0},
                                 {1010, K::TheFoo, 1064, 340, 0, 0},
                                 {1010, K::TheFoo, 1104, 220, 0, 0},
                                 {1010, K::TheFoo, 1104, 380, 0, 0}}));
    // A snake swings its entry height once a period: a quarter period apart.
    const std::vector<Sent> snake = SentBy(Stage, "wave 1 3.1 snake y=300 swing=100 period=2 gap=0.49", 4000);
    ASSERT_EQ(snake.size(), 5u);
    for (size_t i = 0; i < snake.size(); ++i) {
        EXPECT_EQ(snake[i].At, 1010 + 500 * static_cast<int>(i));
        EXPECT_NEAR(snake[i].Y, 300 + 100 * std::sin(M_PI * (snake[i].At - 1000) / 1000.0), 0.01);
    }
    // Rocks from above enter just out of sight, falling; from below, rising.
    for (const auto& [side, y, fall] : {std::tuple{"top", -96.0f, 150.0f}, {"bottom", 600.0f, -150.0f}}) {
        const std::vector<Sent> rocks =
            SentBy(Stage, std::string("wave 1 2.5 rocks size=big fall=150 gap=0.7 from=") + side, 3000);
        ASSERT_EQ(rocks.size(), 3u) << side;
        for (const Sent& rock : rocks) {
            EXPECT_EQ(std::tuple(rock.What, rock.Y, rock.Fall), std::tuple(K::SpaceRockBig, y, fall)) << side;
            EXPECT_TRUE(rock.X >= 500 && rock.X < 1100) << rock.X;
        }
    }
    // Gun arms one under another, at their wave's pace as the skill sets it.
    EXPECT_EQ(SentBy(Stage, "wave 1 1.5 arms y=100 count=2 fire=0.4", 2000, Skill::Easy),
              (std::vector<Sent>{{1010, K::GunArm, 1024, 100, 0, 480}, {1010, K::GunArm, 1024, 230, 0, 480}}));
    // A swarm brings as many children as its line says, before its mother.
    const std::vector<Sent> swarm = SentBy(Stage, "wave 1 1.5 swarm y=200 children=4", 2000);
    ASSERT_EQ(swarm.size(), 5u);
    EXPECT_EQ(swarm.back().What, K::SwarmMother);
    EXPECT_EQ(std::count_if(swarm.begin(), swarm.end(), [](const Sent& s) { return s.What == K::SwarmChildren; }), 4);
}
