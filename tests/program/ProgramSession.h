#pragma once
#include <optional>
#include <string>
#include <utility>

#include "program/Gamepad.h"
#include "program/MenuExtras.h"
#include "program/RunKeeper.h"
#include "program/SettingsKeys.h"
#include "replay/ReplayPlayer.h"
#include "support/StageHelpers.h"
#include "support/TempFolder.h"

// The colours of the menu's and the overlays' words.
constexpr uint32_t TextColour = 0xDEF6FA;
constexpr uint32_t Gold = 0xFFD65A;

// A Playthrough with the program's own services over a fresh home folder:
// its settings keys, the pad, the keeper of runs and the menu's pages, each
// put in place when a test asks for it. The pages go first at the end, as
// a run they still show takes the window back.
class ProgramSession : public Playthrough {
protected:
    void TearDown() override {
        Extras.reset();
        Playthrough::TearDown();
    }
    using Playthrough::Click;
    using Playthrough::Tap;
    // A click or a keystroke, then `frames` frames for the game to answer it.
    void Click(ScreenPoint at, int frames) {
        Click(at);
        Run(frames);
    }
    void Tap(SDLKey key, int frames) {
        Tap(key);
        Run(frames);
    }
    // The settings keys over Home/settings.ini.
    SettingsKeys& UseKeys(const Settings& settings, bool muted = false) {
        Keys.emplace(settings, Home / "settings.ini", muted);
        TheEngine().Hotkeys = &*Keys;
        return *Keys;
    }
    // The keeper over the score table and replays in Home, as they are now
    // (pages over the old one go).
    RunKeeper& Keep() {
        Extras.reset();
        Keeper.emplace(Home / "scores.txt", Home / "replays");
        TheEngine().Watcher = &Keeper->Watcher();
        TheEngine().Scores = &Keeper->Scores();
        return *Keeper;
    }
    // Self-destruct: the run ends on the game-over overlay.
    void EndTheRun() {
        Tap(SDLK_q);
        Run(5);
        ASSERT_TRUE(Hud()->GameOverView);
    }
    // A recorded run played back with the settings in place now: in sync, to
    // the same ending, which was a loss.
    void ExpectReplaysInSync(const std::pair<ReplayFile, LevelOutcome>& run) {
        ReplayPlayer player(run.first);
        TheEngine().Watcher = &player;
        player.Start();
        player.Finish();
        EXPECT_EQ(player.DesyncFrame(), 0u);
        EXPECT_EQ(player.Result(), run.second);
        EXPECT_EQ(player.Result().How, LevelOutcome::Ending::Lost);
        TheEngine().Watcher = nullptr;
    }

    TempFolder Home;
    std::optional<SettingsKeys> Keys;
    std::optional<Gamepad> Pad;
    std::optional<RunKeeper> Keeper;
    std::optional<MenuExtras> Extras;
};
