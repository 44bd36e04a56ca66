#pragma once
#include <array>
#include <memory>
#include <string>

#include "engine/Timer.h"
#include "field/SkillRules.h"
#include "levels/Level.h"

class Engine;

// Runs a level's schedule: every frame, each wave whose window holds the
// level time sends what its lane's clock lets through: mines singly, in
// columns, snakes and Vs, rocks, swarms, gun arms and finally the boss. The
// schedule is the level's data and a function of level time alone, which
// stands still while the game is paused. Owned by the level screen; the
// spawned enemies belong to the screen called ScreenName and play the skill
// of Rules. The level plan is shared with the screen.
class WaveScript {
public:
    class Engine* Engine;
    std::string ScreenName = "temp";
    // Set by the level to its skill's; the sets are constants.
    const SkillRules* Rules = &SkillRules::Of(Skill::Normal);
    // The level whose waves run: the campaign's first unless the level
    // screen gives its own.
    std::shared_ptr<const Level> Plan;
    // The boss's flash before its ray is a dim tint instead.
    bool FewerFlashes = false;
    Timer LevelClock;
    // One spacing clock a lane (lane n is LaneClocks[n - 1]).
    std::array<Timer, Level::Wave::Lanes> LaneClocks;

    WaveScript();
    // Runs the schedule from `levelMs` of level time on (a practice start).
    void StartAt(int32_t levelMs);
    // Spawns whatever the schedule asks for at the current level time.
    void Update(float seconds);

private:
    using Wave = Level::Wave;

    void SyncClocks(float seconds);
    bool IsOpen(const Wave& wave) const;
    void Run(const Wave& wave);
    Timer& LaneOf(const Wave& wave) { return LaneClocks[static_cast<size_t>(wave.Lane - 1)]; }
    // True, with the lane's clock restarted, when the wave may send now.
    bool Due(const Wave& wave);
    void SpawnRandomMine(const Wave& wave);
    void SpawnRock(const Wave& wave);
    void SpawnVee(const Wave& wave);
    void SpawnArms(const Wave& wave);
    void SpawnBossGroup(const Wave& wave);
    void Add(class Entity* entity);
};
