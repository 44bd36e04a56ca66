#include "engine/MainLoop.h"

#include <SDL/SDL_mixer.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "program/AssetFolder.h"
#include "program/CommandLine.h"
#include "engine/Engine.h"
#include "engine/FramePacer.h"
#include "program/Gamepad.h"
#include "engine/Log.h"
#include "engine/Pictures.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayModes.h"
#include "program/RunKeeper.h"
#include "keep/Settings.h"
#include "program/SettingsKeys.h"
#include "engine/SessionWatcher.h"
#include "engine/TickSource.h"
#include "keep/UserFolders.h"
#include "field/Stage1.h"
#include "field/UI.h"
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

namespace {
// What the pad's buttons mean depends on where the player is.
GamepadInput::Context PadContext() {
    const auto* level = dynamic_cast<const Stage1*>(Engine::Instance().FindScreen("Stage1"));
    if (level == nullptr)
        return GamepadInput::Context::Menu;
    const UI* hud = level->FindHud();
    const bool overlay = GamePaused || (hud != nullptr && (hud->GameOverView || hud->VictoryView));
    return overlay ? GamepadInput::Context::Overlay : GamepadInput::Context::Level;
}

// The settings keys act at once and go no further; the pad's events arrive
// as the keys and clicks they stand for; everything else goes to the game.
void RouteEvent(SDL_Event* event) {
    Engine& engine = Engine::Instance();
    if (engine.Hotkeys != nullptr && engine.Hotkeys->Handle(*event)) {
        delete event;
        return;
    }
    if (GamepadInput::IsPadEvent(*event)) {
        if (engine.Pad != nullptr)
            for (const SDL_Event& stands : engine.Pad->Input().Translate(*event, PadContext()))
                HandlePolledEvent(new SDL_Event(stands));
        delete event;
        return;
    }
    HandlePolledEvent(event);
}
}  // namespace

void PumpEvents() {
    for (;;) {
        SDL_Event* event = new SDL_Event{};
        if (SDL_PollEvent(event) == 0) {
            delete event;
            return;
        }
        RouteEvent(event);
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

void ClearGame() {
    Engine& engine = Engine::Instance();
    engine.ClearScreens();
    engine.Input.Clear();
    engine.Input.MouseX = engine.Input.MouseY = 0;
    rendering = false;
    GamePaused = false;
    DeltaSeconds = 0;
    FrameTimer.Start();
    EscapeTimer.Start();
}

void FreshMenu() {
    ClearGame();
    Engine::Instance().PushScreen(new MainScreen(), "MainScreen");
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
void ReportPicture(const ImageLoadError& error) {
    Log::Error(std::string(error.what()) + ": cannot load \"" + error.Path + "\" from " + WorkingDirectory() + " (" +
               error.Reason + ")");
}

// What the command line asks for besides playing; the status to exit with,
// or none to go on and play.
std::optional<int> AnswerWithoutPlaying(const CommandLine::Choice& choice) {
    switch (choice.Do) {
    case CommandLine::Action::PrintHelp:
        std::fputs(CommandLine::Help().c_str(), stdout);
        return 0;
    case CommandLine::Action::PrintVersion:
        std::fputs(CommandLine::Version().c_str(), stdout);
        return 0;
    case CommandLine::Action::PrintScores:
        std::fputs(ScoreTable::Load(UserFolders().ScoresFile()).Format().c_str(), stdout);
        return 0;
    case CommandLine::Action::UsageError:
        std::fputs(choice.Error.c_str(), stderr);
        return choice.ExitStatus;
    case CommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

// The frame loop at 60 frames per second, until the game ends or, with a
// limit, after that many frames.
void Play(long frameLimit) {
    FramePacer pacer(60);
    for (long frame = 1; !RunFrame() && frame != frameLimit; ++frame)
        pacer.Wait();
}
}  // namespace

int RunGame(int argc, char** argv) {
    const CommandLine::Choice choice = CommandLine::Parse(argc, argv);
    if (const std::optional<int> status = AnswerWithoutPlaying(choice))
        return *status;
    // Read before the game moves to its asset folder: a file named on the
    // command line is relative to where the player started it.
    const std::string& replayPath = choice.VerifyFile.empty() ? choice.ReplayFile : choice.VerifyFile;
    ReplayFile recorded;
    if (!replayPath.empty() && !ReplayModes::Load(replayPath, recorded))
        return 1;
    AssetFolder::ForThisProgram().Enter();
    if (!choice.VerifyFile.empty())
        return ReplayModes::Verify(std::move(recorded));

    const UserFolders folders;
    Settings settings = Settings::Load(folders.SettingsFile());
    settings.Fullscreen = choice.Fullscreen.value_or(settings.Fullscreen);
    SettingsKeys hotkeys(settings, folders.SettingsFile(), choice.Mute);
    RunKeeper keeper(folders.ScoresFile(), folders.Replays());
    // Without an explicit choice SDL 1.2 would fall back to drawing the game
    // as ASCII art in the terminal when there is no display; ask for X11 so
    // that a missing display is reported instead.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    Engine& engine = Engine::Instance();
    engine.Scores = &keeper.Scores();
    engine.Hotkeys = &hotkeys;
    int status = 0;
    try {
        if (StartGame()) {
            hotkeys.Apply();
            Gamepad pad;
            engine.Pad = &pad;
            // A replay shown to its end goes on to the menu; ESC or closing
            // the window while it shows ends the program.
            const bool showing = !choice.ReplayFile.empty();
            if (!showing || ReplayModes::Show(recorded)) {
                if (showing)
                    FreshMenu();
                engine.Watcher = &keeper.Watcher();
                Play(choice.Frames);
            }
            engine.Pad = nullptr;
        } else {
            status = 1;
        }
    } catch (const ImageLoadError& error) {
        ReportPicture(error);
        status = 1;
    }
    // The level still up ends here, so its run is kept too; then the engine
    // lets go of the services that live in this function.
    engine.Shutdown();
    engine.Watcher = nullptr;
    engine.Hotkeys = nullptr;
    engine.Scores = nullptr;
    engine.Pad = nullptr;
    TickSource::Release();
    return status;
}
