#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/GameProcess.h"

// The recorded runs kept in tests/replays, and the demo the game ships in
// dist/demos, must still play back exactly as they were recorded, to the
// same ending: a change in what any frame does to the world (a rule, the
// order of the random draws, a float) shows up as a desync, another ending
// or a refused file.
namespace {
const char* const HowToRecordAgain =
    "If the rules of play changed on purpose, bump ReplayFile::GameRules in src/replay/ReplayFile.h and record the "
    "fixtures and the demo again: cmake --build build/release --target korvanta_record_fixtures && "
    "build/release/tools/fixtures/korvanta_record_fixtures tests/replays && "
    "build/release/tools/fixtures/korvanta_record_fixtures dist/demos demo";
}  // namespace

TEST(FixtureReplays, EachRecordedRunPlaysBackInSyncToItsEnding) {
    const std::pair<const char*, const char*> fixtures[] = {{"tests/replays/lost-at-boss.krp", "lost"},
                                                            {"tests/replays/won.krp", "won"},
                                                            {"tests/replays/short-pause-shop.krp", "lost"},
                                                            {"dist/demos/demo.krp", "won"}};
    GameProcess game;
    for (const auto& [path, ending] : fixtures) {
        // Given by its bare name, as a player names a file on the command line.
        const std::string file = std::filesystem::path(path).filename();
        std::filesystem::copy_file(std::string(KORVANTA_SOURCE_DIR "/") + path, game / file);
        const GameRun run = game.Start("", "--verify '" + file + "'");
        const std::string why =
            std::string(path) + " no longer plays as recorded:\n" + run.Out + run.Err + HowToRecordAgain;
        EXPECT_EQ(run.Status, 0) << why;
        EXPECT_NE(run.Out.find(", in sync"), std::string::npos) << why;
        EXPECT_NE(run.Out.find(std::string(", ") + ending + ", "), std::string::npos) << why;
    }
}
