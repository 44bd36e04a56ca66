#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "keep/AtomicFile.h"
#include "support/TempFolder.h"

namespace {
namespace fs = std::filesystem;
using Status = AtomicFile::ReadStatus;

size_t Entries(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), {}); }
}  // namespace

TEST(AtomicFile, WritesWholeIntoNewFoldersAndNeverLeavesItsTemporaryFile) {
    TempFolder dir;
    const std::string path = dir / "a/b/scores.txt";
    std::string reason;
    ASSERT_TRUE(AtomicFile::Write(path, std::string("old\0text", 8), reason)) << reason;
    ASSERT_TRUE(AtomicFile::Write(path, "new", reason)) << reason;
    EXPECT_EQ(TempFolder::Get(path), "new");
    EXPECT_EQ(Entries(dir.Path / "a/b"), 1u);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    EXPECT_EQ(fs::status(dir.Path / "a").permissions(), fs::perms(0755));

    // The rename fails: a folder took the file's place just before it.
    AtomicFile::BeforeRename = [](const std::string& temporary) {
        fs::remove(temporary.substr(0, temporary.rfind('/')) + "/scores.txt");
        fs::create_directory(temporary.substr(0, temporary.rfind('/')) + "/scores.txt");
    };
    EXPECT_FALSE(AtomicFile::Write(path, "lost", reason));
    AtomicFile::BeforeRename = nullptr;
    EXPECT_NE(reason.find("scores.txt"), std::string::npos);
    EXPECT_EQ(Entries(dir.Path / "a/b"), 1u);

    TempFolder::Put(dir / "a/plain", "");
    for (const std::string& bad : {dir / "a/b/scores.txt", dir / "a/plain/x/y", std::string()}) {
        reason.clear();
        EXPECT_FALSE(AtomicFile::Write(bad, "x", reason)) << bad;
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_TRUE(fs::is_empty(dir.Path / "a/b/scores.txt"));
}

TEST(AtomicFile, AProcessStoppedBeforeTheRenameLeavesTheOldFileWhole) {
    TempFolder dir;
    const std::string path = dir / "settings.ini";
    TempFolder::Put(path, "old");
    const pid_t child = fork();
    if (child == 0) {
        AtomicFile::BeforeRename = [](const std::string&) { _exit(7); };
        std::string reason;
        AtomicFile::Write(path, "new", reason);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(TempFolder::Get(path), "old");
}

TEST(AtomicFile, ReadsBoundedAndTellsEachFailureApart) {
    TempFolder dir;
    TempFolder::Put(dir / "ten", "0123456789");
    mkfifo((dir / "pipe").c_str(), 0600);
    const struct {
        std::string Path;
        size_t Max;
        Status Expected;
    } cases[] = {
        {dir / "ten", 10, Status::Read},        {dir / "ten", 9, Status::TooLarge},
        {dir / "none", 10, Status::Missing},    {dir.Path.string(), 10, Status::NotRegular},
        {dir / "pipe", 10, Status::NotRegular}, {dir / "ten/x", 10, Status::Unreadable},
    };
    for (const auto& c : cases) {
        const AtomicFile::Contents got = AtomicFile::Read(c.Path, c.Max);
        EXPECT_EQ(got.Status, c.Expected) << c.Path << " " << c.Max;
        EXPECT_EQ(got.Text, c.Expected == Status::Read ? "0123456789" : "");
        EXPECT_EQ(got.Reason.empty(), c.Expected == Status::Read);
    }
}

TEST(AtomicFile, MoveAsideNeverReplacesAnOlderDamagedFile) {
    TempFolder dir;
    const std::string path = dir / "scores.txt";
    std::string reason;
    for (const std::string suffix : {".bad", ".bad.1", ".bad.2"}) {
        TempFolder::Put(path, suffix);
        EXPECT_EQ(AtomicFile::MoveAside(path, ".bad", reason), path + suffix) << reason;
    }
    EXPECT_FALSE(fs::exists(path));
    for (const std::string suffix : {".bad", ".bad.1", ".bad.2"})
        EXPECT_EQ(TempFolder::Get(path + suffix), suffix);
    EXPECT_EQ(AtomicFile::MoveAside(path, ".bad", reason), "");
    EXPECT_FALSE(reason.empty());
}
