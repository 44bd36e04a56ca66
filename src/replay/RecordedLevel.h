#pragma once
#include <string>

#include "levels/LevelStart.h"

class ReplayFile;

// The level a recorded run was played on, as this game has it now: a level
// of the campaign by its number, or a level of the player's own by its file
// name in their levels folder. A run is only ever played on the very level
// it was recorded on: a level whose file says anything else now is refused
// like a change of the rules of play.
class RecordedLevel {
public:
    // The start `run` was recorded from (its level, the ship it began
    // with); false, with `why`, when the game no longer has that level as
    // it was.
    static bool StartOf(const ReplayFile& run, LevelStart& start, std::string& why);
    // Reads the replay at `path` and checks its level; false, with `why`,
    // when either cannot be used.
    static bool Load(const std::string& path, ReplayFile& run, std::string& why);
    // The same from the replay's header alone (ReplayFile::Peek): whether
    // the run can be played here, as far as that tells.
    static bool Peek(const std::string& path, ReplayFile& run, std::string& why);
};
