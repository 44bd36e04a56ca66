#include <gtest/gtest.h>

#include "engine/Log.h"
#include "keep/Settings.h"
#include "support/TempFolder.h"

TEST(Settings, ParsesEverySpellingAndNamesTheFirstStrayLine) {
    const struct {
        const char* Text;
        Settings Expected;
        int FirstStray;
    } cases[] = {
        {"", {false, true, true}, 0},
        {"fullscreen=on\nmusic=off\neffects=off\n", {true, false, false}, 0},
        {"; c\r\n# c\r\n[KORVANTA]\r\n  FullScreen =  TRUE \r\nMusic= No\r\neffects =0\r\n", {true, false, false}, 0},
        {"fullscreen = yes\nmusic = 1\nmusic = false\neffects = Off", {true, false, false}, 0},
        {"music = loud\nvolume = 3\nfullscreen\nfullscreen = on", {true, true, true}, 1},
        {"[korvanta]\nmusic = off\n[other]\neffects = off\n", {false, false, true}, 3},
    };
    for (const auto& c : cases) {
        int stray = -1;
        EXPECT_EQ(Settings::Parse(c.Text, &stray), c.Expected) << c.Text;
        EXPECT_EQ(stray, c.FirstStray) << c.Text;
    }
}

TEST(Settings, LoadWarnsOnceAndSaveCostsOnlyTheSaving) {
    TempFolder dir;
    const std::string path = dir / "korvanta/settings.ini";
    const int warnings = Log::WarningCount();
    EXPECT_EQ(Settings::Load(path), Settings());
    EXPECT_EQ(Log::WarningCount(), warnings);

    const Settings chosen{true, false, true};
    ASSERT_TRUE(chosen.Save(path));
    EXPECT_EQ(Settings::Load(path), chosen);
    TempFolder::Put(path, "what\nmusic = off\nis\nthis\n");
    EXPECT_EQ(Settings::Load(path), (Settings{false, false, true}));
    EXPECT_EQ(Log::WarningCount(), warnings + 1);

    TempFolder::Put(dir / "plain", "");
    EXPECT_FALSE(chosen.Save(dir / "plain/korvanta/settings.ini"));
    EXPECT_EQ(Settings::Load(dir.Path.string()), Settings());
    EXPECT_EQ(Log::WarningCount(), warnings + 3);
}
