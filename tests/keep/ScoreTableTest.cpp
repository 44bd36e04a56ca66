#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "engine/Log.h"
#include "keep/ScoreTable.h"
#include "support/TempFolder.h"

namespace {
namespace fs = std::filesystem;
using ScoreRun = ScoreTable::Run;

ScoreRun Scored(long long score, Skill skill = Skill::Normal, const std::string& replay = "") {
    return {score, 10, ScoreTable::Outcome::Lost, 95, "2024-02-29 23:59:60", replay, skill};
}

std::vector<long long> Scores(const ScoreTable& table) {
    std::vector<long long> scores;
    for (const ScoreRun& run : table.Runs())
        scores.push_back(run.Score);
    return scores;
}
}  // namespace

// Lines written before the game had difficulties end with the replay: those
// runs were played on normal, and lines without a level at level 1 of a
// campaign. Every line now says both. A level played on its own is no
// campaign run: it never makes the best score.
TEST(ScoreTable, ParsesHandWrittenFilesOfEveryAgeSortedAndCutToTheTenBestOfEachDifficulty) {
    std::string text =
        "# score money outcome seconds date time replay\r\n\n  70\t12  WON 160.05 2024-05-01 20:15:03 first\r\n";
    for (int score : {5, 30, 1, 2, 3, 4, 6, 7, 8, 9})
        text += std::to_string(score) + " 12 lost 1 2024-05-01 20:15:03 -\n";
    text += "  # comment\n70 0 left 0.0 2000-02-29 00:00:00 second \n"
            "75 1 won 9.0 2024-01-31 10:00:00 new.krp HARD\n"
            "60 1 lost 9.0 2024-01-31 10:00:00 - easy 3\n"
            "90 1 lost 9.0 2024-01-31 10:00:00 - hard 2-alone\n";
    const ScoreTable table = ScoreTable::Parse(text);
    EXPECT_TRUE(table.Damaged().empty());
    EXPECT_EQ(Scores(table), (std::vector<long long>{90, 75, 70, 70, 60, 30, 9, 8, 7, 6, 5, 4, 3}));
    EXPECT_EQ(table.Runs()[2], (ScoreRun{70, 12, ScoreTable::Outcome::Won, 1600, "2024-05-01 20:15:03", "first"}));
    EXPECT_EQ(table.Runs()[3].Replay, "second");
    EXPECT_EQ(table.Runs()[5].Replay, "");
    EXPECT_EQ(table.Runs()[1].Difficulty, Skill::Hard);
    EXPECT_EQ(table.Runs()[4].Difficulty, Skill::Easy);
    EXPECT_EQ(table.Runs()[4].Level, 3);
    EXPECT_EQ(table.Runs()[0].Level, 2);
    EXPECT_TRUE(table.Runs()[0].Alone && !table.Runs()[1].Alone);
    EXPECT_EQ(table.BestScore("hard"), 75) << "a level played alone is no campaign run";
    EXPECT_EQ(ScoreTable::Parse(table.Text()), table);
    EXPECT_EQ(ScoreTable::Parse("1 0 left 0 1999-12-31 00:00:00 -").Text(),
              "# score money outcome seconds date time replay difficulty level\n"
              "1 0 left 0.0 1999-12-31 00:00:00 - normal 1\n");

    for (const auto& [line, fault] :
         {std::pair{"a.krp brutal", "unknown difficulty 'brutal'"}, {"a.krp hard x", "bad level 'x'"},
          {"a.krp hard 0", "bad level '0'"}, {"a.krp hard 2-solo", "bad level '2-solo'"},
          {"a.krp hard 100", "bad level '100'"}, {"a.krp hard 1 x", "too many fields"}}) {
        const ScoreTable damaged = ScoreTable::Parse(std::string("1 2 won 3.0 2024-01-31 10:00:00 ") + line);
        ASSERT_EQ(damaged.Damaged().size(), 1u);
        EXPECT_EQ(damaged.Damaged()[0].Problem, fault);
    }
}

// A damaged line is left out and named; the good ones around it stay, whatever
// the line ends (CR alone from an old editor counts as one).
TEST(ScoreTable, EachDamagedLineIsLeftOutAndNamedAndTheGoodOnesStay) {
    const std::string good = "1 2 won 3.0 2024-01-31 10:00:00 a.kvr";
    for (const std::string& bad : std::vector<std::string>{
             "x 2 won 3.0 2024-01-31 10:00:00 a.kvr", "-1 2 won 3.0 2024-01-31 10:00:00 a.kvr",
             "1 -2 won 3.0 2024-01-31 10:00:00 a.kvr", "1 2 draw 3.0 2024-01-31 10:00:00 a.kvr",
             "1 2 won 3. 2024-01-31 10:00:00 a.kvr", "1 2 won 3.0 2023-02-29 10:00:00 a.kvr", "1 2 won 3.0 1900-02-29 10:00:00 a.kvr",
             "1 2 won 3.0 2024-01-31 24:00:00 a.kvr", "1 2 won 3.0 2024-1-31 10:00:00 a.kvr",
             "1 2 won 3.0 2024-01-31 10:00:00", "1 2 won 3.0 2024-01-31 10:00:00 a.kvr b",
             "1 2 won 3.0 2024-01-31 10:00:00 ../a.kvr", "1 2 won 3.0 2024-01-31 10:00:00 a\x1b[2J",
             "1 2 won 3.0 2024-01-31 10:00:00 " + std::string(300, 'a'),
             "1234567890123456789 2 won 3.0 2024-01-31 10:00:00 -"}) {
        const ScoreTable table = ScoreTable::Parse("# header\r" + good + "\r" + bad + "\r" + good);
        EXPECT_EQ(table.Runs().size(), 2u) << bad;
        ASSERT_EQ(table.Damaged().size(), 1u) << bad;
        EXPECT_EQ(table.Damaged()[0].Number, 3) << bad;
        EXPECT_EQ(table.Damaged()[0].Text, bad);
        EXPECT_EQ(table.Damaged()[0].Problem.find('\x1b'), std::string::npos);
    }
}

// Runs of one difficulty never push those of another out of the table, and
// a best score is always the best of one difficulty.
TEST(ScoreTable, AddKeepsTheTenBestOfEachDifficultyWithEarlierRunsAheadOnTies) {
    ScoreTable table;
    EXPECT_TRUE(table.IsNewBest(1, Skill::Hard));
    EXPECT_FALSE(table.IsNewBest(0, Skill::Normal));
    EXPECT_FALSE(table.Add(Scored(0)));
    ScoreRun run = Scored(5);
    run.When = "yesterday";
    EXPECT_FALSE(table.Add(run));
    run.When = ScoreTable::Timestamp(1700000000);
    EXPECT_TRUE(ScoreTable::IsValid(run)) << run.When;
    for (long long score : {50, 10, 90, 20, 30, 40, 60, 70, 80, 100}) {
        EXPECT_TRUE(table.Add(Scored(score)));
        EXPECT_TRUE(table.Add(Scored(score / 10, Skill::Hard)))
            << "below every normal run, but among the best hard ones";
    }
    EXPECT_FALSE(table.Add(Scored(10)));  // only ties the lowest
    EXPECT_FALSE(table.Add(Scored(1, Skill::Hard)));
    EXPECT_TRUE(table.Add(Scored(50, Skill::Normal, "later.kvr")));
    EXPECT_TRUE(table.Add(Scored(11, Skill::Hard)));
    EXPECT_TRUE(table.Add(Scored(500, Skill::Easy)));
    EXPECT_EQ(Scores(table),
              (std::vector<long long>{500, 100, 90, 80, 70, 60, 50, 50, 40, 30, 20, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    EXPECT_EQ(table.Runs()[7].Replay, "later.kvr");

    EXPECT_EQ(table.Best()->Score, 500);
    EXPECT_EQ(table.Best(Skill::Hard)->Score, 11);
    EXPECT_FALSE(table.IsNewBest(100, Skill::Normal));
    EXPECT_TRUE(table.IsNewBest(101, Skill::Normal));
    EXPECT_TRUE(table.IsNewBest(12, Skill::Hard));
    const BestScores& screens = table;
    EXPECT_EQ(screens.BestScore("hard"), 11);
    EXPECT_TRUE(screens.IsNewBest(101, "normal"));
    EXPECT_FALSE(screens.IsNewBest(101, "easy"));
}

// Loading never changes the file: damaged lines cost one warning naming
// them and the good runs stay. The first save copies them aside once, next
// to older copies; a file that is no table is moved aside whole.
TEST(ScoreTable, DamagedLinesAreLeftOutNamedAndCopiedAsideOnceAtTheFirstSave) {
    TempFolder dir;
    const std::string path = dir / "scores.txt";
    std::string text = "# fourteen runs\n";
    for (int i = 1; i <= 14; ++i)
        text += std::to_string(i * 10) + " 1 won 9.0 2024-0" + (i == 5 ? "2-30" : "1-31") + " 10:00:00 - easy\n";
    TempFolder::Put(path, text);
    TempFolder::Put(path + ".bad", "older");
    ::testing::internal::CaptureStderr();
    ScoreTable table = ScoreTable::Load(path);
    EXPECT_EQ(table.Runs().size(), 10u) << "the ten best easy runs of thirteen";
    EXPECT_EQ(TempFolder::Get(path), text) << "loading changed the file";
    ASSERT_TRUE(table.Add(Scored(7)));
    ASSERT_TRUE(table.Save(path));
    ASSERT_TRUE(table.Save(path));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("line 6 of '" + path + "' is damaged (bad date '2024-02-30 10:00:00')"), std::string::npos)
        << said;
    EXPECT_NE(said.find("copied line 6 of '" + path + "' to '" + path + ".bad.1'"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_NE(TempFolder::Get(path + ".bad.1").find("\n50 1 won 9.0 2024-02-30 10:00:00 - easy\n"), std::string::npos);
    EXPECT_EQ(ScoreTable::Load(path).Runs(), table.Runs());

    const std::string noTable = std::string(ScoreTable::MaxFileBytes + 1, '#');
    TempFolder::Put(path, noTable);
    table = ScoreTable::Load(path);
    ASSERT_TRUE(table.Runs().empty() && table.Add(Scored(7)) && table.Save(path));
    EXPECT_EQ(TempFolder::Get(path + ".bad.2"), noTable);
    EXPECT_EQ(ScoreTable::Load(path).Runs(), table.Runs());
}

// Root may read any file, so the unreadable one is tried as nobody.
TEST(ScoreTable, NeverSavesOverAFileItCouldNotRead) {
    TempFolder dir;
    const std::string path = dir / "scores.txt", kept = "1 0 won 1.0 2024-01-01 00:00:00 -\n";
    TempFolder::Put(path, kept);
    chmod(path.c_str(), 0200);
    const pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && (chown(dir.Path.c_str(), 65534, 65534) != 0 || chown(path.c_str(), 65534, 65534) != 0 ||
                              setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        const int warnings = Log::WarningCount();
        ScoreTable table = ScoreTable::Load(path);
        const bool refused = table.Runs().empty() && table.Add(Scored(9)) && !table.Save(path);
        _exit(refused && Log::WarningCount() == warnings + 2 ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TempFolder::Get(path), kept);
}

// One ranked table a difficulty that has runs, normal first.
TEST(ScoreTable, FormatRanksEachDifficultyApartInAlignedColumns) {
    EXPECT_EQ(ScoreTable().Format(), "No scores yet.\n");
    ScoreTable table;
    ScoreRun hard = Scored(900, Skill::Hard);
    hard.Level = 3;
    hard.Alone = true;
    for (const ScoreRun& run : {hard, Scored(123456, Skill::Normal, "run.kvr"), Scored(8, Skill::Easy),
                                Scored(7)})
        table.Add(run);
    EXPECT_EQ(table.Format(), "Normal\n"
                              "#   Score  Money  Outcome  Level  Seconds  Date                 Replay\n"
                              "1  123456     10  lost     1          9.5  2024-02-29 23:59:60  run.kvr\n"
                              "2       7     10  lost     1          9.5  2024-02-29 23:59:60  -\n"
                              "\n"
                              "Easy\n"
                              "#  Score  Money  Outcome  Level  Seconds  Date                 Replay\n"
                              "1      8     10  lost     1          9.5  2024-02-29 23:59:60  -\n"
                              "\n"
                              "Hard\n"
                              "#  Score  Money  Outcome  Level    Seconds  Date                 Replay\n"
                              "1    900     10  lost     3-alone      9.5  2024-02-29 23:59:60  -\n");
}
