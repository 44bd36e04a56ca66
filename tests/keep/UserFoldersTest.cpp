#include "program/AssetFolder.h"
#include "keep/UserFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// The first folder with pictures wins, in this order: the working directory,
// the build's asset folder beside the executable, the executable's folder,
// the installed tree relative to the executable, the configured data folder.
TEST(AssetFolder, EachFolderInTheLookupOrderTakesOverFromTheOnesAfterIt) {
    const fs::path start = fs::current_path();
    const fs::path root = fs::temp_directory_path() / ("korvanta-asset-folder-" + std::to_string(getpid()));
    fs::create_directories(root / "run");
    fs::create_directories(root / "tree/bin");  // where the executable is
    fs::current_path(root / "run");
    const AssetFolder folder((root / "tree/bin/korvanta").string(), (root / "configured").string(), "../share/korvanta");
    EXPECT_EQ(folder.Find(), "");
    EXPECT_FALSE(folder.Enter());

    const std::vector<fs::path> order = {root / "run", root / "tree/bin/assets", root / "tree/bin",
                                         root / "tree/share/korvanta", root / "configured"};
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        fs::create_directories(*it / "Image");
        const std::string found = folder.Find();
        ASSERT_FALSE(found.empty()) << *it;
        EXPECT_TRUE(fs::equivalent(found, *it)) << found << " instead of " << *it;
    }
    fs::remove_all(root / "run/Image");
    EXPECT_TRUE(folder.Enter());
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root / "tree/bin/assets"));
    fs::current_path(start);
    fs::remove_all(root);
}

TEST(UserFolders, XdgFoldersWhenAbsoluteOtherwiseBelowHomeOrTheAccount) {
    struct Case {
        std::map<std::string, std::string> Env;
        std::string Account, Data, Config;
    } cases[] = {
        {{{"XDG_DATA_HOME", "/d"}, {"XDG_CONFIG_HOME", "/c"}, {"HOME", "/h"}}, "/a", "/d", "/c"},
        {{{"XDG_DATA_HOME", "d"}, {"XDG_CONFIG_HOME", ""}, {"HOME", "/h/"}}, "/a", "/h/.local/share", "/h/.config"},
        {{{"HOME", "relative"}}, "/a", "/a/.local/share", "/a/.config"},
        {{}, "/a", "/a/.local/share", "/a/.config"},
        {{{"XDG_DATA_HOME", "/d"}}, "", "/d", ""},
        {{{"HOME", ""}}, "", "", ""},
    };
    for (const Case& c : cases) {
        const UserFolders folders(
            [&](const char* name) { return c.Env.count(name) ? c.Env.at(name).c_str() : nullptr; },
            [&] { return c.Account; });
        SCOPED_TRACE(c.Data + " | " + c.Config);
        EXPECT_EQ(folders.DataHome(), c.Data);
        EXPECT_EQ(folders.ConfigHome(), c.Config);
        EXPECT_EQ(folders.Replays(), c.Data.empty() ? "" : c.Data + "/korvanta/replays");
        EXPECT_EQ(folders.ScoresFile(), c.Data.empty() ? "" : c.Data + "/korvanta/scores.txt");
        EXPECT_EQ(folders.SettingsFile(), c.Config.empty() ? "" : c.Config + "/korvanta/settings.ini");
    }
}
