#include "replay/ReplayShow.h"

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Layout.h"
#include "engine/MainLoop.h"
#include "engine/Text.h"
#include "engine/TickSource.h"

namespace {
// A machine that fell behind catches up by at most this many recorded
// frames a call, then goes on from there instead of rushing.
constexpr int MostFramesACall = 4;
constexpr int CaptionTop = Layout::WindowHeight - 44;
const SDL_Color CaptionColour{255, 214, 90, 0};
const SDL_Color ShadowColour{0, 0, 0, 0};
}  // namespace

ReplayShow::ReplayShow(ReplayFile run, Rules rules, std::string caption)
    : Playback(std::move(run)), StartTime(Playback.Recording().StartTime), Stops(rules), Caption(std::move(caption)) {}

ReplayShow::~ReplayShow() {
    End();
    Texts.Clear();
    Text::CloseFont(Font);
}

ReplayShow::Ending ReplayShow::Frame() {
    if (Over != Ending::Playing)
        return Over;
    if (!Started) {
        Begin();
    } else {
        const uint32_t elapsed = TickSource::WallNow() - LastWall;
        LiveNow += elapsed;
        // A slowed run's clock ran at its share of the wall's, and so it shows.
        SlowedWall += static_cast<uint64_t>(elapsed) * static_cast<uint64_t>(Playback.Recording().Helps.SpeedPercent);
        ShowTime += static_cast<uint32_t>(SlowedWall / 100);
        SlowedWall %= 100;
    }
    ReadLiveInput();
    if (Over == Ending::Playing)
        PlayDueFrames();
    LastWall = TickSource::WallNow();
    if (Over == Ending::TakenOver) {
        // The level stays up for the player; whoever takes it over sets
        // the clock and the watcher.
        Started = false;
        Engine::Instance().Watcher = Before;
    } else if (Over != Ending::Playing) {
        Leave();
        // The game goes on from the time that passed outside the show.
        TickSource::HoldAt(LiveNow);
    }
    return Over;
}

void ReplayShow::Begin() {
    Engine& engine = Engine::Instance();
    Started = true;
    LiveNow = TickSource::PacedNow();
    LiveX = engine.Input.MouseX;
    LiveY = engine.Input.MouseY;
    if (!Caption.empty() && Font == nullptr)
        Font = Text::OpenFont("pirulen.ttf", 20);
    // Whatever was up goes under the game's own watcher, before the player
    // takes over.
    engine.ClearScreens();
    Before = engine.Watcher;
    engine.Watcher = &Playback;
    Playback.Start();
}

void ReplayShow::ReadLiveInput() {
    DrainEvents([this](const SDL_Event& event) {
        const bool stopping = Over == Ending::Playing;
        switch (event.type) {
        case SDL_QUIT:
            Over = Ending::Closed;
            break;
        case SDL_KEYDOWN:
            if (stopping && (Stops.AnyInputStops || event.key.keysym.sym == SDLK_ESCAPE))
                Over = Ending::Stopped;
            else if (stopping && Stops.TakeOverKeys && CanBeTakenOver() &&
                     TakesOver(event.key.keysym.sym))
                Over = Ending::TakenOver;
            break;
        case SDL_MOUSEBUTTONDOWN:
            // The wheel is no click.
            if (stopping && Stops.AnyInputStops && event.button.button <= SDL_BUTTON_RIGHT) {
                Over = Ending::Stopped;
                if (event.button.button == SDL_BUTTON_LEFT)
                    EndPress = ScreenPoint{event.button.x, event.button.y};
            }
            break;
        case SDL_MOUSEMOTION:
            LiveX = event.motion.x;
            LiveY = event.motion.y;
            break;
        default:
            break;
        }
    });
}

void ReplayShow::PlayDueFrames() {
    for (int played = 0; !Playback.Over() && Wait() == 0; ++played) {
        if (played == MostFramesACall) {
            ShowTime = Playback.NextFrameTime() - StartTime;
            break;
        }
        Playback.Step();
        if (Stops.DesyncStops && Playback.DesyncFrame() != 0) {
            Over = Ending::Desynced;
            return;
        }
    }
    if (Playback.Over())
        Over = Ending::Played;
}

bool ReplayShow::CanBeTakenOver() const {
    return Started && Playback.LevelInPlay() != nullptr && Playback.FramesPlayed() > 0 && !Playback.Over();
}

uint32_t ReplayShow::Wait() const {
    const uint32_t due = Playback.NextFrameTime() - StartTime;
    return due > ShowTime ? due - ShowTime : 0;
}

void ReplayShow::End() {
    if (Over == Ending::Playing)
        Over = Ending::Stopped;
    Leave();
    TickSource::Release();
}

// The run's screens go while its player still watches, so that nothing of
// it reaches the watcher the game had before.
void ReplayShow::Leave() {
    if (!Started)
        return;
    Started = false;
    Engine& engine = Engine::Instance();
    engine.ClearScreens();
    engine.Watcher = Before;
}

void ReplayShow::DrawCaption(SDL_Surface* target) {
    if (Caption.empty())
        return;
    // A shadow keeps the line readable over any part of the level.
    const std::string caption = Tr(Caption.c_str());
    Texts.DrawCentred(target, Font, caption, ShadowColour, CaptionTop + 2);
    Texts.DrawCentred(target, Font, caption, CaptionColour, CaptionTop);
}
