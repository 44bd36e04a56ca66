#include <algorithm>
#include <filesystem>
#include <set>
#include <tuple>

#include "levels/Campaign.h"
#include "levels/PracticeMarks.h"
#include "program/OptionsPage.h"
#include "program/PracticePage.h"
#include "program/ProgramSession.h"
#include "program/ScoresPage.h"
#include "screens/MainScreen.h"
#include "support/GameProcess.h"
#include "support/HostileReplay.h"

// The menu's options and scores pages and its demo, as the program puts
// them up, through SDL's queue and the main loop's pump: every page opened
// and closed by mouse, keys and pad, settings changed and saved, kept runs
// watched from the scores page, and the demo that plays when the menu is
// left alone, which must keep nothing and let nothing through.
namespace {
namespace fs = std::filesystem;
const SDL_Rect PageTitle{262, Layout::PageTitleTop, 500, 40};

class MenuPagesTest : public ProgramSession {
protected:
    void SetUp() override {
        ProgramSession::SetUp();
        if (HasFatalFailure())
            return;
        Pad.emplace();
        TheEngine().Pad = &*Pad;
        UseKeys(Settings());
        Keep();
        Run(2);
    }
    // The keeper and the program's pages over the files in Home, as they are now.
    void Keep() {
        ProgramSession::Keep();
        Extras.emplace(*Keys, Keeper->Scores(), Home / "replays");
        TheEngine().Pages = &*Extras;
    }

    // Input held for a frame, then let go; true when the game asked to end
    // in any of the frames it took.
    bool Press(SDLKey key) {
        KeyDown(key);
        const bool ended = Step();
        KeyUp(key);
        return Step() || ended;
    }
    bool ClickOn(ScreenPoint at) {
        MouseTo(at.X, at.Y);
        LeftDown();
        const bool ended = Step();
        LeftUp();
        return Step() || ended;
    }
    // A short level played by keys and clicks only (so its replay plays back
    // in sync), self-destructed and left by Exit: its dated replay's name.
    std::string RecordAShortRun() {
        Click(Layout::PlayButton);
        KeyDown(SDLK_d);
        Run(40);
        KeyUp(SDLK_d);
        Tap(SDLK_q, 20);
        Click(Layout::OverlayExitButton, 3);
        EXPECT_NE(Menu(), nullptr);
        return DatedReplay();
    }
    // The name of the one run kept on the shelf under its date.
    std::string DatedReplay() {
        for (const auto& entry : fs::directory_iterator(Home / "replays"))
            if (entry.path().filename() != "last.krp")
                return entry.path().filename().string();
        ADD_FAILURE() << "no dated replay";
        return "";
    }
    // Everything the game keeps in Home, with its contents.
    std::set<std::pair<std::string, std::string>> Kept() const {
        std::set<std::pair<std::string, std::string>> files;
        for (const auto& entry : fs::recursive_directory_iterator(Home.Path))
            if (entry.is_regular_file() && entry.path().filename() != "settings.ini")
                files.insert({entry.path().string(), TempFolder::Get(entry.path().string())});
        return files;
    }
    const ScoresPage* Scores() const { return Menu() ? dynamic_cast<const ScoresPage*>(Menu()->Page.get()) : nullptr; }
    bool PageOpen() const { return Menu() != nullptr && Menu()->PageOpen(); }
    bool OnButtons() const { return Menu() != nullptr && Menu()->OnButtons(); }
    const ReplayShow* Showing() const { return Extras->Current(); }
    // Idle on the menu until the demo starts and its level is up.
    void AwaitTheDemo() {
        Idle(60'100);
        ASSERT_NE(Showing(), nullptr) << "no demo after a minute";
        Run(2);
        ASSERT_NE(Level(), nullptr);
    }
};

enum class Way { Mouse, Keys, Pad };
class PageWays : public MenuPagesTest,
                 public ::testing::WithParamInterface<std::tuple<MenuPages::Page, Way>> {};
std::string WayName(const ::testing::TestParamInfo<std::tuple<MenuPages::Page, Way>>& info) {
    static const char* const ways[] = {"Mouse", "Keys", "Pad"};
    static const char* const pages[] = {"Options", "Scores", "Levels", "Practice"};
    return std::string(pages[int(std::get<0>(info.param))]) + ways[int(std::get<1>(info.param))];
}
}  // namespace

TEST_P(PageWays, EachPageOpensAndClosesAndEscapeOnlyThereGoesBack) {
    const auto [page, way] = GetParam();
    const bool scores = page == MenuPages::Page::Scores;
    // Options, Practice and Scores are the second row, left to right.
    const int rights = scores ? 2 : page == MenuPages::Page::Practice ? 1 : 0;
    EXPECT_EQ(CountPixels(PageTitle, TextColour, 2), 0);
    if (way == Way::Mouse) {
        Click(scores ? Layout::ScoresButton : rights == 1 ? Layout::PracticeButton : Layout::OptionsButton);
    } else if (way == Way::Keys) {
        Tap(SDLK_DOWN);
        for (int i = 0; i < rights; ++i)
            Tap(SDLK_RIGHT);
        Tap(SDLK_RETURN);
    } else {
        PadHat(SDL_HAT_DOWN);
        for (int i = 0; i < rights; ++i)
            PadHat(SDL_HAT_RIGHT);
        PadPress(0);
    }
    Run(20);
    ASSERT_TRUE(PageOpen());
    EXPECT_EQ(Scores() != nullptr, scores);
    EXPECT_GT(CountPixels(PageTitle, TextColour, 2), 30) << "no page title";
    if (scores) {  // an empty table says so, and Back is its only entry
        EXPECT_FALSE(Scores()->HasLastRun());
        EXPECT_EQ(Scores()->Chosen(), 0);
        EXPECT_GT(CountPixels({100, 240, 824, 30}, TextColour, 2), 30) << "no line for the empty table";
    }

    const bool ended = way == Way::Mouse  ? ClickOn(Layout::BackButton)
                       : way == Way::Keys ? Press(scores ? SDLK_RETURN : SDLK_ESCAPE)
                                          : PadPress(1);
    EXPECT_FALSE(ended || Run(3)) << "the game ended instead of going back";
    EXPECT_TRUE(OnButtons());
    EXPECT_EQ(CountPixels(PageTitle, TextColour, 2), 0);
    KeyDown(SDLK_ESCAPE);
    EXPECT_TRUE(Step()) << "ESC on the menu ends the game";
}

INSTANTIATE_TEST_SUITE_P(Playthrough, PageWays,
                         ::testing::Combine(::testing::Values(MenuPages::Page::Options, MenuPages::Page::Scores,
                                                              MenuPages::Page::Practice),
                                            ::testing::Values(Way::Mouse, Way::Keys, Way::Pad)),
                         WayName);

// Every row by the mouse (the value steps on round to the first word, the
// arrows step down and up and stop at the ends), then by the keys; each
// change is at work and in settings.ini at once. The dummy video driver
// cannot go full screen (the settings keys' test has its refusal), so the
// first row is only passed through.
TEST_F(MenuPagesTest, EverySettingChangedOnThePageIsInSettingsIni) {
    Click(Layout::OptionsButton);
    Click(Layout::OptionValue(1), 20);  // within 250 ms of the opening click: swallowed
    EXPECT_EQ(Keys->Current(), Settings());
    const auto& rows = OptionsPage::Rows();
    ASSERT_EQ(std::string(rows.front().Key), "fullscreen");
    const std::string file = Home / "settings.ini";
    const auto check = [&](size_t row, int expected, const char* how) {
        const Settings::Choice& choice = rows[row];
        EXPECT_EQ(choice.Get(Keys->Current()), expected) << choice.Key << " " << how;
        EXPECT_EQ(Settings::Load(file), Keys->Current()) << choice.Key << " " << how;
    };
    for (size_t row = 1; row < rows.size(); ++row) {
        const int r = static_cast<int>(row), last = static_cast<int>(rows[row].Values.size()) - 1;
        const int first = rows[row].Get(Keys->Current());
        Click(Layout::OptionValue(r));
        check(row, first == last ? 0 : first + 1, "value");
        for (int i = 0; i < 2; ++i)
            Click(Layout::OptionLeftArrow(r));
        check(row, std::max(0, (first == last ? 0 : first + 1) - 2), "left arrow");
        Click(Layout::OptionRightArrow(r));
        check(row, std::min(last, std::max(0, (first == last ? 0 : first + 1) - 2) + 1), "right arrow");
    }
    // The pointer away, the keys from the second row on: Controls and Back
    // come after the last.
    MouseTo(10, 10);
    for (int i = 0; i < 4; ++i)
        Tap(SDLK_DOWN);
    for (size_t row = 1; row < rows.size(); ++row) {
        const int last = static_cast<int>(rows[row].Values.size()) - 1;
        const int first = rows[row].Get(Keys->Current());
        Tap(SDLK_RIGHT);
        check(row, std::min(last, first + 1), "Right");
        Tap(SDLK_RETURN);
        check(row, std::min(last, first + 1) == last ? 0 : std::min(last, first + 1) + 1, "Enter");
        Tap(SDLK_DOWN);
    }
    EXPECT_TRUE(PageOpen());
    Tap(SDLK_DOWN);
    Tap(SDLK_RETURN, 2);  // on Back
    EXPECT_TRUE(OnButtons());
}

// On a 1920 x 1080 desktop only the scales whose window fits are offered,
// and a larger one from the file says what it shows. One entry is lit at a
// time: Back under a resting pointer goes dark once the keys choose a row.
TEST_F(MenuPagesTest, TheOptionsPageOffersTheScalesThatFitAndLightsOneEntry) {
    TheEngine().Window.AssumeDesktop(1920, 1080);
    Click(Layout::OptionsButton, 20);
    const SDL_Rect back{448, Layout::SecondRowTop, 128, 64};
    const uint64_t unlit = Look(back);
    MouseTo(Layout::BackButton.X, Layout::BackButton.Y);
    Run(2);
    EXPECT_NE(Look(back), unlit);
    Tap(SDLK_UP);
    EXPECT_EQ(Look(back), unlit);
    for (int i = 0; i < 2; ++i)
        Click(Layout::OptionRightArrow(1));
    EXPECT_EQ(Keys->Current().Scale, 1) << "auto, then 1, and no further";
    EXPECT_EQ(OptionsPage::Value(*Settings::Find("scale"), 3), "3x (too large here: 1x)");
}

// korvanta --replay: the run shows under the caption of a run watched again,
// and ESC goes on to the menu, where the pointer left resting lights nothing.
TEST_F(MenuPagesTest, ARunFromTheCommandLineShowsWithTheWatchCaptionThenTheMenu) {
    ReplayFile run;
    std::string why;
    ASSERT_TRUE(ReplayFile::Load(KORVANTA_SOURCE_DIR "/tests/replays/short-pause-shop.krp", run, why)) << why;
    const uint64_t playUnlit = Look(Menu()->PlayRect);
    MouseTo(Layout::PlayButton.X, Layout::PlayButton.Y);
    Run(2);
    Extras->Replay(std::move(run));
    Run(30);
    EXPECT_GT(CountPixels({262, Layout::WindowHeight - 44, 500, 24}, Gold), 30) << "no caption";
    EXPECT_FALSE(Press(SDLK_ESCAPE)) << "ESC ended the game";
    EXPECT_TRUE(OnButtons());
    EXPECT_EQ(Look(Menu()->PlayRect), playUnlit);
}

// The table shows the runs of one difficulty, first the one the player
// plays; Left and Right, or a click on the arrows beside the title, show
// another. Rows whose replay is gone or of other rules are dimmed and do
// nothing; a row that plays shows its run in the window, HUD and all,
// keeping nothing, and the scores page comes back at its end with the row
// and the difficulty chosen; ESC ends a run watched from the last run's
// entry, back to the page.
TEST_F(MenuPagesTest, AScoreRowOfTheDifficultyShownPlaysItsRunAndThePageComesBack) {
    Settings chosen = Keys->Current();
    chosen.Difficulty = Skill::Hard;
    Keys->Change(chosen);
    const std::string kept = RecordAShortRun();
    std::string bytes = TempFolder::Get(Home / ("replays/" + kept));
    bytes[6] = char(ReplayFile::GameRules + 1);
    TempFolder::Put(Home / "replays/other-rules.krp", bytes);
    TempFolder::Put(Home / "scores.txt", "900 10 won 170.2 2026-01-02 10:00:00 2026-01-02_10-00-00.krp hard\n"
                                         "800 10 lost 100.0 2026-01-03 10:00:00 other-rules.krp hard\n"
                                         "700 5 lost 3.2 2026-01-04 10:00:00 " + kept + " hard\n"
                                         "900 10 won 170.2 2026-01-02 10:00:00 - easy\n"
                                         "800 10 lost 100.0 2026-01-03 10:00:00 - easy\n");
    Keep();
    const auto before = Kept();
    chosen.Difficulty = Skill::Easy;
    Keys->Change(chosen);
    Click(Layout::ScoresButton, 20);
    ASSERT_NE(Scores(), nullptr);
    EXPECT_EQ(Scores()->Shown(), Skill::Easy);
    EXPECT_EQ(Scores()->LastRunEntry(), 2) << "the two easy runs";
    Tap(SDLK_RIGHT, 2);
    EXPECT_EQ(Scores()->Shown(), Skill::Normal);
    EXPECT_EQ(Scores()->LastRunEntry(), 0);
    EXPECT_GT(CountPixels({100, 240, 824, 30}, TextColour, 2), 30) << "no line for a difficulty without runs";
    const ScreenPoint rightArrow{Layout::ScoreSkillPicker.X + Layout::ScoreSkillPickerWidth / 2 - 5,
                                Layout::ScoreSkillPicker.Y};
    Click(rightArrow, 2);
    ASSERT_EQ(Scores()->Shown(), Skill::Hard);
    ASSERT_EQ(Scores()->LastRunEntry(), 3);
    EXPECT_EQ(Scores()->Chosen(), 2) << "the first row that plays";
    EXPECT_TRUE(Scores()->HasLastRun());
    for (int dimmed : {0, 1}) {
        Click(Layout::ScoreRow(dimmed), 2);
        EXPECT_EQ(Showing(), nullptr) << "row " << dimmed;
        EXPECT_EQ(Scores()->Chosen(), 2);
    }

    Click(Layout::ScoreRow(2), 2);
    ASSERT_NE(Showing(), nullptr);
    ASSERT_NE(Level(), nullptr);
    EXPECT_NE(Hud(), nullptr);
    EXPECT_NE(TheEngine().Watcher, &Keeper->Watcher()) << "a run watched again would be recorded";
    for (int i = 0; i < 600 && Showing() != nullptr; ++i)
        ASSERT_FALSE(Step());
    ASSERT_EQ(Showing(), nullptr) << "the run did not end";
    Run(2);
    ASSERT_NE(Scores(), nullptr) << "not back on the scores page";
    EXPECT_EQ(Scores()->Chosen(), 2);
    EXPECT_EQ(Scores()->Shown(), Skill::Hard) << "back where the run was chosen";
    EXPECT_EQ(TheEngine().Watcher, &Keeper->Watcher());

    Run(20);
    Click(Layout::LastRunEntry, 30);
    ASSERT_NE(Level(), nullptr);
    Tap(SDLK_ESCAPE);
    EXPECT_FALSE(Run(3)) << "ESC while a kept run shows ended the game";
    ASSERT_NE(Scores(), nullptr);
    EXPECT_EQ(Scores()->Chosen(), Scores()->LastRunEntry());
    Run(20);
    Click({rightArrow.X - Layout::ScoreSkillPickerWidth + 10, rightArrow.Y}, 2);
    EXPECT_EQ(Scores()->Shown(), Skill::Normal) << "the left arrow";
    EXPECT_EQ(Kept(), before) << "watching a run changed the kept files";
}

// Over a shelf of huge replays the scores page opens as fast as over an
// empty one, looking at their headers and sizes only. A row whose replay
// turns out damaged when chosen is dimmed, with a short line, and nothing
// plays; the demo reads one such run whole, not every one, and falls back
// on the run shipped with the game.
TEST_F(MenuPagesTest, HugeReplaysNeitherStallThePageNorTheDemoAndADamagedOneIsDimmedWhenChosen) {
    TempFolder::Put(Home / "scores.txt", "900 10 won 170.2 2026-01-02 10:00:00 a.krp\n"
                                         "800 10 lost 100.0 2026-01-03 10:00:00 b.krp\n"
                                         "700 5 lost 3.2 2026-01-04 10:00:00 c.krp\n");
    Keep();
    const auto opening = [this] {
        TheEngine().Input.LastLeftPress = {};  // two openings, not one double click
        Click(Layout::ScoresButton, 2);
        EXPECT_NE(Scores(), nullptr);
    };
    opening();
    Tap(SDLK_ESCAPE, 20);
    fs::create_directories(Home.Path / "replays");
    TempFolder::Put(Home / "replays/a.krp", HostileReplay(128, true));
    fs::create_hard_link(Home.Path / "replays/a.krp", Home.Path / "replays/b.krp");
    fs::create_hard_link(Home.Path / "replays/a.krp", Home.Path / "replays/c.krp");
    const auto before = Kept();
    opening();
    // Read whole, the cut-short run would be dimmed at once; by its header it plays.
    ASSERT_EQ(Scores()->Chosen(), 0) << "the header said it plays";

    const SDL_Rect note{100, Layout::ScoreNoteTop, 824, 24}, firstRow{112, Layout::ScoreRowsTop, 800, 30};
    ::testing::internal::CaptureStderr();
    Run(20);
    Click(Layout::ScoreRow(0), 2);
    EXPECT_EQ(Showing(), nullptr);
    EXPECT_GT(CountPixels(note, 0x687486), 30) << "no short line";
    EXPECT_EQ(CountPixels(firstRow, Gold), 0) << "the row is not dimmed";
    Tap(SDLK_ESCAPE, 2);
    ASSERT_NO_FATAL_FAILURE(AwaitTheDemo());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_NE(said.find("'" + Home / "replays/b.krp" + "' as the demo"), std::string::npos) << said;
    EXPECT_EQ(Kept(), before) << "a damaged run changed the kept files";
}

namespace {
enum class Ender { ClickOnPlay, Enter, Escape, PadButton, PadStart };
class DemoEnders : public MenuPagesTest, public ::testing::WithParamInterface<Ender> {};
std::string EnderName(const ::testing::TestParamInfo<Ender>& info) {
    static const char* const names[] = {"ClickOnPlay", "Enter", "Escape", "PadButton", "PadStart"};
    return names[int(info.param)];
}
}  // namespace

TEST_P(DemoEnders, TheInputThatEndsADemoDoesNothingElseAndNothingIsKept) {
    ASSERT_NO_FATAL_FAILURE(AwaitTheDemo());
    Run(30);
    bool ended = false;
    switch (GetParam()) {
    case Ender::ClickOnPlay: ended = ClickOn(Layout::PlayButton); break;
    case Ender::Enter: ended = Press(SDLK_RETURN); break;
    case Ender::Escape: ended = Press(SDLK_ESCAPE); break;
    case Ender::PadButton: ended = PadPress(0); break;
    case Ender::PadStart: ended = PadPress(7); break;
    }
    ASSERT_FALSE(ended) << "the game ended";
    for (int i = 0; i < 30; ++i) {
        // A double click's second click, 150 ms after the one that ended the demo.
        if (GetParam() == Ender::ClickOnPlay && i == 7)
            LeftDown();
        if (GetParam() == Ender::ClickOnPlay && i == 8)
            LeftUp();
        ASSERT_FALSE(Step()) << "the game ended";
        ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"}) << "frame " << i;
    }
    EXPECT_EQ(Showing(), nullptr);
    EXPECT_TRUE(OnButtons());
    EXPECT_TRUE(Kept().empty()) << "the demo left a file";
}

INSTANTIATE_TEST_SUITE_P(Playthrough, DemoEnders,
                         ::testing::Values(Ender::ClickOnPlay, Ender::Enter, Ender::Escape, Ender::PadButton,
                                           Ender::PadStart),
                         EnderName);

// After a minute alone on the menu and no sooner (a pad button that stands
// for nothing there starts the minute again) the best kept run is the demo,
// with the HUD and its caption, played at its recorded pace (a stalled
// machine catches up a few frames at a time), to its end: the menu comes
// back by itself and the minute starts again, and nothing is kept. A kept
// run that goes out of sync is stopped there and passed over: the next demo
// is the run shipped with the game.
TEST_F(MenuPagesTest, TheDemoIsTheBestKeptRunAndOneOutOfSyncIsPassedOver) {
    const std::string kept = RecordAShortRun();
    TempFolder::Put(Home / "scores.txt", "900 10 lost 3.2 2026-01-04 10:00:00 " + kept + "\n");
    Keep();
    const auto before = Kept();
    ReplayFile recorded;
    std::string why;
    ASSERT_TRUE(ReplayFile::Load(Home / ("replays/" + kept), recorded, why)) << why;

    Idle(59'900);
    PadPress(5);
    Idle(59'900);
    EXPECT_EQ(Showing(), nullptr) << "a pad button did not count as input";
    Idle(200);
    ASSERT_NE(Showing(), nullptr);
    Run(3);
    ASSERT_NE(Level(), nullptr);
    EXPECT_NE(Hud(), nullptr);
    EXPECT_GT(CountPixels({262, Layout::WindowHeight - 44, 500, 24}, Gold), 30) << "no caption";
    EXPECT_EQ(Showing()->Player().Recording().Seed, recorded.Seed);
    const uint32_t played = Showing()->Player().FramesPlayed();
    Run(30);
    EXPECT_NEAR(Showing()->Player().FramesPlayed(), played + 30, 1);
    Frame(2000);
    ASSERT_NE(Showing(), nullptr) << "a stall rushed through the run";
    EXPECT_LE(Showing()->Player().FramesPlayed(), played + 34);
    for (int i = 0; i < 600 && Showing() != nullptr; ++i)
        ASSERT_FALSE(Step());
    ASSERT_EQ(Showing(), nullptr) << "the demo did not end";
    ASSERT_NE(Menu(), nullptr);
    EXPECT_TRUE(OnButtons());
    Idle(59'900);
    EXPECT_EQ(Showing(), nullptr) << "the minute did not start again";
    EXPECT_EQ(Kept(), before) << "the demo changed the kept files";

    recorded.Checks.front().Value ^= 1;
    TempFolder::Put(Home / ("replays/" + kept), recorded.Encode());
    Idle(200);
    ASSERT_NE(Showing(), nullptr);
    Run(2);
    EXPECT_EQ(Showing()->Player().Recording().Seed, recorded.Seed);
    const uint32_t checked = recorded.Checks.front().Frame;
    for (uint32_t i = 0; i < checked + 5 && Showing() != nullptr; ++i)
        Step();
    EXPECT_EQ(Showing(), nullptr) << "the demo went on out of sync";
    Run(1);
    ASSERT_NE(Menu(), nullptr);
    ASSERT_NO_FATAL_FAILURE(AwaitTheDemo());
    EXPECT_NE(Showing()->Player().Recording().Seed, recorded.Seed) << "the run out of sync was shown again";
}

// With levels of the player's own, Play lists them after the campaign; a
// broken one is left out with its fault on stderr. A run of one is kept as a
// replay that names its file, verifies from the player's folder and is
// refused once that file says something else; it makes no score.
TEST_F(MenuPagesTest, PlayListsThePlayersLevelsAndLeavesOutABrokenOne) {
    GameProcess game;  // in Home's folder: made first, as it starts the folder afresh
    const std::string folder = Home / "korvanta/levels";
    fs::create_directories(folder);
    const std::string good = "korvanta-level 1\nname Quiet Drift\nwave 1 5 column kind=0\nwave 90 90.5 boss\n";
    TempFolder::Put(folder + "/quiet.level", good);
    TempFolder::Put(folder + "/broken.level", "korvanta-level 1\nname Broken\nwave 1 2 colum\n");
    TempFolder::Put(folder + "/notes.txt", "not a level");
    Extras.emplace(*Keys, Keeper->Scores(), Home / "replays", folder);
    TheEngine().Pages = &*Extras;

    ::testing::internal::CaptureStderr();
    ClickOn(Layout::PlayButton);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(folder + "/broken.level:3: unknown wave kind \"colum\""), std::string::npos) << said;
    ASSERT_TRUE(PageOpen()) << "no level list";
    EXPECT_EQ(Level(), nullptr);
    Press(SDLK_DOWN);  // past the campaign, to the player's only level
    Press(SDLK_RETURN);
    Run(2);
    ASSERT_NE(Level(), nullptr);
    EXPECT_EQ(Level()->Start.OwnFile, "quiet.level");
    EXPECT_EQ(Level()->Start.Plan->Name, "Quiet Drift");
    KeyDown(SDLK_SPACE);
    Run(120);
    KeyUp(SDLK_SPACE);
    Tap(SDLK_q, 10);
    Click(Layout::OverlayExitButton, 3);
    EXPECT_TRUE(Keeper->Scores().Runs().empty());

    const std::string home = "XDG_DATA_HOME='" + Home.Path.string() + "'";
    const std::string verify = "--verify '" + Home / "replays/last.krp" + "'";
    GameRun run = game.Start(home, verify);
    EXPECT_EQ(run.Status, 0) << run.Err << run.Out;
    EXPECT_NE(run.Out.find(" at level quiet.level on normal, "), std::string::npos) << run.Out;
    TempFolder::Put(folder + "/quiet.level", good + "wave 6 7 vee\n");
    run = game.Start(home, verify);
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("recorded with other game rules (the level quiet.level has changed since)"), std::string::npos)
        << run.Err;
}

namespace {
// The practice page's rows from its Start (chosen when it opens) up.
constexpr int RowsAboveStart = 6;

class PracticePageTest : public MenuPagesTest {
protected:
    // Opens the practice page as the files in Home are now, works it by
    // `keys` from the level row, then Start; the practice level put up.
    Stage1* PracticeBy(const std::vector<SDLKey>& keys) {
        Keep();
        Click(Layout::PracticeButton, 20);
        EXPECT_TRUE(PageOpen()) << "no practice page";
        for (int row = 0; row < RowsAboveStart; ++row)
            Tap(SDLK_UP);
        int down = 0;
        for (SDLKey key : keys) {
            Tap(key);
            down += key == SDLK_DOWN;
        }
        for (; down < RowsAboveStart; ++down)
            Tap(SDLK_DOWN);
        Tap(SDLK_RETURN, 2);
        return Level();
    }
};
}  // namespace

// A kept run of level 2 reaches it (level 3 stays out) and lends the ship
// its replay had at a mark it reached, rebuilt from the replay; at a mark
// past its end the ship is a middle one. So it is for a score line without
// a replay, which reaches its level too: with the cannon, the rapid fire
// and the money chosen added, full health and shield; "Restart at once"
// chosen is what the level starts with, and the setting is saved.
TEST_F(PracticePageTest, TheShipIsTheBestKeptRunsAtTheMarkOrAMiddleOneAsChosen) {
    const Loadout carried{.Money = 777, .Cannons = 5, .RapidFires = 3};  // full health and shield
    ASSERT_NE(carried, PracticeMarks::Middle(*Campaign::Get(2), 0));
    TheEngine().PushScreen(new LoadingScreen(Campaign::Start(2, carried)), "LoadingScreen");
    Run(30);
    Tap(SDLK_q, 20);
    Click(Layout::OverlayExitButton, 3);
    const std::string kept = DatedReplay();
    TempFolder::Put(Home / "scores.txt", "700 5 lost 3.2 2026-01-04 10:00:00 " + kept + " normal 2\n");

    const Stage1* level = PracticeBy({SDLK_RIGHT, SDLK_RIGHT});
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->Start.Number, 2);
    EXPECT_EQ(level->Start.FromMs, 0);
    EXPECT_EQ(level->Start.Ship, carried);
    EXPECT_EQ(TheEngine().Watcher, &Keeper->Watcher()) << "the rebuild kept the watcher";

    FreshMenu();
    level = PracticeBy({SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT});
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->Start.FromMs, PracticeMarks::StepMs);
    EXPECT_EQ(level->Start.Ship, PracticeMarks::Middle(*level->Start.Plan, PracticeMarks::StepMs));

    FreshMenu();
    // A score line at level 2 without a replay reaches it too.
    TempFolder::Put(Home / "scores.txt", "700 5 lost 3.2 2026-01-04 10:00:00 - normal 2\n");
    level = PracticeBy({SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT, SDLK_DOWN,
                        SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT});
    ASSERT_NE(level, nullptr);
    const LevelStart& start = level->Start;
    EXPECT_EQ(start.Number, 2);
    EXPECT_TRUE(start.Practice);
    EXPECT_FALSE(start.InCampaign);
    EXPECT_EQ(start.FromMs, 2 * PracticeMarks::StepMs);
    EXPECT_GE(level->Waves.LevelClock.GetTicks(), 2 * PracticeMarks::StepMs);
    Loadout ship = PracticeMarks::Middle(*start.Plan, 2 * PracticeMarks::StepMs);
    ship.Cannons += 1;
    ship.RapidFires += 2;
    ship.Money += PracticePage::MoneyStep;
    EXPECT_EQ(start.Ship, ship);
    EXPECT_EQ(start.Ship.Health, 100);
    EXPECT_EQ(start.Ship.Shield, 100);
    EXPECT_TRUE(start.RestartAtOnce);
    EXPECT_TRUE(Settings::Load(Home / "settings.ini").PracticeRestart);
}
