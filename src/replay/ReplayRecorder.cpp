#include "replay/ReplayRecorder.h"

#include <cassert>

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Log.h"
#include "engine/MainLoop.h"
#include "engine/Random.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "levels/LevelFile.h"

namespace {
// Checks of the world go into the recording about this often.
constexpr uint32_t CheckEveryMs = 1000;
}

ReplayRecorder::ReplayRecorder(Finished whenFinished) : WhenFinished(std::move(whenFinished)) {}

void ReplayRecorder::LevelStarted(Stage1& level) {
    // Seeded afresh per level, from the clock as at start-up, so the seed
    // can go into the recording; the draws are as random as ever.
    const unsigned seed = TickSource::Seed();
    Random::Seed(seed);

    const Engine& engine = Engine::Instance();
    Run = ReplayFile();
    Run.Seed = seed;
    Run.Difficulty = level.Difficulty;
    Run.Level = static_cast<uint8_t>(level.Start.Number);
    Run.LevelFile = level.Start.OwnFile;
    Run.InCampaign = level.Start.InCampaign;
    Run.LevelPrint = LevelFile::Fingerprint(*level.Start.Plan);
    Run.Ship = level.Start.Ship;
    Run.Practice = level.Start.Practice;
    Run.RestartAtOnce = level.Start.Practice && level.Start.RestartAtOnce;
    Run.FromMs = level.Start.Practice ? level.Start.FromMs : 0;
    Run.Helps = level.Helps;
    Run.StartTime = TickSource::Now();
    Run.DrawnAtStart = !Rendering();
    Run.Paused = GamePaused;
    Run.FrameTimer = ReplayFile::TimerState::Of(FrameTimer);
    Run.EscapeTimer = ReplayFile::TimerState::Of(EscapeTimer);
    Run.MouseX = engine.Input.MouseX;
    Run.MouseY = engine.Input.MouseY;
    for (const SDL_Event* stored : engine.Input.Events)
        Run.Stored.push_back(*stored);
    Pending.clear();
    LastCheckTime = Run.StartTime;
    TooLong = false;
    Level = &level;
}

void ReplayRecorder::CarryOn(Stage1& level, const ReplayFile& run, uint32_t frames) {
    assert(frames >= 1 && frames <= run.Frames.size());
    Run = run;
    Run.Format = ReplayFile::FormatVersion;
    Run.TakenOverAt = frames;
    const size_t eventsEnd = frames < run.Frames.size() ? run.Frames[frames].EventsAt : run.EventBytes.size();
    Run.Frames.resize(frames);
    Run.EventBytes.resize(eventsEnd);
    std::erase_if(Run.Checks, [frames](const ReplayFile::Check& check) { return check.Frame > frames; });
    Run.Ending = 0;
    Run.Score = Run.Money = 0;
    Run.LevelMs = 0;
    Run.FinalCheck = 0;
    Pending.clear();
    LastCheckTime = Run.Checks.empty() ? Run.StartTime : Run.Frames[Run.Checks.back().Frame - 1].Time;
    TooLong = false;
    Level = &level;
}

void ReplayRecorder::EventHandled(const SDL_Event& event) {
    if (Level != nullptr)
        Pending.push_back(event);
}

void ReplayRecorder::FrameStarted(uint32_t now) {
    if (Level == nullptr || TooLong)
        return;
    Run.AddFrame(now, Pending);
    Pending.clear();
    CheckLength();
}

void ReplayRecorder::CheckLength() {
    if (TooLong || (Run.Frames.size() <= ReplayFile::MaxFrames && Run.EncodedSize() <= ReplayFile::MaxFileBytes))
        return;
    TooLong = true;
    Log::Warn(Tr("this run is longer than a replay can hold; it will not be kept"));
}

void ReplayRecorder::FrameEnded() {
    if (Level == nullptr || TooLong || Run.Frames.empty())
        return;
    const uint32_t now = Run.Frames.back().Time;
    if (now - LastCheckTime < CheckEveryMs)
        return;
    Run.Checks.push_back({static_cast<uint32_t>(Run.Frames.size()), WorldCheck::Of(*Level)});
    LastCheckTime = now;
}

void ReplayRecorder::LevelEnding(Stage1& level) {
    if (&level != Level)
        return;
    const LevelOutcome outcome = WorldCheck::Outcome(level);
    Run.FinalCheck = WorldCheck::Of(level);
    Run.Ending = static_cast<uint8_t>(outcome.How);
    Run.Score = outcome.Score;
    Run.Money = outcome.Money;
    Run.LevelMs = outcome.LevelMs;
    Level = nullptr;
    CheckLength();
    if (!TooLong && WhenFinished)
        WhenFinished(Run, outcome);
    Run = ReplayFile();
}
