#pragma once
#include <cstdint>

#include "replay/ReplayFile.h"
#include "engine/SessionWatcher.h"
#include "replay/WorldCheck.h"

// Plays a recorded level session back: puts the level up as the recording
// found it (difficulty, seed, clock, held keys, pause, pointer), then replays frame after
// frame the recorded clock and events through the main loop's own update and
// render, and compares the world with the recording's checks. The first frame
// at which they differ is the desync. The player is the engine's watcher
// while it plays; the caller installs it.
class ReplayPlayer : public SessionWatcher {
public:
    explicit ReplayPlayer(ReplayFile run);

    // Clears the screen stack and loads the level at the recorded start.
    // The engine must be running.
    void Start();
    // Plays the next recorded frame; false once the run is over (all frames
    // played, or the level ended).
    bool Step();
    // Plays what is left as fast as it goes.
    void Finish();
    // Plays on as Step does until `frames` frames have been played, without
    // showing any of it (the caller keeps the picture clipped and the sound
    // down); false when the run ended first.
    bool PlayUnseenTo(uint32_t frames);
    // The recorded level while it plays; null before and after.
    Stage1* LevelInPlay() const { return Level; }

    bool Over() const { return Ended; }
    // Frames played so far.
    uint32_t FramesPlayed() const { return Next; }
    // The recorded game clock of the next frame (for pacing at the recorded speed).
    uint32_t NextFrameTime() const;
    // The first frame whose world differed from the recording; 0 when none.
    uint32_t DesyncFrame() const { return Desync; }
    // How the played-back level ended.
    const LevelOutcome& Result() const { return Outcome; }
    const ReplayFile& Recording() const { return Run; }

    void LevelStarted(Stage1& level) override;
    void LevelEnding(Stage1& level) override;
    void FrameStarted(uint32_t) override {}
    void EventHandled(const SDL_Event&) override {}
    void FrameEnded() override;

private:
    void Differs(uint32_t frame);
    // Hands the next frame's clock and events to the game; false when the
    // run is over.
    bool Feed();

    ReplayFile Run;
    Stage1* Level = nullptr;
    uint32_t Next = 0;     // frames played
    size_t NextCheck = 0;  // index into Run.Checks
    uint32_t Desync = 0;
    // Between Start and the recorded level's coming up.
    bool Waiting = false;
    bool Ended = false;
    LevelOutcome Outcome;
};
