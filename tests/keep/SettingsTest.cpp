#include <gtest/gtest.h>

#include "engine/Log.h"
#include "keep/KeyBindings.h"
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
                                          "effects_volume=0\ndifficulty = HARD\npractice_restart = on\n");
    EXPECT_EQ(read, (Settings{.Scale = 3, .Smooth = true, .Keys = Settings::KeyReading::Letters,
                              .MusicVolume = 40, .EffectsVolume = 0, .Difficulty = Skill::Hard,
                              .PracticeRestart = true}));
    for (const char* stray : {"scale = 5", "scale = 0", "music_volume = 101", "music_volume = -10",
                              "effects_volume = 5x", "keys = qwerty", "difficulty = nightmare", "smooth = 2"}) {
        int line = 0;
        EXPECT_EQ(Settings::Parse(stray, &line), Settings()) << stray;
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

namespace {
// `text` as a Windows editor writes UTF-16, its mark first.
std::string Utf16(const std::string& text, bool little) {
    std::string wide = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : text)
        wide += little ? std::string{c, '\0'} : std::string{'\0', c};
    return wide;
}
std::string Ends(const std::string& text, const std::string& end) {
    std::string out;
    for (const char c : text)
        out += c == '\n' ? end : std::string(1, c);
    return out;
}
}  // namespace

// The game's keys are rewritten where they stand (a line that already says
// the value stays as written) and the missing ones added at the end of the
// game's part; every other line stays.
TEST(Settings, SavingRewritesTheGamesKeysInPlaceAndKeepsEveryOtherLine) {
    Settings chosen;
    chosen.Music = false;
    chosen.Difficulty = Skill::Hard;
    const std::string controls = KeyBindings().Text();
    const std::string rest = "scale = auto\nsmooth = off\nkeys = position\nmusic_volume = 100\neffects = on\n"
                             "effects_volume = 100\ndifficulty = hard\ngame_speed = 100\ninvincible = off\nfewer_flashes = off\n"
                             "language = system\npractice_restart = off\n" + controls;
    EXPECT_EQ(chosen.MergedInto("# mine\n[KORVANTA]\n  music = yes\nFullScreen=off\nother_key = 11\n\n[x]\nmusic = on"),
              "# mine\n[KORVANTA]\n  music = off\nFullScreen=off\nother_key = 11\n" + rest + "\n[x]\nmusic = on\n");
    EXPECT_EQ(chosen.MergedInto("[x]\na = 1\n"), "[x]\na = 1\n[korvanta]\nfullscreen = off\nscale = auto\n"
                                                 "smooth = off\nkeys = position\nmusic = off\nmusic_volume = 100\n"
                                                 "effects = on\neffects_volume = 100\ndifficulty = hard\ngame_speed = 100\n"
                                                 "invincible = off\nfewer_flashes = off\nlanguage = system\npractice_restart = off\n" + controls);
}

// Good values behind a 70 KiB comment, in any layout an editor writes, are
// read; a change is saved with every line kept and the file's line ends.
TEST(Settings, EveryLayoutIsReadAndKeptWhenAChangeIsSaved) {
    const std::string before = "# " + std::string(70 * 1024, 'c') + "\n[korvanta]\nscale = 2\nmusic = off\n";
    const std::string after = before + "fullscreen = off\nsmooth = off\nkeys = position\nmusic_volume = 100\n"
                                       "effects = off\neffects_volume = 100\ndifficulty = normal\ngame_speed = 100\n"
                                       "invincible = off\nfewer_flashes = off\nlanguage = system\npractice_restart = off\n" +
                              KeyBindings().Text();
    const std::string mark = "\xEF\xBB\xBF";
    const struct {
        const char* Name;
        std::string Before, After;
    } cases[] = {
        {"LF", before, after},
        {"CR alone", Ends(before, "\r"), Ends(after, "\r")},
        {"CRLF, UTF-8 mark", mark + Ends(before, "\r\n"), mark + Ends(after, "\r\n")},
        {"UTF-16 little-endian", Utf16(Ends(before, "\r\n"), true), mark + Ends(after, "\r\n")},
        {"UTF-16 big-endian", Utf16(before, false), mark + after},
    };
    TempFolder dir;
    const std::string path = dir / "settings.ini";
    for (const auto& c : cases) {
        TempFolder::Put(path, c.Before);
        const int warnings = Log::WarningCount();
        Settings settings = Settings::Load(path);
        EXPECT_EQ(Log::WarningCount(), warnings) << c.Name;
        EXPECT_TRUE(settings.Scale == 2 && !settings.Music) << c.Name;
        settings.Effects = false;
        ASSERT_TRUE(settings.Save(path)) << c.Name;
        EXPECT_TRUE(TempFolder::Get(path) == c.After) << c.Name;
    }
}

// A file the game cannot read costs one warning and the defaults, and is
// never written over: the first save moves it aside, naming both files.
TEST(Settings, AFileThatCannotBeReadIsMovedAsideAtTheFirstSave) {
    TempFolder dir;
    const std::string path = dir / "settings.ini";
    Settings chosen;
    chosen.Effects = false;
    for (const std::string& bytes : {"music = off\n" + std::string(Settings::MaxFileBytes, '#'),
                                     Utf16("music = off\n", true) + "m", std::string("music = off\n\0", 13)}) {
        std::filesystem::remove(path + ".bad");
        TempFolder::Put(path, bytes);
        const int warnings = Log::WarningCount();
        EXPECT_EQ(Settings::Load(path), Settings());
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(chosen.Save(path));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(Log::WarningCount(), warnings + 2);
        EXPECT_NE(said.find("'" + path + "' could not be read"), std::string::npos) << said;
        EXPECT_NE(said.find("'" + path + ".bad'"), std::string::npos) << said;
        EXPECT_TRUE(TempFolder::Get(path + ".bad") == bytes);
        EXPECT_EQ(Settings::Load(path), chosen);
    }
}
