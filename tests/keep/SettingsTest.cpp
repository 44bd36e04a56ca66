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

// Every value of every key is written as a word the reader takes back to
// the same setting, and the keys beyond the switches read as a player writes them.
TEST(Settings, EveryValueOfEveryKeyRoundTripsAndTheNewerKeysRead) {
    for (const Settings::Choice& choice : Settings::Choices()) {
        for (int i = 0; i < static_cast<int>(choice.Values.size()); ++i) {
            Settings chosen;
            choice.Set(chosen, i);
            ASSERT_EQ(choice.Get(chosen), i) << choice.Key;
            int stray = -1;
            EXPECT_EQ(Settings::Parse(chosen.Text(), &stray), chosen) << chosen.Text();
            EXPECT_EQ(stray, 0);
            EXPECT_EQ(Settings::Parse(std::string(choice.Key) + " = " + choice.Values[i]), chosen);
        }
    }
    const Settings read = Settings::Parse("scale = 3\nsmooth = yes\nkeys = Letters\nmusic_volume = 35\n"
                                          "effects_volume=0\ndifficulty = HARD\n");
    EXPECT_EQ(read.Scale, 3);
    EXPECT_TRUE(read.Smooth);
    EXPECT_EQ(read.Keys, Settings::KeyReading::Letters);
    EXPECT_EQ(read.MusicVolume, 40);
    EXPECT_EQ(read.EffectsVolume, 0);
    EXPECT_EQ(read.Difficulty, Skill::Hard);
    const Settings defaults;
    EXPECT_EQ(defaults.Scale, Settings::AutoScale);
    EXPECT_EQ(defaults.Keys, Settings::KeyReading::Position);
    EXPECT_EQ(defaults.MusicVolume, 100);
    EXPECT_EQ(defaults.Difficulty, Skill::Normal);
    for (const char* stray : {"scale = 5", "scale = 0", "music_volume = 101", "music_volume = -10",
                              "effects_volume = 5x", "keys = qwerty", "difficulty = nightmare", "smooth = 2"}) {
        int line = 0;
        EXPECT_EQ(Settings::Parse(stray, &line), defaults) << stray;
        EXPECT_EQ(line, 1) << stray;
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
