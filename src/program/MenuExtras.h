#pragma once
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "engine/Catalogue.h"
#include "engine/MenuPages.h"
#include "engine/WindowShow.h"
#include "field/Skill.h"
#include "levels/LevelStart.h"
#include "program/PracticePage.h"
#include "replay/ReplayShow.h"

class ReplayRecorder;
class ScoreTable;
class SettingsKeys;

// The program's side of the menu: its options page (and the controls page
// it leads to), its scores page, the level list of the player's own levels,
// the practice page (the ships of the kept runs it offers are rebuilt from
// their replays first, in a frame of its own, and kept for the session),
// and the recorded runs it shows in the window. A kept run chosen on the
// scores page plays until it ends or ESC, then the scores page comes back; a
// run named on the command line plays the same way, then the menu comes up. The
// demo plays when the menu is left alone: the best kept run that plays
// under today's rules, otherwise the run shipped with the game; any key,
// click or pad button ends it, and a fresh menu comes back. A run whose
// world goes out of sync while it shows is stopped there and not shown
// again this session. While a run shows, this is the engine's show; it owns
// the show, not the settings, the table or the files.
class MenuExtras : public MenuPages, public WindowShow {
public:
    // The run shipped with the game, in its data folder.
    static constexpr const char* ShippedDemo = "demos/demo.krp";
    static constexpr const char* DemoCaption = TrNoop("DEMO - press any key");
    static constexpr const char* WatchCaption = TrNoop("REPLAY - ESC to go back");
    static constexpr const char* TakeOverCaption = TrNoop("REPLAY - ESC to go back, T to take over");

    // `replays` is the replay shelf's folder (empty: no kept runs);
    // `ownLevels` the player's levels folder (empty: none); `shippedDemo` is
    // relative to the asset folder.
    MenuExtras(SettingsKeys& settings, const ScoreTable& scores, std::string replays, std::string ownLevels = "",
               std::string shippedDemo = ShippedDemo);
    // Ends a show still on.
    ~MenuExtras() override;
    MenuExtras(const MenuExtras&) = delete;
    MenuExtras& operator=(const MenuExtras&) = delete;

    std::unique_ptr<MenuPage> Open(Page page) override;
    bool StartChosenLevel() override;
    bool StartDemo() override;

    bool Frame() override;
    void DrawOver(SDL_Surface* target) override;
    void End() override;

    // Plays the kept run in `path`, then brings the scores page back showing
    // `shown` with `entry` chosen; false when it cannot be played.
    bool Watch(const std::string& path, int entry, Skill shown);
    // Plays `run` (korvanta --replay) from the next frame on, to its end
    // even where it goes out of sync, then a fresh menu.
    void Replay(ReplayFile run);
    // Lets the player take a kept run or a --replay run over while it
    // shows, recorded by `recorder` from then on (null: they cannot).
    void TakeOverWith(ReplayRecorder* recorder) { Recorder = recorder; }
    // The run showing now; null when none is.
    const ReplayShow* Current() const { return Showing.get(); }
    // The ship a practice of campaign level `level` from the mark `ms`
    // starts with when the player has not chosen one: what the best kept
    // run of it had by then, rebuilt from its replay (every screen is
    // cleared), else a middle ship for the mark.
    Loadout PracticeShip(int level, int32_t ms);

private:
    std::unique_ptr<MenuPage> OpenLevels();
    // The kept runs of campaign levels that play here, and the furthest
    // level a kept score line or replay reached.
    std::vector<PracticePage::KeptRun> KeptRuns(int& furthest);
    std::unique_ptr<MenuPage> OpenPractice();
    // Rebuilds the ships the practice page lacks, then a fresh menu opens it.
    void PreparePractice();
    // Rebuilds what `kept` had at each of `marks` (ascending) into Lent;
    // every screen is cleared.
    void Borrow(const PracticePage::KeptRun& kept, const std::vector<int32_t>& marks);
    // The demo's run and its path: the best kept one that plays under
    // today's rules and has kept in sync, else the shipped one.
    bool FindDemo(ReplayFile& run, std::string& path);
    void Begin(ReplayFile run, const std::string& path, ReplayShow::Rules rules, const char* caption);

    SettingsKeys& Settings;
    const ScoreTable& Scores;
    std::string Replays;
    std::string OwnLevelsFolder;
    std::string Shipped;
    // The level chosen on the level list, until the menu starts it.
    std::optional<LevelStart> ChosenLevel;
    // The practice page's kept runs whose ships are not rebuilt yet; the
    // ships rebuilt, and the replays they were rebuilt from.
    std::vector<PracticePage::KeptRun> ToRebuild;
    PracticePage::Ships Lent;
    std::set<std::string> Rebuilt;
    std::unique_ptr<ReplayShow> Showing;
    std::string ShowingPath;
    // Where the show leads back: the scores page and the entry it played.
    bool BackToScores = false;
    int ScoresEntry = 0;
    Skill ScoresSkill = Skill::Normal;
    ReplayRecorder* Recorder = nullptr;
    // Runs not shown again this session: out of sync, or damaged.
    std::set<std::string> OutOfSync;
};
