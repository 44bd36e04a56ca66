#pragma once
#include <array>
#include <string>

#include "engine/Timer.h"
#include "field/SkillRules.h"

class Engine;

// The level's fixed 160-second schedule: mines singly and in formation
// columns, rocks, two swarms and finally the boss between two gun arms, all
// on level time that stands still while the game is paused. Owned by the
// level screen; the spawned enemies belong to the screen called ScreenName
// and play the skill of Rules.
class WaveScript {
public:
    class Engine* Engine;
    std::string ScreenName = "temp";
    // Set by the level to its skill's; the sets are constants.
    const SkillRules* Rules = &SkillRules::Of(Skill::Normal);
    int GroupInterval = 3500;
    Timer LevelClock;
    Timer SpawnClock;
    Timer SecondLaneClock;
    Timer SmallRockClock;
    Timer MediumRockClock;
    Timer BigRockClock;

    WaveScript();
    // Spawns whatever the schedule asks for at the current level time.
    void Update(float seconds);

private:
    struct Rule;

    // The rules in the order they are tried each frame.
    std::array<Rule, 20> Schedule() const;
    void SyncClocks(float seconds);
    bool IsOpen(const Rule& rule) const;
    void Run(const Rule& rule);
    void SpawnRandomMine(int kind);
    void SpawnFormationMine(int kind, int lane, float x, float y);
    void SpawnSmallRock(float x, float y);
    void SpawnMediumRock(float x, float y);
    void SpawnBigRock(float x, float y);
    // True (and SpawnClock restarted) when a once-only group may spawn now.
    bool GroupDue();
    void Add(class Entity* entity);
};
