#include "replay/ReplayShelf.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/wait.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "engine/Log.h"

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

// On a nearly full disk a run that fits once is kept under its date and as
// the last run, so the score can name it; one that does not fit at all costs
// one warning, and the last run is never an older one. The disk is a small
// tmpfs in the mount namespace of a child process, which goes with it; where
// the child may not mount, a limit on the size of every file it writes.
TEST(ReplayShelf, ANearlyFullDiskNeverOrphansARunNorShowsAnOlderOneAsTheLast) {
    TempFolder home;
    const std::string folder = home / "replays";
    std::filesystem::create_directories(folder);
    const pid_t child = fork();
    if (child == 0) {
        const size_t room = 12 * 1024;
        struct statvfs disk;
        if (unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") == 0 && statvfs(folder.c_str(), &disk) == 0) {
            TempFolder::Put(folder + "/filler", std::string(disk.f_bavail * disk.f_frsize - room, 'f'));
        } else {
            const rlimit most{room, room};
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &most);
        }
        ReplayShelf shelf(folder);
        const std::string fits(8 * 1024, 'a');
        const std::string kept = shelf.Keep(fits, 1796000000);
        const bool keptBoth = !kept.empty() && TempFolder::Get(folder + "/" + kept) == fits &&
                              TempFolder::Get(folder + "/last.krp") == fits;
        const int warnings = Log::WarningCount();
        const bool refused = shelf.Keep(std::string(20 * 1024, 'b'), 1796000100).empty();
        _exit((keptBoth ? 0 : 1) | (TempFolder::Get(folder + "/last.krp") == fits ? 2 : 0) | (refused ? 0 : 4) |
              (Log::WarningCount() == warnings + 1 ? 0 : 8));
    }
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_FALSE(WEXITSTATUS(status) & 1) << "a run that fits once is not kept under its date and as the last";
    EXPECT_FALSE(WEXITSTATUS(status) & 2) << "the last run is an older one";
    EXPECT_FALSE(WEXITSTATUS(status) & 4) << "a run that does not fit was named";
    EXPECT_FALSE(WEXITSTATUS(status) & 8) << "not one warning for a run that could not be kept";
}
