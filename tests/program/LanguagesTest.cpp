#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <map>
#include <optional>
#include <regex>
#include <set>

#include "engine/ButtonLabel.h"
#include "engine/Catalogue.h"
#include "engine/Text.h"
#include "field/UI.h"
#include "keep/KeyBindings.h"
#include "keep/ScoreTable.h"
#include "levels/LevelFile.h"
#include "program/CommandLine.h"
#include "program/MenuExtras.h"
#include "program/SettingsKeys.h"
#include "replay/ReplayFile.h"
#include "screens/MainScreen.h"
#include "support/GameProcess.h"
#include "support/GameTest.h"
#include "support/TempFolder.h"

// The game in each of its languages: every translation complete, drawn with
// the game's font and fitting where it is drawn; every text on screen passing
// through the catalogue; the language changed on the options page at once.
namespace {
const char* const Languages[] = {"fr", "de", "es", "ru"};
const std::vector<std::string> Folders{"locale"};

std::vector<Uint32> CodePoints(const std::string& text) {
    std::vector<Uint32> points;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        Uint32 point = length == 1 ? c : c & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            point = point << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

std::multiset<std::string> Places(const std::string& text) {
    static const std::regex place("\\{[0-9]\\}");
    return {std::sregex_token_iterator(text.begin(), text.end(), place), std::sregex_token_iterator()};
}

std::string F(const char* pattern, std::initializer_list<std::string_view> values) {
    return Catalogue::Fill(Tr(pattern), values);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The texts of the game, each at its size with the width it has where drawn.
struct Room {
    int Size;
    int Width;
    std::vector<std::string> Texts;
};

std::vector<Room> Rooms() {
    std::vector<std::string> labels, keys;
    for (const KeyBindings::Action action : KeyBindings::All)
        labels.push_back(Tr(KeyBindings::Label(action)));
    for (int key = SDLK_FIRST + 1; key < SDLK_LAST; ++key)
        if (!KeyBindings::KeyName(SDLKey(key)).empty())
            keys.push_back(Tr(KeyBindings::KeyName(SDLKey(key)).c_str()));
    keys.insert(keys.end(), {F("keypad {1}", {"7"}), F("Button {1}", {"12"}), Tr("Key"), Tr("Second key"), Tr("Pad")});
    std::vector<std::string> lines;
    for (const auto* page : {&MainScreen::InstructionLines(), &MainScreen::CreditLines()})
        for (const MainScreen::PageLine& line : *page)
            lines.push_back(Tr(line.Text));
    lines.insert(lines.end(), {F("Best score on {1}: {2}", {Tr("hard"), "9999999"}), F("Difficulty: {1}", {Tr("Hard")})});
    std::vector<std::string> longest;
    for (const std::string& label : labels)
        longest.push_back(F("Press a pad button for {1} - ESC cancels", {Catalogue::Upper(label)}));
    return {
        {28, 984, {Tr("PAUSED"), Tr("Press ESC to resume"), Tr("GAME OVER"), Tr("Do you want to play again?"),
                   Tr("Level cleared!"), Tr("Congrats! You just saved the universe!"),
                   Tr("Campaign won! Do you want to play again?"), Tr("New best score!"),
                   F("Next: {1}", {Tr("Abyssal Drift")}), F("Next: {1}", {Tr("Ember Reach")})}},
        {18, 1000, lines},
        {18, 358, {Tr("Full screen"), Tr("Window scale"), Tr("Smooth enlargement"), Tr("Keys"), Tr("Music"),
                   Tr("Music volume"), Tr("Sound effects"), Tr("Effects volume"), Tr("Difficulty"), Tr("Language"),
                   Tr("Controls")}},
        {18, 228, {Tr("By place"), Tr("By letter"), Tr("Off"), Tr("On"), Tr("Auto"), Tr("Easy"), Tr("Normal"),
                   Tr("Hard"), Tr("System"), F("{1} %", {"100"}), F("{1}x", {"4"}), "Français", "Русский"}},
        {18, 254, labels},
        {14, 168, keys},
        {14, 740, longest},
        {18, 360, {Tr("Reset to defaults")}},
        {18, 140, {Tr("Yes"), Tr("No")}},
        {18, 984, {Tr("No scores yet: every level you play can make the table."), F("No scores on {1} yet.", {Tr("normal")}),
                   Tr("That replay is damaged and cannot be watched."), Tr("Full screen not available here"),
                   Tr("Effects on (no sound device)"), Tr("Music on (muted this run)")}},
        {18, 125, {Tr("Won"), Tr("Lost"), Tr("Left"), Tr("Outcome"), Tr("Score"), Tr("Money")}},
        {20, 1000, {Tr(MenuExtras::DemoCaption), Tr(MenuExtras::WatchCaption)}},
        {9, 40, {Tr("SHOP")}},
        {9, 70, {Tr("CREDITS"), Tr("SCORE")}},
        {8, 52, {Tr("EASY"), Tr("HARD")}},
        {28, 224, {F("{1} P", {"999999"})}},
    };
}

class LanguagesTest : public GameTest {};
}  // namespace

TEST_F(LanguagesTest, EveryCatalogueIsCompleteKeepsItsPlacesIsDrawnWithTheGamesFontAndFits) {
    std::map<int, TTF_Font*> fonts{{18, TTF_OpenFont("pirulen.ttf", 18)}};
    ButtonLabel buttons;
    const std::pair<const char*, int> buttonWords[] = {{"PLAY", 134}, {"INFO", 128}, {"EXIT", 128}, {"REPLAY", 193},
                                                        {"OPTIONS", 150}, {"SCORES", 150}, {"BACK", 128}};
    for (const std::string language : {"en", "fr", "de", "es", "ru"}) {
        ASSERT_TRUE(Catalogue::Use(language, Folders));
        const Catalogue::Entries entries = Catalogue::Parse(TempFolder::Get("locale/" + language + "/LC_MESSAGES/korvanta.mo"))
                                               .value_or(Catalogue::Entries{});
        EXPECT_TRUE(language == "en" || entries.size() > 200u) << language;  // the Catalogues test compares with the sources
        for (const auto& [from, to] : entries) {
            EXPECT_EQ(Places(from), Places(to)) << language << ": " << to;
            for (const Uint32 point : CodePoints(to))
                EXPECT_TRUE(point <= 0xFFFF && TTF_GlyphIsProvided(fonts[18], Uint16(point)))
                    << language << ": U+" << std::hex << point << " in " << to;
        }
        for (const Room& room : Rooms()) {
            TTF_Font*& font = fonts[room.Size];
            if (font == nullptr)
                font = TTF_OpenFont("pirulen.ttf", room.Size);
            for (const std::string& text : room.Texts) {
                int width = 0;
                ASSERT_EQ(TTF_SizeUTF8(font, text.c_str(), &width, nullptr), 0);
                EXPECT_LE(width, room.Width) << language << ": '" << text << "' at " << room.Size;
            }
        }
        // Button words are drawn smaller to fit, but never too small to read.
        for (const auto& [word, frame] : buttonWords) {
            const int size = buttons.SizeFor(Tr(word), frame, 25);
            EXPECT_GE(size, 15) << language << ": " << Tr(word) << " on " << frame;
            EXPECT_LE(buttons.Width(Tr(word), size), ButtonLabel::Room(frame)) << Tr(word);
        }
        EXPECT_GE(buttons.SizeFor(Tr("NEXT LEVEL"), 193, 19), 15) << language;
    }
    for (auto& [size, font] : fonts)
        TTF_CloseFont(font);
}

TEST_F(LanguagesTest, HelpAndTheCommandLinesFaultsSpeakEachLanguage) {
    const std::string english = CommandLine::Help();
    std::set<std::string> helps{english};
    for (const char* language : Languages) {
        ASSERT_TRUE(Catalogue::Use(language, Folders));
        const std::string help = CommandLine::Help();
        EXPECT_TRUE(Has(help, Tr("Options:")) && Has(help, "--language=NAME")) << help;
        helps.insert(help);
        const char* argv[] = {"korvanta", "--level", "9"};
        EXPECT_TRUE(Has(CommandLine::Parse(3, argv).Error, F("option '--level' takes a level from 1 to {1}, not {2}", {"3", "'9'"})));
    }
    EXPECT_EQ(helps.size(), 5u);
    // --language is the language of every answer, wherever it stands.
    const char* after[] = {"korvanta", "--help", "--language=de"};
    const char* apart[] = {"korvanta", "--language", "ru", "--bogus"};
    EXPECT_EQ(CommandLine::LanguageAsked(3, after), "de");
    EXPECT_EQ(CommandLine::LanguageAsked(4, apart), "ru");
    Catalogue::Use("en", {});
    EXPECT_EQ(CommandLine::Help(), english);
}

TEST_F(LanguagesTest, TheTerminalSpeaksThePlayersLanguageWholeLines) {
    GameProcess game;
    const std::string home = "XDG_DATA_HOME='" + game.Path.string() + "' XDG_CONFIG_HOME='" + game.Path.string() + "' ";
    std::filesystem::create_directories(game.Path / "korvanta");
    GameProcess::Put(game / "korvanta/scores.txt", "1200 30 won 72.4 2025-03-01 10:00:00 - normal 3-alone\nbroken\n");
    GameProcess::Put(game / "korvanta/settings.ini", "[korvanta]\nmusic = off\nnonsense\n");
    GameRun run = game.Start(home + "LANGUAGE=de", "--frames 2");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(Has(run.Err, "korvanta: Warnung: die Zeilen von '" + game / "korvanta/settings.ini" +
                                 "', die keine Einstellungen sind, werden übergangen (die erste ist Zeile 3)"));
    EXPECT_TRUE(Has(run.Err, "Warnung: Zeile 2 von '" + game / "korvanta/scores.txt" +
                                 "' ist beschädigt (zu wenige Felder); die anderen Läufe bleiben erhalten")) << run.Err;

    // Columns line up by characters, whatever bytes a language's letters take.
    run = game.Start(home + "LANGUAGE=ru", "--scores");
    EXPECT_TRUE(Has(run.Out, "#  Очки  Деньги  Итог    Уровень  Секунды  Дата                 Запись\n"
                             "1  1200      30  победа  3-отд.      72,4  2025-03-01 10:00:00  -\n")) << run.Out;
    GameProcess::Put(game / "korvanta/scores.txt", "");
    EXPECT_EQ(game.Start(home + "LANGUAGE=es", "--scores").Out, "Aún no hay puntuaciones.\n");

    run = game.Start(home + "LANGUAGE=fr", "--verify '" KORVANTA_SOURCE_DIR "/tests/replays/won.krp'");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(Has(run.Out, " s de jeu au niveau 1 en normal, score ") && Has(run.Out, ", gagnée, synchronisé\n")) << run.Out;
    GameProcess::Put(game / "bad.krp", "not a replay at all");
    run = game.Start(home + "LANGUAGE=fr", "--verify bad.krp");
    EXPECT_EQ(run.Err, "korvanta: erreur : impossible d'utiliser l'enregistrement 'bad.krp' : pas un enregistrement de "
                       "KORVANTA (mauvais octets magiques)\n");

    // Reasons built below the program come in the language too.
    ASSERT_TRUE(Catalogue::Use("ru", Folders));
    ReplayFile practice;
    practice.Practice = true;
    practice.FromMs = 160'000;
    practice.Helps.SpeedPercent = 50;
    EXPECT_EQ(practice.StartNamed(), "тренировка с 160 с, скорость 50 %");
    std::vector<LevelFile::Fault> faults;
    LevelFile::Parse("korvanta-level 1\nname X\nwave 5 1 vee\n", faults);
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults.front().What, "волна должна кончаться после начала, а не в 1 после 5");
}

namespace {
// The menu with its pages as the program puts them up, over settings that
// are never saved.
class LanguagePages : public Playthrough {
protected:
    void SetUp() override {
        Playthrough::SetUp();
        Extras.emplace(Keys, Scores, "");
        TheEngine().Pages = &*Extras;
        TheEngine().Hotkeys = &Keys;
        TheEngine().Labels = &Keys;
    }
    void TearDown() override {
        Extras.reset();
        Catalogue::UsePseudo(false);
        Text::Rendered = nullptr;
        Playthrough::TearDown();
    }
    static inline std::set<std::string> Drawn;
    SettingsKeys Keys{Settings(), "", false};
    ScoreTable Scores;
    std::optional<MenuExtras> Extras;
};

// What is left of `text` outside the brackets the pseudo-language puts
// around every text that passed through the catalogue (the innermost first).
std::string Unbracketed(std::string text) {
    static const std::regex innermost("\\[[^\\[\\]]*\\]");
    for (std::string last; last != text;)
        last = std::exchange(text, std::regex_replace(text, innermost, ""));
    return text;
}
}  // namespace

TEST_F(LanguagePages, EveryTextOnScreenPassesThroughTheCatalogue) {
    Text::Rendered = [](const std::string& text) { Drawn.insert(text); };
    Drawn.clear();
    Catalogue::UsePseudo(true);
    Run(3);
    Menu()->ShowInstructions = true;
    Run(2);
    Menu()->ShowInstructions = false;
    Menu()->ShowCredits = true;
    Run(2);
    Menu()->ShowCredits = false;
    Menu()->Open(MenuPages::Page::Scores);
    Run(2);
    Tap(SDLK_ESCAPE);
    Menu()->Open(MenuPages::Page::Options);
    const auto press = [this](std::initializer_list<SDLKey> keys) {
        for (const SDLKey key : keys)
            Tap(key);
        Run(2);
    };
    press({});
    press({SDLK_UP, SDLK_UP, SDLK_RETURN, SDLK_UP, SDLK_UP, SDLK_RETURN});  // controls, reset
    press({SDLK_ESCAPE, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});              // no; a key for the first action
    press({SDLK_F11});  // refused while a key is awaited: kept for full screen
    press({SDLK_ESCAPE, SDLK_ESCAPE, SDLK_ESCAPE});
    StartLevel(4);
    Tap(SDLK_F9);
    Tap(SDLK_ESCAPE);
    Run(2);
    Tap(SDLK_ESCAPE);
    Hud()->GameOverView = true;
    Run(2);
    EXPECT_GT(Drawn.size(), 60u);
    for (const std::string& text : Drawn) {
        const std::string left = Unbracketed(text);
        const bool word = std::any_of(left.begin(), left.end(), [](char c) { return std::isalpha(c) || c < 0; });
        EXPECT_TRUE(!word || text == "KORVANTA") << "drawn without the catalogue: " << text;
    }
}

TEST_F(LanguagePages, ALanguageChosenOnTheOptionsPageShowsAtOnceAndIsKept) {
    Run(2);
    const SDL_Rect title{262, Layout::PageTitleTop, 500, 40};
    Menu()->Open(MenuPages::Page::Options);
    Run(2);
    const uint64_t english = Look(title);
    for (int row = 0; row < 12; ++row)  // down to the language, under the assists
        Tap(SDLK_DOWN);
    for (int step = 0; step < 3; ++step)  // English, Français, Deutsch
        Tap(SDLK_RIGHT);
    EXPECT_EQ(Keys.Current().Language, "de");
    EXPECT_EQ(Catalogue::Current(), "de");
    EXPECT_NE(Look(title), english);  // the title in German this very frame
    Tap(SDLK_ESCAPE);
    Run(2);
    EXPECT_STREQ(Tr("PLAY"), "SPIELEN");
    EXPECT_EQ(Settings::Parse(Keys.Current().Text()).Language, "de");
}
