#include "keep/UserFolders.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

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
