#include <iterator>

#include "program/ProgramSession.h"
#include "support/Events.h"

// What outlives a run and what plays around it, through SDL's queue and the
// main loop's pump: runs kept as replays and best scores, the best score on
// the menu and "New best score!" on the overlay, the settings keys, and the
// game pad as the keys and clicks it stands for.
namespace {
class PlayerKeeps : public ProgramSession {
protected:
    // Shoots a mine placed in front of the ship until it is gone: 50 points.
    void ScoreAKill() {
        Spawn<TheFoo>(700.0f, PlayerShip()->CentreY() - 32, 0);
        KeyDown(SDLK_SPACE);
        for (int i = 0; i < 180 && CountOf<TheFoo>() > 0; ++i)
            Step();
        KeyUp(SDLK_SPACE);
        Step();
    }
    void Stick(Uint8 axis, Sint16 value) { Send(Events::Axis(axis, value)); }
};
}  // namespace

TEST_F(PlayerKeeps, AReplayThatCannotBeWrittenCostsAWarningNotTheGame) {
    TempFolder::Put(Home / "replays", "a file where the folder should be");
    RunKeeper& keeper = Keep();
    StartLevel(20);
    ScoreAKill();
    ::testing::internal::CaptureStderr();
    EndTheRun();
    Click(Layout::ReplayButton, 10);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot keep the replay"), std::string::npos) << said;
    ASSERT_NE(Level(), nullptr) << "the game went on";
    EXPECT_EQ(keeper.Scores().Best()->Replay, "") << "the score is kept without its replay";
}

// A new scale or full screen from the options opens the window anew at
// once and lands in settings.ini; F11 goes full screen at the desktop's
// size and back to the window at the chosen scale; full screen the driver
// refuses is saved as off and the game plays on in its window.
TEST_F(PlayerKeeps, WindowSettingsOpenTheWindowAtOnceAndAreSaved) {
    SettingsKeys& keys = UseKeys(Settings());
    TheEngine().Window.AssumeDesktop(2560, 1440);
    StartLevel();
    keys.Apply();
    EXPECT_EQ(DisplaySurface->w, 2048) << "auto: the largest scale that fits 2560 x 1440";
    Settings next = keys.Current();
    next.Scale = 3;
    next.Smooth = true;
    keys.Change(next);
    EXPECT_EQ(DisplaySurface->w, 2048) << "scale 3 is larger than the desktop";
    next.Scale = 1;
    keys.Change(next);
    EXPECT_EQ(DisplaySurface->w, 1024);
    EXPECT_EQ(TheEngine().Surface, DisplaySurface);
    EXPECT_EQ(Settings::Load(Home / "settings.ini"), next) << "scale 1, smooth";

    Tap(SDLK_F11);
    ASSERT_TRUE(DisplaySurface->flags & SDL_FULLSCREEN);
    EXPECT_GT(CountPixels({262, Layout::NoticeTop, 500, 24}, Gold), 30) << "no notice in the level";
    EXPECT_EQ(DisplaySurface->w, 2560);
    EXPECT_EQ(DisplaySurface->h, 1440);
    EXPECT_TRUE(TheEngine().Window.Smooth()) << "2.4 times, smooth as chosen";
    EXPECT_TRUE(Settings::Load(Home / "settings.ini").Fullscreen);
    Run(5);
    EXPECT_NE(Level(), nullptr) << "the level plays on";
    Tap(SDLK_F11);
    EXPECT_FALSE(DisplaySurface->flags & SDL_FULLSCREEN);
    EXPECT_EQ(DisplaySurface->w, 1024);
    EXPECT_FALSE(Settings::Load(Home / "settings.ini").Fullscreen);

    // A driver that cannot tell (its warning, given once a run, is held by
    // the test above on the dummy driver of classic SDL 1.2).
    TheEngine().Window.AssumeDesktop(0, 0);
    Tap(SDLK_F11);
    EXPECT_FALSE(keys.Current().Fullscreen);
    EXPECT_FALSE(Settings::Load(Home / "settings.ini").Fullscreen);
    EXPECT_EQ(DisplaySurface->w, 1024);
    Run(5);
    EXPECT_NE(Level(), nullptr);
}

// A difficulty (or full screen) given for one run plays until the player
// chooses another and never reaches settings.ini. Every run is kept on the
// shelf under its date and time (the last one as last.krp too) and in the
// score table; the menu shows the best score of the difficulty Play would
// start, and "New best score!" compares a run with the runs of its own
// difficulty only.
TEST_F(PlayerKeeps, RunsAreKeptAndTheBestScoresAreOfOneDifficultyChosenForOneRunOrSaved) {
    const SDL_Rect newBest{262, Layout::NewBestTop, 500, 35}, bestLine{312, Layout::BestScoreTop, 400, 25};
    const std::string path = Home / "settings.ini";
    Settings saved;
    saved.Fullscreen = true;
    UseKeys(saved);
    Settings thisRun = saved;
    thisRun.Fullscreen = false;  // --windowed
    thisRun.Difficulty = Skill::Hard;
    Keys->PlayThisRun(thisRun);
    Keys->Apply();
    const RunKeeper& keeper = Keep();
    uint32_t played = 0;
    auto play = [&](int kills, bool newBestShown) {
        Click(Layout::PlayButton, 20);
        ASSERT_NE(Level(), nullptr);
        for (int k = 0; k < kills; ++k)
            ScoreAKill();
        EndTheRun();
        played = LevelTime();
        EXPECT_EQ(CountPixels(newBest, Gold, 2) > 30, newBestShown) << kills << " kills";
        Click(Layout::OverlayExitButton, 3);
        ASSERT_NE(Menu(), nullptr);
    };
    Run(2);
    const int hardNamed = CountPixels(bestLine, TextColour);
    EXPECT_GT(hardNamed, 50) << "hard is named before it has a best score";
    play(1, true);
    ASSERT_EQ(keeper.Scores().Runs().size(), 1u);
    EXPECT_EQ(keeper.Scores().Runs()[0].Difficulty, Skill::Hard);
    const int hardLine = CountPixels(bestLine, TextColour);
    EXPECT_GT(hardLine, hardNamed) << "no best hard score on the menu";

    Tap(SDLK_F9);  // saves the settings, with the difficulty the player chose
    EXPECT_EQ(Settings::Load(path).Difficulty, Skill::Normal);
    EXPECT_TRUE(Settings::Load(path).Fullscreen) << "--windowed is for this run only";
    EXPECT_EQ(Keys->Current().Difficulty, Skill::Hard);

    Settings next = Keys->Current();
    next.Difficulty = Skill::Normal;
    Keys->Change(next);
    Run(2);
    EXPECT_EQ(CountPixels(bestLine, TextColour), 0) << "no normal run kept yet";
    play(1, true);  // the same score as the hard run, the first normal one
    EXPECT_GT(CountPixels(bestLine, TextColour), 50);
    EXPECT_LT(CountPixels(bestLine, TextColour), hardLine) << "\"Best score: 50\" is shorter";
    play(1, false);  // no better than the normal one
    play(2, true);
    const uint32_t bestPlayed = played;

    next.Difficulty = Skill::Easy;
    Keys->Change(next);
    EXPECT_EQ(Settings::Load(path).Difficulty, Skill::Easy) << "a difficulty chosen is saved";
    play(1, true);  // no better than the others, but the first easy one
    const std::string table = TempFolder::Get(Home / "scores.txt");
    EXPECT_NE(table.find(" hard 1\n"), std::string::npos) << table;
    EXPECT_NE(table.find(" normal 1\n"), std::string::npos) << table;
    EXPECT_NE(table.find("\n100 "), std::string::npos) << table;
    EXPECT_NE(table.find(" lost "), std::string::npos) << table;
    ASSERT_EQ(keeper.Scores().Runs().size(), 5u);
    const ScoreTable::Run* best = keeper.Scores().Best(Skill::Normal);
    ASSERT_NE(best, nullptr);
    EXPECT_EQ(best->Score, 100);
    EXPECT_EQ(best->Tenths, bestPlayed / 100);

    const std::filesystem::path shelf = Home.Path / "replays";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shelf), {}), 6);
    EXPECT_TRUE(std::filesystem::is_regular_file(shelf / best->Replay)) << best->Replay;
    ReplayFile last;
    std::string why;
    ASSERT_TRUE(ReplayFile::Load(Home / "replays/last.krp", last, why)) << why;
    EXPECT_EQ(last.Score, 50) << "the easy run came last";
}

// Where the player is decides what a button stands for: Play on the menu,
// the cannon in the level, Exit on the pause overlay.
TEST_F(PlayerKeeps, ThePadPlaysAsTheKeysAndClicksItStandsFor) {
    Gamepad pad;
    TheEngine().Pad = &pad;
    Run(2);
    PadPress(0);
    ASSERT_NE(Level(), nullptr) << "button 0 did not start the level";
    Stick(0, 20000);  // right: accelerate
    Stick(1, -30000);  // and up
    PadButton(0, true);  // fire, held
    Run(20);
    const EveHandler& input = TheEngine().Input;
    EXPECT_TRUE(input.IsKeyHeld(SDLK_d) && input.IsKeyHeld(SDLK_w) && input.IsKeyHeld(SDLK_SPACE));
    EXPECT_GT(CountOf<RedBullet>(), 0);
    PadPress(7);  // Start pauses
    ASSERT_TRUE(GamePaused);
    PadPress(1);
    EXPECT_NE(Menu(), nullptr) << "button 1 on the pause overlay did not choose Exit";
}
