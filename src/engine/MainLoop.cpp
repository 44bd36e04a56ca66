#include "engine/MainLoop.h"

#include <SDL/SDL_mixer.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "engine/AssetFolder.h"
#include "engine/Engine.h"
#include "engine/FramePacer.h"
#include "engine/Log.h"
#include "engine/TickSource.h"
#include "screens/MainScreen.h"

float DeltaSeconds = 0;
bool GamePaused = false;
Timer FrameTimer;
Timer EscapeTimer;
SDL_Surface* DisplaySurface = nullptr;

namespace {
bool LevelIsUp() { return Engine::Instance().HasScreen("Stage1"); }

std::string WorkingDirectory() {
    char cwd[PATH_MAX];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) : std::string("?");
}

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
    if (event->type == SDL_ACTIVEEVENT)
        NoteFocusChange(event);
    if (event->type == SDL_MOUSEMOTION) {
        Engine::Instance().Input.MouseX = static_cast<float>(event->motion.x);
        Engine::Instance().Input.MouseY = static_cast<float>(event->motion.y);
    }
    Engine::Instance().Input.HandleEvent(event);
}

void PumpEvents() {
    for (;;) {
        SDL_Event* event = new SDL_Event{};
        if (SDL_PollEvent(event) == 0) {
            delete event;
            return;
        }
        HandlePolledEvent(event);
    }
}

bool UpdateFrame() {
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
    SDL_FillRect(DisplaySurface, &DisplaySurface->clip_rect, SDL_MapRGB(DisplaySurface->format, 0, 0, 0));
    Engine::Instance().Draw();
    return SDL_Flip(DisplaySurface) == -1;
}

void ResetMainLoop() {
    DeltaSeconds = 0;
    GamePaused = false;
    FrameTimer = Timer();
    EscapeTimer = Timer();
    DisplaySurface = nullptr;
}

bool StartGame() {
    // SDL 1.2 counts ticks from SDL_Init; read before it, the clock jumps
    // back at start-up and the timers started here would run negative.
    SDL_Init(SDL_INIT_TIMER);
    FrameTimer.Start();
    EscapeTimer.Start();
    Engine& engine = Engine::Instance();
    if (!engine.Init("Dovik Schmup")) {
        Log::Error(engine.LastError);
        engine.Shutdown();
        return false;
    }
    DisplaySurface = engine.Surface;
    engine.PushScreen(new MainScreen(), "MainScreen");
    return true;
}

bool RunFrame() {
    PumpEvents();
    const bool end = UpdateFrame();
    const bool flipFailed = RenderFrame();
    return end || flipFailed;
}

namespace {
// "--frames N" ends the game by itself after N frames: for smoke tests and
// timing runs that cannot press ESC. 0 (the default) plays until told to stop.
long FrameLimit(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--frames")
            return std::strtol(argv[i + 1], nullptr, 10);
    return 0;
}
}  // namespace

int RunGame(int argc, char** argv) {
    // Without an explicit choice SDL 1.2 would fall back to drawing the game
    // as ASCII art in the terminal when there is no display; ask for X11 so
    // that a missing display is reported instead.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    AssetFolder::ForThisProgram().Enter();
    int status = 0;
    try {
        if (!StartGame())
            return 1;
        FramePacer pacer(60);
        const long limit = FrameLimit(argc, argv);
        for (long frame = 1; !RunFrame() && frame != limit; ++frame)
            pacer.Wait();
    } catch (const ImageLoadError& error) {
        Log::Error(std::string(error.what()) + ": cannot load \"" + error.Path + "\" from " + WorkingDirectory() +
                   " (" + error.Reason + ")");
        status = 1;
    }
    Engine::Instance().Shutdown();
    return status;
}
