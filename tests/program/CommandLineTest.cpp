#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "levels/Campaign.h"
#include "levels/PracticeMarks.h"
#include "program/CommandLine.h"
#include "replay/ReplayFile.h"
#include "support/GameProcess.h"

namespace {
using Action = CommandLine::Action;

CommandLine::Choice Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "korvanta");
    return CommandLine::Parse(static_cast<int>(args.size()), args.data());
}
}  // namespace

TEST(CommandLine, UsageErrorsAreOneLineWithAHintAndStatusTwo) {
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{"--bogus"}, "unrecognized option '--bogus'"},
        {{"-hV"}, "invalid option '-hV'"},
        {{"--replay"}, "option '--replay' requires an argument"},
        {{"--verify="}, "option '--verify' requires an argument"},
        {{"--mute=yes"}, "option '--mute' doesn't allow an argument"},
        {{"--frames", "0"}, "option '--frames' needs a positive whole number, not '0'"},
        {{"--frames=12x"}, "option '--frames' needs a positive whole number, not '12x'"},
        {{"--frames=9223372036854775808"},
         "option '--frames' needs a positive whole number, not '9223372036854775808'"},
        {{"level2"}, "unexpected argument 'level2'"},
        {{"-"}, "unexpected argument '-'"},
        {{"--", "--mute"}, "unexpected argument '--mute'"},
        {{"--replay", "a", "--verify", "b"}, "options '--replay' and '--verify' cannot be used together"},
        {{"--windowed", "--fullscreen"}, "options '--fullscreen' and '--windowed' cannot be used together"},
        {{"--bogus", "--help"}, "unrecognized option '--bogus'"},
        {{"--speed", "55"}, "option '--speed' takes 100, 90, 80, 70, 60 or 50, not '55'"},
        {{"--start-at", "-1"}, "option '--start-at' needs whole seconds, not '-1'"},
        {{"--take-over", "86401", "--replay", "a"}, "option '--take-over' needs whole seconds, not '86401'"},
        {{"--take-over", "60"}, "option '--take-over' needs '--replay FILE'"},
        {{"--start-at", "10", "--replay", "a"}, "options '--start-at' and '--replay' cannot be used together"},
        {{"--difficulty", "brutal"}, "option '--difficulty' takes easy, normal or hard, not 'brutal'"},
        {{"--difficulty"}, "option '--difficulty' requires an argument"},
        {{"--difficulty=hard", "--verify", "a"}, "options '--verify' and '--difficulty' cannot be used together"},
        {{"--language", "pt"}, "option '--language' takes system, en, fr, de, es or ru, not 'pt'"},
    };
    for (const auto& [args, message] : cases) {
        const CommandLine::Choice got = Parse(args);
        EXPECT_EQ(got.Do, Action::UsageError) << message;
        EXPECT_EQ(got.ExitStatus, 2);
        EXPECT_EQ(got.Error, std::string("korvanta: ") + message + " (try 'korvanta --help')\n");
    }
}

// The real program, with no display at hand: what only prints answers and
// exits, and a usage error exits 2 without reaching for a window at all.
TEST(CommandLineProgram, AnswersWithTheRightStatusAndOpensNoWindowForAMistake) {
    GameProcess game;
    const struct {
        const char* Args;
        int Status;
        const char* Says;  // on stdout for status 0, on stderr otherwise
    } cases[] = {
        {"--help", 0, "Usage: korvanta [OPTION]..."},
        {"--version", 0, "korvanta "},
        {"--scores", 0, "No scores yet."},
        {"--bogus", 2, "unrecognized option '--bogus' (try 'korvanta --help')"},
        {"--replay missing.krp", 1, "cannot use replay 'missing.krp': no such file"},
        {R"x(--verify "$(printf 'a\033[2J\nb.krp')")x", 1, R"(cannot use replay 'a\x1b[2J\nb.krp': no such file)"},
    };
    for (const auto& c : cases) {
        const GameRun run = game.Start("SDL_VIDEODRIVER=x11 DISPLAY= XDG_DATA_HOME=" + game.Path.string(), c.Args);
        EXPECT_EQ(run.Status, c.Status) << c.Args << ": " << run.Err;
        const std::string& said = c.Status == 0 ? run.Out : run.Err;
        EXPECT_NE(said.find(c.Says), std::string::npos) << c.Args << ": " << said;
        if (c.Status != 0) {
            EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << c.Args << ": " << run.Err;
        }
    }
}

// --start-at flies what the best kept run had at the mark (won.krp reaches
// the boss with six cannons, one rapid fire and 299 credits), and a middle
// ship for a level no kept run has played.
TEST(CommandLineProgram, PracticeStartsWithTheBestKeptRunsShip) {
    GameProcess game;
    const std::filesystem::path kept = game / "korvanta";
    std::filesystem::create_directories(kept / "replays");
    std::filesystem::copy_file(KORVANTA_SOURCE_DIR "/tests/replays/won.krp", kept / "replays/won.krp");
    game.Put(kept / "scores.txt", "100 1 lost 20.0 2026-12-01 09:00:00 x.krp normal 1\n"
                                  "8900 1 won 185.2 2026-12-01 10:00:00 won.krp normal 1\n");
    const struct {
        const char* Args;
        int Second;
        Loadout Ship;
    } cases[] = {
        {"--start-at 160", 160, {.Money = 299, .Cannons = 6, .RapidFires = 1}},
        {"--level 2 --start-at 60", 60, PracticeMarks::Middle(*Campaign::Get(2), 60000)},
    };
    for (const auto& c : cases) {
        const GameRun run = game.Start("XDG_DATA_HOME=" + game.Path.string(), c.Args + std::string(" --frames 5"));
        ASSERT_EQ(run.Status, 0) << run.Err;
        ReplayFile practice;
        std::string why;
        ASSERT_TRUE(ReplayFile::Load(kept / "replays/last.krp", practice, why)) << why;
        EXPECT_EQ(practice.FromMs, c.Second * 1000);
        EXPECT_EQ(practice.Ship.Cannons, c.Ship.Cannons) << c.Args;
        EXPECT_EQ(practice.Ship.RapidFires, c.Ship.RapidFires) << c.Args;
        EXPECT_EQ(practice.Ship.Money, c.Ship.Money) << c.Args;
    }
}
