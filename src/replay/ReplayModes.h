#pragma once
#include <string>

class ReplayFile;

// The program's way of playing a recorded run instead of the player with
// no window: headless, as fast as it goes, to check that it still plays the
// same (korvanta --verify). Watching one in the window is a ReplayShow.
class ReplayModes {
public:
    // Plays `run` with no window and no sound and prints one line: frames,
    // seconds of play, the level, the difficulty, score, money, how the level ended and
    // whether it stayed in sync. Returns the exit status: 0 in sync, 1 for a desync.
    static int Verify(ReplayFile run);

    // Loads `path`, or prints one line naming it and why it cannot be used
    // (the exit status is then 1); false then.
    static bool Load(const std::string& path, ReplayFile& run);
    // Whether the game has the level `run` (read from `path`) was recorded
    // on, as it was; otherwise prints one line naming the file and why not.
    // Asks the game's levels, so the game must be in its asset folder.
    static bool HasItsLevel(const std::string& path, const ReplayFile& run);
};
