#include <iterator>

#include "program/ProgramSession.h"

// What outlives a run and what plays around it, through SDL's queue and the
// main loop's pump: runs kept as replays and best scores, the best score on
// the menu and "New best score!" on the overlay and the settings keys.
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
