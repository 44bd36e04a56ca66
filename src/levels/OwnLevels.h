#pragma once
#include <memory>
#include <string>
#include <vector>

#include "levels/LevelStart.h"

// The levels a player wrote: the .level files of their levels folder, in
// the order of their file names. A file that cannot be used (a fault, a
// strange name, not a file at all) is left out with one line saying why;
// the list goes on without it.
class OwnLevels {
public:
    // At most this many are listed; the rest are left out with a line.
    static constexpr size_t MostListed = 9;

    struct Entry {
        std::string File;  // its name in the folder
        std::shared_ptr<const Level> Plan;
    };

    // Reads `folder`; `refused` gets one line for each file left out.
    static std::vector<Entry> List(const std::string& folder, std::vector<std::string>& refused);
    // `entry` played on its own with a new game's ship.
    static LevelStart Start(const Entry& entry);
    // Whether `name` can be the file name of a player's level: printable
    // ASCII without a path, so that a replay can name it safely.
    static bool IsFileName(const std::string& name);
};
