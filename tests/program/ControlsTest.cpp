#include <optional>

#include "engine/Log.h"
#include "keep/ScoreTable.h"
#include "program/ControlsPage.h"
#include "program/OptionsPage.h"
#include "program/PageTrail.h"
#include "program/ProgramSession.h"
#include "replay/ReplayRecorder.h"
#include "screens/MainScreen.h"
#include "support/Events.h"

// The player's own keys and pad buttons, through SDL's queue and the main
// loop's pump with the program's settings keys, pad and pages in place: in
// play, on the controls page, in settings.ini and in a replay.
namespace {
using Action = KeyBindings::Action;

class Controls : public ProgramSession {
protected:
    void SetUp() override {
        ProgramSession::SetUp();
        if (!HasFatalFailure())
            Use("");
    }
    // The program's services over settings.ini holding `lines`.
    void Use(const std::string& lines) {
        TempFolder::Put(Home / "settings.ini", lines);
        Extras.reset();
        UseKeys(Settings::Load(Home / "settings.ini"));
        Pad.emplace(&*Keys);
        Extras.emplace(*Keys, Table, "");
        TheEngine().Pad = &*Pad;
        TheEngine().Labels = &*Keys;
        TheEngine().Pages = &*Extras;
    }
    bool Held(SDLKey key) { return TheEngine().Input.IsKeyHeld(key); }
    // The page open on the menu, if it is the controls page.
    const ControlsPage* Page() const {
        const auto* trail = Menu() ? dynamic_cast<const PageTrail*>(Menu()->Page.get()) : nullptr;
        return trail ? dynamic_cast<const ControlsPage*>(&trail->Top()) : nullptr;
    }
    void OpenTheControls() {
        Run(2);
        Click(Layout::OptionsButton, 20);
        Click(Layout::OptionValue(static_cast<int>(OptionsPage::Rows().size())), 20);
        ASSERT_NE(Page(), nullptr);
    }
    const KeyBindings& Bound() const { return Keys->Current().Bindings; }
    std::string SavedFile() const { return TempFolder::Get(Home / "settings.ini"); }
    // The repair button's pixels in the grey of a label that cannot be bought.
    int RepairLetter() { return CountPixels({Layout::RepairLabel.X, Layout::RepairLabel.Y, 25, 25}, 0x69727F); }

    ScoreTable Table;
};
}  // namespace

// A bound key and button act, both slots of an action act, the defaults
// they replaced do nothing, the arrows steer, a line the game cannot use
// costs one warning; a key or button held while the bindings change lets go
// of what its press held; the shop's button shows the key bound to it; the
// run replays in sync with the defaults, for it holds the game's own keys.
TEST_F(Controls, BoundKeysAndButtonsPlayAndTheRunReplaysWithTheDefaults) {
    std::optional<std::pair<ReplayFile, LevelOutcome>> run;
    ReplayRecorder recorder([&run](const ReplayFile& file, const LevelOutcome& outcome) { run.emplace(file, outcome); });
    TheEngine().Watcher = &recorder;
    const int warnings = Log::WarningCount();
    Use("bind_self_destruct = k\nbind_fire = space, left ctrl\npad_fire = 5\nbind_missile = jump\nbind_brake = m\n"
        "bind_repair = j\n");
    EXPECT_EQ(Log::WarningCount(), warnings + 1);
    StartLevel(3);
    const int letterOfJ = RepairLetter();
    for (const auto& [key, acts] : {std::pair{SDLK_UP, SDLK_w}, {SDLK_LEFT, SDLK_a}, {SDLK_LCTRL, SDLK_SPACE}}) {
        KeyDown(key);
        Run(20);
        EXPECT_TRUE(Held(acts) && !Held(key)) << SDL_GetKeyName(key);
        KeyUp(key);
        Step();
    }
    PadButton(0, true);
    EXPECT_FALSE(Held(SDLK_SPACE)) << "the pad's default fire button";
    PadButton(5, true);
    EXPECT_TRUE(Held(SDLK_SPACE)) << "the pad's bound fire button";
    KeyDown(SDLK_LCTRL);
    Run(20);
    Tap(SDLK_q, 3);
    ASSERT_FALSE(Hud()->GameOverView) << "Q still self-destructs";

    Settings rebound = Keys->Current();
    rebound.Bindings.BindKey(Action::SteerUp, 0, SDLK_SPACE);  // fire's Space goes to W
    rebound.Bindings.BindKey(Action::Repair, 0, SDLK_h);
    Keys->Change(rebound);
    Step();
    EXPECT_NE(RepairLetter(), letterOfJ) << "the button does not show the key bound to it";
    KeyUp(SDLK_LCTRL);
    for (const Uint8 button : {0, 5})
        PadButton(button, false);
    EXPECT_FALSE(AnyKeyHeld()) << "a release was bound afresh";
    Tap(SDLK_k, 3);
    ASSERT_TRUE(Hud()->GameOverView);
    Click(Layout::OverlayExitButton, 2);
    ASSERT_TRUE(run);

    Use("");
    ExpectReplaysInSync(*run);
}

namespace {
enum class Way { Pointer, Keys, Pad };
class ControlsPageWays : public Controls, public ::testing::WithParamInterface<Way> {};
}  // namespace

// The page opens from the options by each way; a slot takes the next key
// (or pad button), settings.ini holds it at once, and the next slot down
// is chosen.
TEST_P(ControlsPageWays, ASlotTakesTheNextPressAndTheNextSlotIsChosen) {
    const Way way = GetParam();
    ASSERT_NO_FATAL_FAILURE(OpenTheControls());
    EXPECT_EQ(Page()->Chosen(), 0);
    if (way == Way::Pointer) {
        Click(Layout::ControlSlot(int(Action::Fire), 0));
    } else if (way == Way::Keys) {
        for (int i = 0; i < int(Action::Fire); ++i)
            Tap(SDLK_DOWN);
        Tap(SDLK_RETURN);
    } else {
        for (int i = 0; i < int(Action::Fire); ++i)
            PadHat(SDL_HAT_DOWN);
        PadHat(SDL_HAT_RIGHT);
        PadHat(SDL_HAT_RIGHT);
        PadPress(0);
    }
    Run(2);
    ASSERT_TRUE(Page()->Awaiting());
    const bool pad = way == Way::Pad;
    if (pad)
        PadPress(6);
    else
        Tap(SDLK_k, 2);
    EXPECT_EQ(pad ? Bound().Button(Action::Fire) : Bound().Key(Action::Fire, 0), pad ? 6 : SDLK_k);
    EXPECT_NE(SavedFile().find(pad ? "pad_fire = 6\n" : "bind_fire = k\n"), std::string::npos) << SavedFile();
    EXPECT_EQ(Page()->Chosen(), ControlsPage::EntryOf(Action::Repair, pad ? 2 : 0));
    EXPECT_FALSE(Page()->Awaiting());
    EXPECT_FALSE(AnyKeyHeld()) << "the key taken reached the page";
}

INSTANTIATE_TEST_SUITE_P(Playthrough, ControlsPageWays, ::testing::Values(Way::Pointer, Way::Keys, Way::Pad));

// ESC leaves a slot as it was (and the page open), a key another action
// has is swapped, a key the game keeps is refused while the page waits on,
// and a reset happens only after Yes.
TEST_F(Controls, EscapeCancelsAConflictSwapsAReservedKeyIsRefusedAndResetAsksFirst) {
    ASSERT_NO_FATAL_FAILURE(OpenTheControls());
    const ScreenPoint fire = Layout::ControlSlot(int(Action::Fire), 0);
    Click(fire);
    Tap(SDLK_ESCAPE, 2);
    ASSERT_NE(Page(), nullptr) << "ESC left the page";
    EXPECT_EQ(Bound(), KeyBindings());

    Click(fire);
    Tap(SDLK_w, 2);
    EXPECT_EQ(Bound().Key(Action::Fire, 0), SDLK_w);
    EXPECT_EQ(Bound().Key(Action::SteerUp, 0), SDLK_SPACE);
    EXPECT_EQ(Page()->Notice(), "Steer up takes what Fire had");

    // The key where a US keyboard has Q, labelled A on a French one, is bound
    // as Q (by its place), and self-destruct gets W in exchange.
    Click(fire);
    Send(Events::KeyAt(true, SDLK_a, 24));
    Send(Events::KeyAt(false, SDLK_a, 24));
    Run(2);
    EXPECT_EQ(Bound().Key(Action::Fire, 0), SDLK_q);
    EXPECT_EQ(Bound().Key(Action::SelfDestruct, 0), SDLK_w);

    Click(fire);
    for (const SDLKey reserved : {SDLK_F9, SDLK_RETURN, SDLK_F11}) {
        Tap(reserved, 2);
        EXPECT_TRUE(Page()->Awaiting()) << SDL_GetKeyName(reserved);
    }
    EXPECT_TRUE(Keys->Current().Music) << "F9 worked the music";
    Tap(SDLK_j, 2);
    EXPECT_EQ(Bound().Key(Action::Fire, 0), SDLK_j) << "the page stopped waiting after a refusal";
    Click(fire);
    Click(fire);
    EXPECT_FALSE(Page()->Awaiting()) << "a click does not cancel";

    const KeyBindings before = Bound();
    for (const bool yes : {false, true}) {
        Click(Layout::ControlReset, 2);
        ASSERT_TRUE(Page()->Asking());
        if (yes)
            Tap(SDLK_LEFT);
        Tap(SDLK_RETURN, 2);
        EXPECT_EQ(Settings::Load(Home / "settings.ini").Bindings, yes ? KeyBindings() : before)
            << (yes ? "Yes" : "No, chosen first");
    }
    Tap(SDLK_ESCAPE, 2);
    EXPECT_EQ(Page(), nullptr);
    EXPECT_TRUE(Menu()->PageOpen()) << "ESC went past the options page";
}
