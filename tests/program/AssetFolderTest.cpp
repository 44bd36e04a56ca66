#include "program/AssetFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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
