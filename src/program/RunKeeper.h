#pragma once
#include <string>

#include "replay/ReplayRecorder.h"
#include "replay/ReplayShelf.h"
#include "keep/ScoreTable.h"

// Keeps what the player's runs leave behind: it records every level session
// (it is the engine's watcher while the game is played), puts each recording
// on the replay shelf, and enters the runs that scored into the table of the
// ten best, which it saves at once: a campaign run once, when it ends, with
// the level it reached; a run of a level of the player's own, in practice,
// taken over from a replay or with an assist that changes play never. Saving
// that fails costs a warning only.
class RunKeeper {
public:
    // `scoresPath` and `replaysFolder` may be empty (no home folder).
    RunKeeper(std::string scoresPath, std::string replaysFolder);

    SessionWatcher& Watcher() { return Recorder; }
    ReplayRecorder& Recording() { return Recorder; }
    const ScoreTable& Scores() const { return Table; }

private:
    void Keep(const ReplayFile& run, const LevelOutcome& outcome);

    std::string ScoresPath;
    // Level time of the campaign run going on, over the levels it crossed.
    uint32_t RunMs = 0;
    ScoreTable Table;
    ReplayShelf Shelf;
    ReplayRecorder Recorder;
};
