#pragma once
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "levels/LevelStart.h"

// A level the game ships that cannot be read: the install is broken, as
// with a missing picture. Messages holds one line a fault.
class LevelLoadError : public std::runtime_error {
public:
    explicit LevelLoadError(std::vector<std::string> messages);
    std::vector<std::string> Messages;
};

// The levels the game ships, played one after the other as the campaign:
// levels/level1.level, levels/level2.level, ... in the asset folder. Each is
// read on first use and kept for the rest of the run.
class Campaign {
public:
    static constexpr int Levels = 3;

    // "levels/levelN.level".
    static std::string FileOf(int number);
    // Level `number` (1 to Levels); throws LevelLoadError.
    static std::shared_ptr<const Level> Get(int number);
    // Reads every level now; throws LevelLoadError for the first that fails.
    static void ReadAll();

    // Level `number` with `ship`, as part of a campaign run or on its own.
    static LevelStart Start(int number, const Loadout& ship = {}, bool inCampaign = true);
    // The level a won `current` leads on to with `ship`; none after the
    // last one, or when `current` is not part of a campaign run.
    static std::optional<LevelStart> Next(const LevelStart& current, const Loadout& ship);
};
