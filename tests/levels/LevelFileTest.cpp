#include "levels/LevelFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const std::string Head = "korvanta-level 1\nname Test\n";
const std::string BossWave = "wave 100 100.5 boss\n";

std::vector<LevelFile::Fault> FaultsOf(const std::string& text) {
    std::vector<LevelFile::Fault> faults;
    EXPECT_FALSE(LevelFile::Parse(text, faults).has_value()) << text;
    return faults;
}

Level Read(const std::string& text) {
    std::vector<LevelFile::Fault> faults;
    const std::optional<Level> level = LevelFile::Parse(text, faults);
    EXPECT_TRUE(level.has_value()) << (faults.empty() ? "" : faults[0].What);
    return level.value_or(Level{});
}
}  // namespace

// Each fault is named at its line, and reading goes on to find the others.
TEST(LevelFile, RefusesEveryFaultAtItsLine) {
    const struct {
        std::string Line;
        std::string Fault;
    } cases[] = {
        {"wave 1 2 colum y=3", "unknown wave kind \"colum\""},
        {"wave 5 4 column", "a wave must end after it starts, not at 4 after 5"},
        {"wave 1 2 column y=601", "y must be a whole number from 0 to 600, not \"601\""},
        {"wave 1 2 column size=big", "a column wave has no \"size\""},
        {"wave 1 2 column y=1 y=2", "\"y\" given twice"},
        {"wave 1 2 vee count=16", "count must be a whole number from 1 to 15, not \"16\""},
        {"wave 1 2 arms fire=0.05", "fire must be 0.1 to 10 seconds, not \"0.05\""},
        {"wave 1 2 mines gap=2..1", "gap must be LEAST..MOST seconds from 0.1 to 60, not \"2..1\""},
        {"wave 1 2.0001 mines", "a wave starts and ends within 600 seconds, not \"1\" and \"2.0001\""},
        {"wave 1 2 rocks size=huge", "size is small, medium or big, not \"huge\""},
        {"wave 1 2 column y", "expected NAME=VALUE, not \"y\""},
        {"backdrop far=../../etc/x", "\"../../etc/x\" is none of the game's star fields"},
        {"backdrop drift=stars1", "\"stars1\" is none of the game's planets and nebulae"},
        {"backdrop near-tint=fff", "a tint is six hex digits RRGGBB, not \"fff\""},
        {"music /dev/zero", "music is one of the game's tracks, not \"/dev/zero\""},
        {"boss health=0", "health must be a whole number from 1 to 100000, not \"0\""},
        {"name \x1b[2J", "a name is 1 to 32 printable ASCII characters, not \"\\x1b[2J\""},
        {"wave 200 200.5 boss", "a second boss wave"},
        {"colour red", "unknown statement \"colour\""},
    };
    for (const auto& c : cases) {
        const std::vector<LevelFile::Fault> faults = FaultsOf(Head + BossWave + "# a comment\n" + c.Line + "\n");
        ASSERT_FALSE(faults.empty()) << c.Line;
        EXPECT_EQ(faults.back(), (LevelFile::Fault{5, c.Fault})) << c.Line;
    }
    const std::vector<LevelFile::Fault> two = FaultsOf(Head + "wave 1 2 colum\n\nwave 3 4 mines kind=9\n");
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(two[0].Line, 3);
    EXPECT_EQ(two[1].Line, 5);
    EXPECT_EQ(two[2], (LevelFile::Fault{0, "no boss wave: the level could never be won"}));
}

TEST(LevelFile, RefusesWhatIsNoLevelOfThisGame) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "empty: a level file begins with \"korvanta-level 1\""},
        {"\n# nothing\nname X\n", "not a level file: it must begin with \"korvanta-level 1\""},
        {"korvanta-level 2\n", "written in level format 2; this game reads format 1"},
        {"korvanta-level 1\n" + BossWave, "no name"},
        {Head + "wave 100 102 boss\n", "the boss wave lasts longer than its gap, so more than one boss would come"},
    };
    for (const auto& [text, fault] : cases) {
        const std::vector<LevelFile::Fault> faults = FaultsOf(text);
        ASSERT_EQ(faults.size(), 1u) << text;
        EXPECT_EQ(faults[0].What, fault);
    }
    // Garbage is reported up to a limit, not line by line for ever.
    std::string garbage = Head;
    for (int i = 0; i < 1000; ++i)
        garbage += "?\n";
    EXPECT_EQ(FaultsOf(garbage).size(), LevelFile::MaxFaults);
}

// Every value written out and read back gives the same level; the
// fingerprint follows what a file says, not how it says it.
TEST(LevelFile, CanonicalTextReadsBackAndFingerprintsTheLevelNotTheLayout) {
    const Level level = Read(Head +
                             "backdrop far=stars-ember near-tint=80ff80 # tinted\n"
                             "music abyss\n boss health=1500 ray=9.5\n"
                             "wave 2 18 mines kind=2 gap=0.3..1.25\n"
                             "wave 20 30 snake swing=90 period=2.5 lane=3\n"
                             "wave 31 32 vee count=5 spacing=40\n"
                             "wave 33 60 rocks size=medium from=top fall=140\n"
                             "wave 61 62 swarm children=4 y=120\n"
                             "wave 63 64 arms count=2 fire=0.75\n" +
                             BossWave);
    EXPECT_EQ(level.Look.Far, "stars-ember");
    EXPECT_EQ(level.Look.NearTint, 0x80ff80u);
    EXPECT_EQ(level.Boss.RayMs, 9500);
    ASSERT_EQ(level.Waves.size(), 7u);
    EXPECT_EQ(level.Waves[0].SpreadMs, 950);
    EXPECT_EQ(level.Waves[3].GapMs, 3000);  // a medium rock's own gap and lane
    EXPECT_EQ(level.Waves[3].Lane, 7);
    EXPECT_EQ(level.BossMs(), 100000);

    const std::string text = LevelFile::Text(level);
    EXPECT_EQ(Read(text), level);
    EXPECT_EQ(LevelFile::Fingerprint(Read("# another layout\n" + text + "\n\n")), LevelFile::Fingerprint(level));
    Level other = level;
    other.Waves[1].Spacing += 1;
    EXPECT_NE(LevelFile::Fingerprint(other), LevelFile::Fingerprint(level));
}
