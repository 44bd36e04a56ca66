#pragma once
#include <cstdint>
#include <vector>

#include "levels/Level.h"
#include "levels/LevelStart.h"
#include "levels/Loadout.h"

// Where a level can be practised from: every ten seconds of its schedule
// and the boss's coming, and what a ship has by then when no kept run says
// better. Plain rules over a level's data.
class PracticeMarks {
public:
    static constexpr int32_t StepMs = 10000;

    // Level time of the last mark: the boss's coming, or for a level
    // without a boss the end of its last wave.
    static int32_t LastMs(const Level& level);
    // Every mark in order: 0, 10 s, 20 s... up to the last, which is always one.
    static std::vector<int32_t> Of(const Level& level);
    // Whether `ms` is a mark of `level`.
    static bool IsMark(const Level& level, int32_t ms);
    // A middle ship for `ms` into `level`: the upgrades and money a player
    // who buys steadily has by then, full health and shield.
    static Loadout Middle(const Level& level, int32_t ms);
    // `level` (its plan and number) practised from `ms` with `ship`.
    static LevelStart Start(const LevelStart& level, int32_t ms, const Loadout& ship, bool restartAtOnce = false);
};
