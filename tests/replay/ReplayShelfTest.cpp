#include "replay/ReplayShelf.h"

#include <filesystem>
#include <set>

#include "support/TempFolder.h"

// The shelf keeps the last run and the newest fifty dated ones, never
// overwrites a run of the same second, and leaves other files alone.
TEST(ReplayShelf, KeepsTheLastRunAndTheNewestFiftyDatedOnes) {
    TempFolder home;
    ReplayShelf shelf(home / "replays");
    std::filesystem::create_directories(home.Path / "replays");
    for (int day = 1; day <= 28; ++day)
        for (const char* hour : {"08", "20"})
            TempFolder::Put(home / ("replays/2026-11-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "_" +
                                    hour + "-00-00.krp"),
                            "old");
    TempFolder::Put(home / "replays/notes.txt", "mine");

    const std::time_t when = 1796000000;  // in 2026-12
    const std::string first = shelf.Keep("run one", when), second = shelf.Keep("run two", when);
    EXPECT_NE(first, second) << "two runs in one second";
    std::set<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(home.Path / "replays"))
        kept.insert(entry.path().filename().string());
    EXPECT_EQ(kept.size(), ReplayShelf::Kept + 2);  // with last.krp and notes.txt
    EXPECT_TRUE(kept.count("notes.txt") && kept.count(first) && kept.count(second));
    EXPECT_FALSE(kept.count("2026-11-01_08-00-00.krp")) << "the oldest stays";
    EXPECT_TRUE(kept.count("2026-11-28_20-00-00.krp"));
    EXPECT_EQ(TempFolder::Get(home / "replays/last.krp"), "run two");
    EXPECT_EQ(TempFolder::Get(home / ("replays/" + first)), "run one");

    // Of two runs kept in one second, the one kept first is the older.
    for (int i = 0; i < static_cast<int>(ReplayShelf::Kept) - 1; ++i)
        shelf.Keep("newer", when + 60 + i);
    EXPECT_FALSE(std::filesystem::exists(home.Path / "replays" / first));
    EXPECT_TRUE(std::filesystem::exists(home.Path / "replays" / second));
}
