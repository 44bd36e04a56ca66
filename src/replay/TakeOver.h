#pragma once
#include <cstdint>
#include <map>
#include <vector>

#include "levels/Loadout.h"

class ReplayFile;
class ReplayPlayer;
class ReplayRecorder;

// Hands a recorded run to the player at one of its frames: the world is
// exactly the recording's at that frame, and from the next one on the
// player flies. The frames before are played without a picture or a sound,
// the game clock runs on from the recorded one, the keys the recording
// held are let go (as events, so they are kept too) and the recorder
// carries on with the recording's frames in front of the player's: the run
// that follows verifies as a replay of its own.
class TakeOver {
public:
    // How many frames of `run` the game clock passes before `ms` since its
    // start; at least 1, at most all of them.
    static uint32_t FramesBefore(const ReplayFile& run, uint32_t ms);
    // The last second of `run`'s clock since its start (what can be taken over).
    static uint32_t LastSecond(const ReplayFile& run);
    // Starts `player` (the engine's watcher) and plays it unseen and
    // unheard through its first `frames` frames; false when the level ended
    // before them, and nothing is then left to take over.
    static bool Rebuild(ReplayPlayer& player, uint32_t frames);
    // The ship `run` had when its level's clock reached each of `levelMs`
    // (ascending), its world rebuilt unseen and unheard, then cleared away
    // with every screen (the game clock and the engine's watcher are put
    // back). A time the run never reached has no entry.
    static std::map<int32_t, Loadout> ShipsAt(ReplayFile run, const std::vector<int32_t>& levelMs);
    // Gives the level `player` put up to the player, recorded by `recorder`,
    // which becomes the engine's watcher.
    static void HandOver(const ReplayPlayer& player, ReplayRecorder& recorder);
};
