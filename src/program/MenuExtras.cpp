#include "program/MenuExtras.h"

#include <algorithm>
#include <filesystem>

#include "engine/Engine.h"
#include "engine/Log.h"
#include "engine/MainLoop.h"
#include "keep/ScoreTable.h"
#include "levels/Campaign.h"
#include "levels/PracticeMarks.h"
#include "program/ControlsPage.h"
#include "program/LevelsPage.h"
#include "program/OptionsPage.h"
#include "program/PracticePage.h"
#include "program/PageTrail.h"
#include "program/ScoresPage.h"
#include "program/SettingsKeys.h"
#include "replay/RecordedLevel.h"
#include "replay/TakeOver.h"
#include "screens/LoadingScreen.h"
#include "screens/MainScreen.h"

MenuExtras::MenuExtras(SettingsKeys& settings, const ScoreTable& scores, std::string replays, std::string ownLevels,
                       std::string shippedDemo)
    : Settings(settings),
      Scores(scores),
      Replays(std::move(replays)),
      OwnLevelsFolder(std::move(ownLevels)),
      Shipped(std::move(shippedDemo)) {}

MenuExtras::~MenuExtras() { End(); }

std::unique_ptr<MenuPage> MenuExtras::Open(Page page) {
    if (page == Page::Options) {
        // The options page leads on to the controls page, over it.
        auto trail = std::make_unique<PageTrail>();
        trail->Open(std::make_unique<OptionsPage>(
            Settings, [this, pages = trail.get()] { pages->Open(std::make_unique<ControlsPage>(Settings)); }));
        return trail;
    }
    if (page == Page::Levels)
        return OpenLevels();
    if (page == Page::Practice)
        return OpenPractice();
    // The page opens on the difficulty the player plays, or comes back as it was left.
    const int entry = BackToScores ? ScoresEntry : 0;
    const Skill shown = BackToScores ? ScoresSkill : Settings.Current().Difficulty;
    BackToScores = false;
    return std::make_unique<ScoresPage>(
        Scores, Replays,
        [this](const std::string& path, int chosen, Skill skill) { return Watch(path, chosen, skill); }, shown,
        entry);
}

// The player's levels as the folder has them now; each one left out is said once.
std::unique_ptr<MenuPage> MenuExtras::OpenLevels() {
    ChosenLevel.reset();
    if (OwnLevelsFolder.empty())
        return nullptr;
    std::vector<std::string> refused;
    std::vector<OwnLevels::Entry> levels = OwnLevels::List(OwnLevelsFolder, refused);
    for (const std::string& why : refused)
        Log::WarnOnce(Catalogue::Fill(Tr("left out of the level list: {1}"), {why}));
    if (levels.empty())
        return nullptr;
    return std::make_unique<LevelsPage>(std::move(levels),
                                        [this](LevelStart start) { ChosenLevel = std::move(start); });
}

// The campaign levels reached (by a kept score line at that level or beyond,
// or a kept replay of it) and the kept replays of them that play here. A
// kept run that would lend its ship to a mark and is not rebuilt yet puts
// the page off to the next frame.
namespace {
// A level of three minutes is kept in about 100 KB. The practice page reads
// the kept runs whole on the main loop, so a far larger file, which no
// level of ours makes, is passed over rather than stalling the page.
constexpr std::uintmax_t PracticeReplayBytes = 4 * 1024 * 1024;

bool SmallEnoughToRead(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size <= PracticeReplayBytes;
}
}  // namespace

std::vector<PracticePage::KeptRun> MenuExtras::KeptRuns(int& furthest) {
    furthest = 1;
    std::vector<PracticePage::KeptRun> kept;
    for (const ScoreTable::Run& run : Scores.Runs()) {
        furthest = std::max(furthest, run.Level);
        ReplayFile replay;
        std::string why;
        const std::string path = Replays + "/" + run.Replay;
        if (Replays.empty() || run.Replay.empty() || OutOfSync.count(path) != 0 || !SmallEnoughToRead(path) ||
            !RecordedLevel::Load(path, replay, why) || !replay.LevelFile.empty() || replay.MakesNoScore())
            continue;
        furthest = std::max<int>(furthest, replay.Level);
        kept.push_back({replay.Level, path, run.Score, replay.LevelMs});
    }
    return kept;
}

std::unique_ptr<MenuPage> MenuExtras::OpenPractice() {
    ChosenLevel.reset();
    int furthest = 1;
    std::vector<PracticePage::KeptRun> kept = KeptRuns(furthest);
    std::vector<int> reached;
    for (int level = 1; level <= std::min(furthest, Campaign::Levels); ++level)
        reached.push_back(level);
    ToRebuild.clear();
    for (int level : reached)
        for (int32_t mark : PracticeMarks::Of(*Campaign::Get(level)))
            if (const PracticePage::KeptRun* best = PracticePage::BestAt(kept, level, mark);
                best != nullptr && Rebuilt.count(best->Path) == 0 &&
                std::none_of(ToRebuild.begin(), ToRebuild.end(),
                             [&](const PracticePage::KeptRun& run) { return run.Path == best->Path; }))
                ToRebuild.push_back(*best);
    if (!ToRebuild.empty()) {
        Engine::Instance().Show = this;
        return nullptr;
    }
    return std::make_unique<PracticePage>(std::move(reached), std::move(kept), Lent, Settings,
                                          [this](LevelStart start) { ChosenLevel = std::move(start); });
}

void MenuExtras::PreparePractice() {
    Engine& engine = Engine::Instance();
    engine.Show = nullptr;
    const float pointerX = engine.Input.MouseX, pointerY = engine.Input.MouseY;
    for (const PracticePage::KeptRun& kept : ToRebuild) {
        Rebuilt.insert(kept.Path);
        Borrow(kept, PracticeMarks::Of(*Campaign::Get(kept.Level)));
    }
    ToRebuild.clear();
    ClearGame();
    engine.Input.MouseX = pointerX;
    engine.Input.MouseY = pointerY;
    engine.PushScreen(new MainScreen(), "MainScreen");
    if (auto* menu = dynamic_cast<MainScreen*>(engine.FindScreen("MainScreen")))
        menu->Open(Page::Practice);
}

void MenuExtras::Borrow(const PracticePage::KeptRun& kept, const std::vector<int32_t>& marks) {
    ReplayFile run;
    std::string why;
    if (RecordedLevel::Load(kept.Path, run, why))
        for (const auto& [mark, ship] : TakeOver::ShipsAt(std::move(run), marks))
            Lent[{kept.Path, mark}] = ship;
}

Loadout MenuExtras::PracticeShip(int level, int32_t ms) {
    int furthest = 1;
    const std::vector<PracticePage::KeptRun> kept = KeptRuns(furthest);
    const PracticePage::KeptRun* best = PracticePage::BestAt(kept, level, ms);
    if (best != nullptr && Lent.count({best->Path, ms}) == 0)
        Borrow(*best, {ms});
    const auto lent = best != nullptr ? Lent.find({best->Path, ms}) : Lent.end();
    return lent != Lent.end() ? lent->second : PracticeMarks::Middle(*Campaign::Get(level), ms);
}

bool MenuExtras::StartChosenLevel() {
    if (!ChosenLevel)
        return false;
    LevelStart start = std::move(*ChosenLevel);
    ChosenLevel.reset();
    // The loading screen's Load deletes the menu that asked.
    Engine::Instance().PushScreen(new LoadingScreen(std::move(start)), "LoadingScreen");
    return true;
}

bool MenuExtras::StartDemo() {
    ReplayFile run;
    std::string path;
    if (Showing || !FindDemo(run, path))
        return false;
    Begin(std::move(run), path, {.AnyInputStops = true, .DesyncStops = true}, DemoCaption);
    BackToScores = false;
    return true;
}

bool MenuExtras::Watch(const std::string& path, int entry, Skill shown) {
    ReplayFile run;
    std::string why;
    if (Showing)
        return false;
    if (!RecordedLevel::Load(path, run, why)) {
        OutOfSync.insert(path);
        Log::WarnOnce(Catalogue::Fill(Tr("cannot play the replay {1}: {2}"), {Log::Quoted(path), why}));
        return false;
    }
    Begin(std::move(run), path, {.AnyInputStops = false, .DesyncStops = true, .TakeOverKeys = Recorder != nullptr},
          Recorder != nullptr ? TakeOverCaption : WatchCaption);
    BackToScores = true;
    ScoresEntry = entry;
    ScoresSkill = shown;
    return true;
}

void MenuExtras::Replay(ReplayFile run) {
    End();
    Begin(std::move(run), "", {.TakeOverKeys = Recorder != nullptr}, Recorder != nullptr ? TakeOverCaption : WatchCaption);
}

bool MenuExtras::FindDemo(ReplayFile& run, std::string& path) {
    // The kept runs are looked at by their headers; only the one chosen is
    // read whole, and if it turns out damaged it is passed over from then on.
    std::string why;
    for (const ScoreTable::Run& kept : Scores.Runs()) {
        path = Replays + "/" + kept.Replay;
        if (!Replays.empty() && !kept.Replay.empty() && OutOfSync.count(path) == 0 &&
            RecordedLevel::Peek(path, run, why)) {
            if (ReplayFile::Load(path, run, why))
                return true;
            OutOfSync.insert(path);
            Log::WarnOnce(Catalogue::Fill(Tr("cannot show the replay {1} as the demo: {2}"), {Log::Quoted(path), why}));
            break;
        }
    }
    path = Shipped;
    if (OutOfSync.count(path) != 0)
        return false;
    if (RecordedLevel::Load(path, run, why))
        return true;
    Log::WarnOnce(Catalogue::Fill(Tr("no demo to show: cannot use {1}: {2}"), {Log::Quoted(path), why}));
    return false;
}

void MenuExtras::Begin(ReplayFile run, const std::string& path, ReplayShow::Rules rules, const char* caption) {
    Showing = std::make_unique<ReplayShow>(std::move(run), rules, caption);
    ShowingPath = path;
    Engine::Instance().Show = this;
}

bool MenuExtras::Frame() {
    Engine& engine = Engine::Instance();
    if (!ToRebuild.empty()) {
        PreparePractice();
        return false;
    }
    if (!Showing) {
        engine.Show = nullptr;
        return false;
    }
    const ReplayShow::Ending ending = Showing->Frame();
    if (ending == ReplayShow::Ending::Playing)
        return false;
    if (ending == ReplayShow::Ending::Desynced)
        OutOfSync.insert(ShowingPath);
    if (ending == ReplayShow::Ending::TakenOver) {
        TakeOver::HandOver(Showing->Player(), *Recorder);
        Showing.reset();
        engine.Show = nullptr;
        BackToScores = false;
        return false;
    }
    const float pointerX = Showing->PointerX(), pointerY = Showing->PointerY();
    const std::optional<ScreenPoint> press = Showing->EndingPress();
    Showing.reset();
    engine.Show = nullptr;
    if (ending == ReplayShow::Ending::Closed)
        return true;
    // The input that ended the show went with it; the pointer is where the
    // player left it, resting there when the menu comes up, and a press
    // that ended the show is the latest, so its double click's second
    // press works no button.
    ClearGame();
    engine.Input.MouseX = pointerX;
    engine.Input.MouseY = pointerY;
    if (press)
        engine.Input.NoteLeftPress(press->X, press->Y);
    engine.PushScreen(new MainScreen(), "MainScreen");
    if (BackToScores)
        if (auto* menu = dynamic_cast<MainScreen*>(engine.FindScreen("MainScreen")))
            menu->Open(Page::Scores);
    return false;
}

void MenuExtras::DrawOver(SDL_Surface* target) {
    if (Showing)
        Showing->DrawCaption(target);
}

void MenuExtras::End() {
    Showing.reset();
    Engine& engine = Engine::Instance();
    if (engine.Show == this)
        engine.Show = nullptr;
    BackToScores = false;
}
