#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "engine/Log.h"
#include "support/TempFolder.h"

// The catalogue as the game reads it: compiled files sound or damaged, the
// language the desktop's variables choose in a "C" locale, and the texts
// filled and written in capitals.
namespace {
const std::string Built = KORVANTA_ASSET_DIR "/locale";

std::string French() { return TempFolder::Get(Built + "/fr/LC_MESSAGES/korvanta.mo"); }

// Sets the locale variables for one test and puts them back after it.
class Environment : public ::testing::Test {
protected:
    static constexpr const char* Names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    void SetUp() override {
        for (const char* name : Names)
            if (const char* value = std::getenv(name))
                Kept[name] = value;
        Clear();
    }
    static void Clear() {
        for (const char* name : Names)
            unsetenv(name);
    }
    void TearDown() override {
        Clear();
        for (const auto& [name, value] : Kept)
            setenv(name.c_str(), value.c_str(), 1);
    }
    std::map<std::string, std::string> Kept;
};
}  // namespace

TEST(Catalogue, ReadsACompiledCatalogueAndRefusesDamagedOnes) {
    const std::string bytes = French();
    const std::optional<Catalogue::Entries> entries = Catalogue::Parse(bytes);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->at("PLAY"), "JOUER");
    EXPECT_EQ(entries->count(""), 0u);  // the header is no text of the game
    EXPECT_FALSE(Catalogue::Parse(bytes.substr(0, bytes.size() - 40)));  // cut short
    EXPECT_FALSE(Catalogue::Parse(bytes.substr(0, 10)));
    EXPECT_FALSE(Catalogue::Parse("not a catalogue at all, but long enough to be read"));
    std::string wild = bytes;
    wild[16] = '\xFF';  // the table of translations far past the end
    EXPECT_FALSE(Catalogue::Parse(wild));
    std::string big = bytes;
    big[8] = big[9] = big[10] = '\x7F';  // a count of strings no file holds
    EXPECT_FALSE(Catalogue::Parse(big));
}

TEST(Catalogue, AMissingOrDamagedCatalogueLeavesEnglishWithOneWarning) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path / "de/LC_MESSAGES");
    TempFolder::Put(folder / "de/LC_MESSAGES/korvanta.mo", French().substr(0, 200));
    for (const std::string language : {"de", "es"}) {
        const int warnings = Log::WarningCount();
        EXPECT_FALSE(Catalogue::Use(language, {folder.Path.string(), folder / "nowhere"}));
        EXPECT_EQ(Log::WarningCount(), warnings + 1) << language;
        EXPECT_EQ(Catalogue::Current(), "en");
        EXPECT_STREQ(Tr("PLAY"), "PLAY");
    }
    // Found in the second folder; English again takes no file.
    EXPECT_TRUE(Catalogue::Use("fr", {folder.Path.string(), Built}));
    EXPECT_STREQ(Tr("PLAY"), "JOUER");
    EXPECT_STREQ(Tr("no such text"), "no such text");
    EXPECT_TRUE(Catalogue::Use("en", {}));
    EXPECT_STREQ(Tr("PLAY"), "PLAY");
}

TEST_F(Environment, SystemFollowsLanguageThenLcAllLcMessagesAndLang) {
    struct Case {
        std::map<std::string, std::string> Set;
        std::string Spoken;
    };
    const Case cases[] = {
        {{}, "en"},
        {{{"LANG", "ru_RU.UTF-8"}}, "ru"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "es_ES"}}, "es"},
        {{{"LC_MESSAGES", "es_ES"}, {"LC_ALL", "de_AT@euro"}}, "de"},
        {{{"LC_ALL", "C"}, {"LANG", "fr_FR.UTF-8"}}, "en"},  // the first one set decides
        {{{"LANGUAGE", "fr"}, {"LC_ALL", "C"}}, "fr"},       // even in a "C" locale
        {{{"LANGUAGE", "pt_BR:de:fr"}, {"LANG", "ru_RU"}}, "de"},
        {{{"LANGUAGE", "pt_BR"}, {"LC_MESSAGES", "es_MX.UTF-8"}}, "es"},
    };
    for (const Case& c : cases) {
        Clear();
        for (const auto& [name, value] : c.Set)
            setenv(name.c_str(), value.c_str(), 1);
        EXPECT_EQ(Catalogue::ForSetting("system"), c.Spoken) << ::testing::PrintToString(c.Set);
        EXPECT_EQ(Catalogue::ForSetting("ru"), "ru");  // a chosen language never asks the desktop
    }
}

TEST(Catalogue, FillsPlacesInAnyOrderAndWritesCapitals) {
    EXPECT_EQ(Catalogue::Fill("{2} takes what {1} had", {"Fire", "Brake"}), "Brake takes what Fire had");
    EXPECT_EQ(Catalogue::Fill("{1} % {3}", {"50"}), "50 % {3}");
    EXPECT_EQ(Catalogue::Upper("réparer à l'œil ÷ ü"), "RÉPARER À L'œIL ÷ Ü");
    EXPECT_EQ(Catalogue::Upper("ракета ёж"), "РАКЕТА ЁЖ");
    EXPECT_EQ(Catalogue::Pseudo("Music"), "[Music~~]");
}
