#include "engine/MainLoop.h"

#include <SDL/SDL_mixer.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "engine/Engine.h"
#include "engine/FramePacer.h"
#include "engine/Log.h"
#include "engine/Pictures.h"
#include "engine/ReplayFile.h"
#include "engine/ReplayModes.h"
#include "engine/SessionWatcher.h"
#include "engine/TickSource.h"
#include "screens/MainScreen.h"

float DeltaSeconds = 0;
bool GamePaused = false;
Timer FrameTimer;
Timer EscapeTimer;
SDL_Surface* DisplaySurface = nullptr;

namespace {
// Whether the frame is in its render (true) or its update.
bool rendering = false;

bool LevelIsUp() { return Engine::Instance().HasScreen("Stage1"); }

bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The game reads its assets relative to the working directory. Started from
// elsewhere, it moves to the asset folder that the build put beside it.
void FindAssetFolder() {
    if (IsDirectory("Image"))
        return;
    char exe[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (length <= 0)
        return;
    std::string dir(exe, static_cast<size_t>(length));
    dir = dir.substr(0, dir.find_last_of('/'));
    for (const std::string& candidate : {dir + "/assets", dir}) {
        if (IsDirectory(candidate + "/Image") && chdir(candidate.c_str()) == 0)
            return;
    }
}

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
    SDL_FillRect(DisplaySurface, &DisplaySurface->clip_rect, SDL_MapRGB(DisplaySurface->format, 0, 0, 0));
    Engine::Instance().Draw();
    const bool failed = SDL_Flip(DisplaySurface) == -1;
    if (SessionWatcher* watcher = Engine::Instance().Watcher)
        watcher->FrameEnded();
    return failed;
}

bool Rendering() { return rendering; }

void ResetMainLoop() {
    rendering = false;
    DeltaSeconds = 0;
    GamePaused = false;
    FrameTimer = Timer();
    EscapeTimer = Timer();
    DisplaySurface = nullptr;
}

bool StartEngine() {
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
    Pictures::Preload(engine.Cache);
    return true;
}

bool StartGame() {
    if (!StartEngine())
        return false;
    Engine::Instance().PushScreen(new MainScreen(), "MainScreen");
    return true;
}

void FreshMenu() {
    Engine& engine = Engine::Instance();
    engine.ClearScreens();
    engine.Input.Clear();
    engine.Input.MouseX = engine.Input.MouseY = 0;
    GamePaused = false;
    DeltaSeconds = 0;
    FrameTimer.Start();
    EscapeTimer.Start();
    engine.PushScreen(new MainScreen(), "MainScreen");
}

bool RunFrame() {
    // The game clock stands still for the whole frame.
    TickSource::HoldAt(TickSource::WallNow());
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

std::string OptionValue(int argc, char** argv, const std::string& name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == name)
            return argv[i + 1];
    return "";
}

// A file named on the command line is the caller's, relative to where the
// game was started, not to the asset folder it moves to.
std::string PathFromStart(const std::string& path) {
    if (path.empty() || path.front() == '/')
        return path;
    return WorkingDirectory() + "/" + path;
}

void ReportPicture(const ImageLoadError& error) {
    Log::Error(std::string(error.what()) + ": cannot load \"" + error.Path + "\" from " + WorkingDirectory() + " (" +
               error.Reason + ")");
}
}  // namespace

int RunGame(int argc, char** argv) {
    const std::string verify = PathFromStart(OptionValue(argc, argv, "--verify"));
    const std::string replay = PathFromStart(OptionValue(argc, argv, "--replay"));
    FindAssetFolder();
    if (!verify.empty())
        return ReplayModes::Verify(verify);
    ReplayFile shown;
    if (!replay.empty() && !ReplayModes::Load(replay, shown))
        return 1;
    // Without an explicit choice SDL 1.2 would fall back to drawing the game
    // as ASCII art in the terminal when there is no display; ask for X11 so
    // that a missing display is reported instead.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    int status = 0;
    try {
        if (!StartGame())
            return 1;
        if (replay.empty() || ReplayModes::Show(shown)) {
            if (!replay.empty())
                FreshMenu();
            FramePacer pacer(60);
            const long limit = FrameLimit(argc, argv);
            for (long frame = 1; !RunFrame() && frame != limit; ++frame)
                pacer.Wait();
        }
    } catch (const ImageLoadError& error) {
        ReportPicture(error);
        status = 1;
    }
    Engine::Instance().Shutdown();
    TickSource::Release();
    return status;
}
