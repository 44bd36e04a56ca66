#include "levels/PracticeMarks.h"

#include <algorithm>
#include <cmath>

namespace {
// What a steady buyer has when the boss comes: about half of the cannon
// levels and rapid fires, and a little money put by.
constexpr int CannonsAtBoss = 8;
constexpr int RapidFiresAtBoss = 6;
constexpr int MoneyAtBoss = 300;
}  // namespace

int32_t PracticeMarks::LastMs(const Level& level) {
    if (const int32_t boss = level.BossMs(); boss > 0)
        return boss;
    int32_t end = 0;
    for (const Level::Wave& wave : level.Waves)
        end = std::max(end, wave.To);
    return end;
}

std::vector<int32_t> PracticeMarks::Of(const Level& level) {
    const int32_t last = LastMs(level);
    std::vector<int32_t> marks;
    for (int32_t ms = 0; ms < last; ms += StepMs)
        marks.push_back(ms);
    marks.push_back(last);
    return marks;
}

bool PracticeMarks::IsMark(const Level& level, int32_t ms) {
    const std::vector<int32_t> marks = Of(level);
    return std::find(marks.begin(), marks.end(), ms) != marks.end();
}

Loadout PracticeMarks::Middle(const Level& level, int32_t ms) {
    const int32_t last = std::max<int32_t>(LastMs(level), 1);
    const double share = std::clamp(static_cast<double>(ms) / last, 0.0, 1.0);
    Loadout ship;
    ship.Cannons = static_cast<int>(std::lround(share * CannonsAtBoss));
    ship.RapidFires = static_cast<int>(std::lround(share * RapidFiresAtBoss));
    ship.Money = static_cast<int32_t>(std::lround(share * MoneyAtBoss / 10) * 10);
    return ship;
}

LevelStart PracticeMarks::Start(const LevelStart& level, int32_t ms, const Loadout& ship, bool restartAtOnce) {
    LevelStart start = level;
    start.InCampaign = false;
    start.Practice = true;
    start.FromMs = ms;
    start.RestartAtOnce = restartAtOnce;
    start.Ship = ship;
    start.Ship.Health = 100;
    start.Ship.Shield = 100;
    start.Ship.Score = 0;
    return start;
}
