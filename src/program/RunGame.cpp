#include "program/RunGame.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/FramePacer.h"
#include "engine/Image.h"
#include "engine/Log.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "keep/AtomicFile.h"
#include "keep/ScoreTable.h"
#include "keep/Settings.h"
#include "keep/UserFolders.h"
#include "levels/Campaign.h"
#include "levels/LevelFile.h"
#include "levels/PracticeMarks.h"
#include "program/AssetFolder.h"
#include "program/CommandLine.h"
#include "program/Gamepad.h"
#include "program/MenuExtras.h"
#include "program/RunKeeper.h"
#include "program/SettingsKeys.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayModes.h"
#include "replay/ReplayPlayer.h"
#include "replay/TakeOver.h"
#include "screens/LoadingScreen.h"

namespace {
std::string WorkingDirectory() {
    char cwd[PATH_MAX];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) : std::string("?");
}

void ReportPicture(const ImageLoadError& error) {
    Log::Error(Catalogue::Fill(Tr("{1}: cannot load {2} from {3} ({4})"),
                               {Tr(error.what()), Log::Quoted(error.Path), Log::Quoted(WorkingDirectory()), error.Reason}));
}

// "FILE: ok, 160 s" (when the boss comes), or every fault of the file.
int CheckLevel(const std::string& path) {
    std::vector<std::string> faults;
    const std::optional<Level> level = LevelFile::Load(path, faults);
    for (const std::string& fault : faults)
        std::fprintf(stderr, "%s\n", fault.c_str());
    if (!level)
        return 1;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%g", level->BossMs() / 1000.0);
    std::printf("%s\n", Catalogue::Fill(Tr("{1}: ok, {2} s"), {LevelFile::Shown(path), Catalogue::Decimal(seconds)}).c_str());
    return 0;
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
    case CommandLine::Action::CheckLevel:
        return CheckLevel(choice.LevelFile);
    case CommandLine::Action::UsageError:
        std::fputs(choice.Error.c_str(), stderr);
        return choice.ExitStatus;
    case CommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

// What saves cut short in an earlier run left beside the kept files.
void RemoveLeftovers(const UserFolders& folders) {
    AtomicFile::RemoveLeftovers(folders.SettingsFile());
    AtomicFile::RemoveLeftovers(folders.ScoresFile());
    ReplayShelf(folders.Replays()).RemoveLeftovers();
}

// The practice start --start-at asks for (with a middle ship until the
// kept runs are read), or a line on stderr saying why there is none.
std::optional<LevelStart> PracticeStart(const CommandLine::Choice& choice) {
    const int number = choice.Level.value_or(1);
    const LevelStart level = Campaign::Start(number, {}, false);
    const int32_t ms = *choice.StartAt * 1000;
    const int32_t last = PracticeMarks::LastMs(*level.Plan);
    if (ms > last) {
        Log::Error(Catalogue::Fill(Tr("cannot start level {1} at {2} s: its last mark is at {3} s"),
                                   {std::to_string(number), std::to_string(*choice.StartAt), std::to_string(last / 1000)}));
        return std::nullopt;
    }
    return PracticeMarks::Start(level, ms, PracticeMarks::Middle(*level.Plan, ms));
}

// Plays `run` unseen up to `seconds` and gives it to the player, recorded
// by `keeper`; false (with a line on stderr) when the run is over by then.
bool TakeOverRun(ReplayFile run, int seconds, RunKeeper& keeper) {
    Engine& engine = Engine::Instance();
    const uint32_t frames = TakeOver::FramesBefore(run, static_cast<uint32_t>(seconds) * 1000);
    ReplayPlayer player(std::move(run));
    engine.Watcher = &player;
    if (TakeOver::Rebuild(player, frames)) {
        TakeOver::HandOver(player, keeper.Recording());
        return true;
    }
    engine.Watcher = &keeper.Watcher();
    Log::Error(Catalogue::Fill(Tr("cannot take the run over at {1} s: it is over by then"), {std::to_string(seconds)}));
    FreshMenu();
    return false;
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
    // Every answer, --help's and the command line's faults included, comes
    // in the player's language: --language, else the one settings.ini keeps.
    const UserFolders folders;
    SettingsKeys::Speak(
        CommandLine::LanguageAsked(argc, argv).value_or(Settings::LanguageIn(folders.SettingsFile())));
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
    // The campaign's levels are part of the install, as the pictures are: a
    // level that cannot be read ends the game before it begins.
    try {
        Campaign::ReadAll();
    } catch (const LevelLoadError& error) {
        for (const std::string& message : error.Messages)
            Log::Error(Catalogue::Fill(Tr("cannot read the game's level {1}"), {message}));
        return 1;
    }
    if (!replayPath.empty() && !ReplayModes::HasItsLevel(replayPath, recorded))
        return 1;
    if (!choice.VerifyFile.empty())
        return ReplayModes::Verify(std::move(recorded));
    std::optional<LevelStart> practice;
    if (choice.StartAt && !(practice = PracticeStart(choice)))
        return 1;
    if (choice.TakeOver && static_cast<uint32_t>(*choice.TakeOver) > TakeOver::LastSecond(recorded)) {
        Log::Error(Catalogue::Fill(Tr("cannot take over replay {1} at {2} s: it ends at {3} s"),
                                   {Log::Quoted(replayPath), std::to_string(*choice.TakeOver),
                                    std::to_string(TakeOver::LastSecond(recorded))}));
        return 1;
    }

    RemoveLeftovers(folders);
    const Settings saved = Settings::Load(folders.SettingsFile());
    SettingsKeys hotkeys(saved, folders.SettingsFile(), choice.Mute);
    Settings thisRun = saved;
    thisRun.Fullscreen = choice.Fullscreen.value_or(saved.Fullscreen);
    thisRun.Difficulty = choice.Difficulty.value_or(saved.Difficulty);
    thisRun.Helps.SpeedPercent = choice.Speed.value_or(saved.Helps.SpeedPercent);
    thisRun.Helps.Invincible = saved.Helps.Invincible || choice.Invincible;
    thisRun.Language = choice.Language.value_or(saved.Language);
    hotkeys.PlayThisRun(thisRun);
    RunKeeper keeper(folders.ScoresFile(), folders.Replays());
    // Without an explicit choice SDL 1.2 would fall back to drawing the game
    // as ASCII art in the terminal when there is no display; ask for X11 so
    // that a missing display is reported instead.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    Engine& engine = Engine::Instance();
    engine.Scores = &keeper.Scores();
    engine.Hotkeys = &hotkeys;
    engine.Labels = &hotkeys;
    int status = 0;
    try {
        if (StartGame(hotkeys.Window())) {
            hotkeys.Apply();
            Gamepad pad(&hotkeys);
            engine.Pad = &pad;
            MenuExtras extras(hotkeys, keeper.Scores(), folders.Replays(), folders.Levels());
            engine.Pages = &extras;
            engine.Watcher = &keeper.Watcher();
            extras.TakeOverWith(&keeper.Recording());
            if (choice.TakeOver) {
                if (!TakeOverRun(std::move(recorded), *choice.TakeOver, keeper))
                    status = 1;
            } else if (!choice.ReplayFile.empty()) {
                extras.Replay(std::move(recorded));
            }
            // Practice from the command line starts with the ship the
            // practice page offers first.
            if (practice)
                practice = PracticeMarks::Start(*practice, practice->FromMs,
                                                extras.PracticeShip(practice->Number, practice->FromMs));
            // A level asked for on the command line is played on its own,
            // with a new game's ship, instead of the menu. It comes up on a
            // clock held still, as within a frame, for its recording.
            if (choice.Level || practice) {
                TickSource::HoldAt(TickSource::PacedNow());
                engine.PushScreen(new LoadingScreen(practice.value_or(Campaign::Start(choice.Level.value_or(1), {}, false))),
                                  "LoadingScreen");
            }
            if (status == 0)
                Play(choice.Frames);
            engine.Pages = nullptr;
            // A window that could not be opened again (message printed).
            if (!engine.Window.IsOpen())
                status = 1;
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
    engine.Labels = nullptr;
    engine.Scores = nullptr;
    engine.Pad = nullptr;
    engine.Pages = nullptr;
    TickSource::Release();
    return status;
}
