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

// A save through a symbolic link (relative, in a chain, or to a file not
// made yet) replaces the file at its end, in that file's folder, and the
// links stay, as they do when that file is moved aside. A loop is refused.
TEST(AtomicFile, WritesThroughSymbolicLinksAndTheLinksStay) {
    TempFolder dir;
    fs::create_directories(dir.Path / "config");
    fs::create_directories(dir.Path / "dotfiles");
    fs::create_symlink("../dotfiles/settings.ini", dir.Path / "config/settings.ini");
    fs::create_symlink(dir.Path / "config/settings.ini", dir.Path / "chain.ini");
    fs::create_symlink("dotfiles/new.ini", dir.Path / "dangling.ini");
    fs::create_symlink("loop", dir.Path / "loop");
    std::string reason;
    for (const char* name : {"config/settings.ini", "chain.ini", "dangling.ini"})
        ASSERT_TRUE(AtomicFile::Write(dir / name, name, reason)) << reason;
    EXPECT_FALSE(AtomicFile::Write(dir / "loop", "x", reason));
    EXPECT_EQ(TempFolder::Get(dir / "dotfiles/settings.ini"), "chain.ini");
    EXPECT_EQ(TempFolder::Get(dir / "dotfiles/new.ini"), "dangling.ini");
    EXPECT_FALSE(AtomicFile::MoveAside(dir / "chain.ini", ".bad", reason).empty()) << reason;
    EXPECT_EQ(TempFolder::Get(dir / "dotfiles/settings.ini.bad"), "chain.ini");
    for (const char* name : {"config/settings.ini", "chain.ini", "dangling.ini", "loop"})
        EXPECT_TRUE(fs::is_symlink(dir.Path / name)) << name;
    EXPECT_EQ(Entries(dir.Path / "dotfiles"), 2u);
}

// What a write cut short leaves is its file's name between a dot and six
// letters or digits; only those go, beside the file a link leads to.
TEST(AtomicFile, RemovesOnlyTheLeftoversOfItsOwnWrites) {
    TempFolder dir;
    fs::create_directories(dir.Path / "dotfiles/.settings.ini.Qw12Er");
    fs::create_symlink("dotfiles/settings.ini", dir.Path / "settings.ini");
    for (const char* kept : {"settings.ini", ".settings.ini.Ab12C", ".settings.ini.Ab_2Cd", ".notes.txt.Ab12Cd",
                             ".settings.ini.Ab12Cd", ".settings.ini.zzzzzz"})
        TempFolder::Put(dir / ("dotfiles/" + std::string(kept)), "");
    EXPECT_EQ(AtomicFile::RemoveLeftovers(dir / "settings.ini"), 2);
    EXPECT_EQ(Entries(dir.Path / "dotfiles"), 5u);
}
