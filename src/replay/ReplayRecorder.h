#pragma once
#include <functional>
#include <vector>

#include "replay/ReplayFile.h"
#include "engine/SessionWatcher.h"
#include "replay/WorldCheck.h"

// Records every level session of the running game as a replay: when a level
// comes up it seeds the random generator afresh (drawn from the clock as
// ever) and notes the seed, the level's difficulty and the state the level
// starts from; then each
// frame's clock and events, and a check of the world about once a second.
// When the level ends, the finished recording goes to the caller, who keeps
// it. The recorder changes nothing in play.
class ReplayRecorder : public SessionWatcher {
public:
    using Finished = std::function<void(const ReplayFile& run, const LevelOutcome& outcome)>;
    explicit ReplayRecorder(Finished whenFinished);

    void LevelStarted(Stage1& level) override;
    void LevelEnding(Stage1& level) override;
    void FrameStarted(uint32_t now) override;
    void EventHandled(const SDL_Event& event) override;
    void FrameEnded() override;

    // Records `level` on from a recorded run of it: `run` has been played
    // up to its frame `frames`, and the recording goes on from there as
    // the player takes over, keeping those frames in front of its own.
    void CarryOn(Stage1& level, const ReplayFile& run, uint32_t frames);

    bool Recording() const { return Level != nullptr; }
    // Whole frames of the level in progress recorded so far.
    uint32_t FramesRecorded() const { return static_cast<uint32_t>(Run.Frames.size()); }

private:
    // Gives the run up, with one warning, once it is more than a replay holds.
    void CheckLength();

    Finished WhenFinished;
    ReplayFile Run;
    Stage1* Level = nullptr;
    // Events handed over since the last frame began: they belong to the next.
    std::vector<SDL_Event> Pending;
    uint32_t LastCheckTime = 0;
    bool TooLong = false;
};
