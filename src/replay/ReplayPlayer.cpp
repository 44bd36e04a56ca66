#include "replay/ReplayPlayer.h"

#include <algorithm>
#include <cassert>

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/Random.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "replay/RecordedLevel.h"
#include "screens/LoadingScreen.h"

ReplayPlayer::ReplayPlayer(ReplayFile run) : Run(std::move(run)) {}

void ReplayPlayer::Start() {
    Engine& engine = Engine::Instance();
    assert(engine.Watcher == this);
    engine.ClearScreens();

    // The main loop and the input handler as they were when the level came up.
    TickSource::HoldAt(Run.StartTime);
    engine.Input.Clear();
    for (const SDL_Event& stored : Run.Stored)
        engine.Input.Events.push_back(new SDL_Event(stored));
    engine.Input.MouseX = Run.MouseX;
    engine.Input.MouseY = Run.MouseY;
    GamePaused = Run.Paused;
    FrameTimer = Run.FrameTimer.At(Run.StartTime);
    EscapeTimer = Run.EscapeTimer.At(Run.StartTime);

    LevelStart start;
    std::string why;
    if (!RecordedLevel::StartOf(Run, start, why)) {
        // Its level is not what it was recorded on: nothing of it can repeat.
        Ended = true;
        Differs(1);
        return;
    }
    Waiting = true;
    // The recorded level plays its own difficulty and assists whatever the
    // player's settings say; the levels after it play theirs again.
    const Skill coming = Stage1::ComingSkill();
    const Assists helps = Stage1::ComingAssists();
    Stage1::SetComingSkill(Run.Difficulty);
    Stage1::SetComingAssists(Run.Helps);
    engine.PushScreen(new LoadingScreen(std::move(start)), "LoadingScreen");
    Stage1::SetComingSkill(coming);
    Stage1::SetComingAssists(helps);
    // Loaded from an update (Replay on an overlay), the level was also drawn
    // in that frame.
    if (Run.DrawnAtStart)
        RenderFrame();
}

void ReplayPlayer::LevelStarted(Stage1& level) {
    // Only the recorded level; one that a recorded Replay click starts at
    // the very end is not part of the run.
    if (!Waiting)
        return;
    Waiting = false;
    Random::Seed(Run.Seed);
    Level = &level;
}

bool ReplayPlayer::Feed() {
    if (Ended)
        return false;
    if (Next >= Run.Frames.size()) {
        // The recording ended with the program, the level still up.
        Engine::Instance().RemoveScreen("Stage1");
        Ended = true;
        return false;
    }
    TickSource::HoldAt(Run.Frames[Next].Time);
    for (const SDL_Event& event : Run.EventsOf(Next))
        HandlePolledEvent(new SDL_Event(event));
    ++Next;
    return true;
}

bool ReplayPlayer::Step() {
    if (!Feed())
        return false;
    UpdateFrame();
    RenderFrame();
    return !Ended;
}

bool ReplayPlayer::PlayUnseenTo(uint32_t frames) {
    while (Next < frames) {
        if (!Feed())
            return false;
        UpdateFrame();
        RenderUnseen();
        if (Ended)
            return false;
    }
    return !Ended;
}

void ReplayPlayer::Finish() {
    while (Step()) {
    }
}

uint32_t ReplayPlayer::NextFrameTime() const {
    if (Run.Frames.empty())
        return Run.StartTime;
    return Run.Frames[std::min<size_t>(Next, Run.Frames.size() - 1)].Time;
}

void ReplayPlayer::FrameEnded() {
    if (Level == nullptr || NextCheck >= Run.Checks.size() || Run.Checks[NextCheck].Frame != Next)
        return;
    if (WorldCheck::Of(*Level) != Run.Checks[NextCheck].Value)
        Differs(Next);
    ++NextCheck;
}

void ReplayPlayer::LevelEnding(Stage1& level) {
    if (&level != Level)
        return;
    Outcome = WorldCheck::Outcome(level);
    const bool early = Next < Run.Frames.size();
    const bool sameEnd = Outcome.Score == Run.Score && Outcome.Money == Run.Money &&
                         Outcome.LevelMs == Run.LevelMs && static_cast<uint8_t>(Outcome.How) == Run.Ending;
    if (early || !sameEnd || WorldCheck::Of(level) != Run.FinalCheck)
        Differs(Next);
    Level = nullptr;
    Ended = true;
}

void ReplayPlayer::Differs(uint32_t frame) {
    if (Desync == 0)
        Desync = std::max<uint32_t>(frame, 1);
}
