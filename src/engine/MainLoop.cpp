#include "engine/MainLoop.h"

#include <SDL/SDL_mixer.h>

#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/EventFilter.h"
#include "engine/Log.h"
#include "engine/Pictures.h"
#include "engine/SessionWatcher.h"
#include "engine/TickSource.h"
#include "engine/WindowShow.h"
#include "screens/MainScreen.h"

float DeltaSeconds = 0;
bool GamePaused = false;
int LevelPace = 100;
Timer FrameTimer;
Timer EscapeTimer;
SDL_Surface* DisplaySurface = nullptr;

namespace {
// Whether the frame is in its render (true) or its update. Before the first
// frame the game is between frames, as after a render: what comes next is
// an update, and a level loaded now is first drawn after it.
bool rendering = true;

bool LevelIsUp() { return Engine::Instance().HasScreen("Stage1"); }

void TogglePauseOnEscape() {
    for (const SDL_Event* e : Engine::Instance().Input.Events) {
        if (e->type == SDL_KEYDOWN && e->key.keysym.sym == SDLK_ESCAPE) {
            if (EscapeTimer.GetTicks() > 250 && LevelIsUp()) {
                GamePaused = !GamePaused;
                EscapeTimer.Start();
            }
            return;
        }
    }
}

void NoteFocusChange(const SDL_Event* event) {
    if (!(event->active.state & (SDL_APPACTIVE | SDL_APPINPUTFOCUS)))
        return;
    const bool audio = Engine::Instance().AudioOpen;
    if (event->active.gain == 0) {
        GamePaused = true;
        if (audio)
            Mix_PauseMusic();
    } else {
        GamePaused = false;
        if (audio && Mix_PausedMusic() == 1)
            Mix_ResumeMusic();
    }
}
}  // namespace

void HandlePolledEvent(SDL_Event* event) {
    if (SessionWatcher* watcher = Engine::Instance().Watcher)
        watcher->EventHandled(*event);
    if (event->type == SDL_ACTIVEEVENT)
        NoteFocusChange(event);
    if (event->type == SDL_MOUSEMOTION) {
        Engine::Instance().Input.MouseX = static_cast<float>(event->motion.x);
        Engine::Instance().Input.MouseY = static_cast<float>(event->motion.y);
    }
    Engine::Instance().Input.HandleEvent(event);
}

namespace {
// The program's filters see an event first, the settings keys before the
// pad; what a filter takes goes no further, and what it puts in its place
// goes on. Everything else goes on as it is.
void RouteEvent(const SDL_Event& event, const std::function<void(const SDL_Event&)>& take) {
    Engine& engine = Engine::Instance();
    for (EventFilter* filter : {engine.Hotkeys, engine.Pad}) {
        std::vector<SDL_Event> instead;
        if (filter != nullptr && filter->Take(event, instead)) {
            for (const SDL_Event& stands : instead)
                take(stands);
            return;
        }
    }
    take(event);
}
}  // namespace

void DrainEvents(const std::function<void(const SDL_Event&)>& take) {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        // From here on the pointer is in the game's 1024 x 600, whatever the
        // window's size: the filters, the game and a recording see the same.
        if (Engine::Instance().Window.ToGame(event))
            RouteEvent(event, take);
    }
}

void PumpEvents() {
    DrainEvents([](const SDL_Event& event) { HandlePolledEvent(new SDL_Event(event)); });
}

bool UpdateFrame() {
    if (SessionWatcher* watcher = Engine::Instance().Watcher)
        watcher->FrameStarted(TickSource::Now());
    rendering = false;
    const int32_t elapsed = FrameTimer.GetTicks();
    FrameTimer.Start();
    DeltaSeconds = static_cast<float>(elapsed / 1000.0);

    TogglePauseOnEscape();
    if (!LevelIsUp())
        GamePaused = false;
    else if (GamePaused)
        DeltaSeconds = 0;

    Engine& engine = Engine::Instance();
    if (engine.Update())
        return true;
    if (!LevelIsUp() && engine.Input.IsKeyHeld(SDLK_ESCAPE))
        return true;
    return engine.Input.HasEventOfType(SDL_QUIT);
}

bool RenderFrame() {
    rendering = true;
    Engine& engine = Engine::Instance();
    SDL_Surface* picture = engine.Surface;
    if (picture != nullptr) {
        SDL_FillRect(picture, &picture->clip_rect, SDL_MapRGB(picture->format, 0, 0, 0));
        engine.Draw();
        if (engine.Show != nullptr)
            engine.Show->DrawOver(picture);
        engine.Notice.Draw(picture);
    }
    const bool failed = !engine.Window.Present();
    if (SessionWatcher* watcher = engine.Watcher)
        watcher->FrameEnded();
    return failed;
}

void RenderUnseen() {
    rendering = true;
    Engine& engine = Engine::Instance();
    if (engine.Surface != nullptr)
        engine.Draw();
    if (SessionWatcher* watcher = engine.Watcher)
        watcher->FrameEnded();
}

bool Rendering() { return rendering; }

bool StartEngine(const WindowMode& mode) {
    // SDL 1.2 counts ticks from SDL_Init; read before it, the clock jumps
    // back at start-up and the timers started here would run negative.
    SDL_Init(SDL_INIT_TIMER);
    FrameTimer.Start();
    EscapeTimer.Start();
    Engine& engine = Engine::Instance();
    if (!engine.Init("Dovik Schmup", mode)) {
        Log::Error(engine.LastError);
        engine.Shutdown();
        return false;
    }
    Pictures::Preload(engine.Cache);
    return true;
}

bool StartGame(const WindowMode& mode) {
    if (!StartEngine(mode))
        return false;
    Engine::Instance().PushScreen(new MainScreen(), "MainScreen");
    return true;
}

void ClearGame() {
    Engine& engine = Engine::Instance();
    if (engine.Show != nullptr)
        engine.Show->End();
    engine.ClearScreens();
    engine.Input.Clear();
    engine.Input.MouseX = engine.Input.MouseY = 0;
    rendering = true;
    GamePaused = false;
    DeltaSeconds = 0;
    FrameTimer.Start();
    EscapeTimer.Start();
}

void FreshMenu() {
    ClearGame();
    Engine::Instance().PushScreen(new MainScreen(), "MainScreen");
}

void HoldFrameClock() {
    const bool showing = Engine::Instance().Show != nullptr;
    TickSource::SetPace(!showing && LevelIsUp() ? LevelPace : 100);
    TickSource::HoldAt(TickSource::PacedNow());
}

bool RunFrame() {
    // The game clock stands still for the whole frame.
    HoldFrameClock();
    if (WindowShow* show = Engine::Instance().Show)
        return show->Frame();
    PumpEvents();
    const bool end = UpdateFrame();
    const bool flipFailed = RenderFrame();
    return end || flipFailed;
}
