#pragma once
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The translations of every text a player reads. English is the language
// the texts are written in; another language's texts come from its
// compiled catalogue (korvanta.mo), which this class reads itself, so that
// the game speaks the chosen language whatever the C library's locale is
// ("C" on many machines). A catalogue once read is kept for the whole run,
// so a text handed out stays valid after a change of language. A missing
// or damaged catalogue leaves the game in English, with one warning.
//
// Texts are wrapped where they are written: Tr("Music") for a text used at
// once, TrNoop("Music") for one kept in a table and passed through Tr where
// it is shown; TrIn("outcome", "left") for a word with more than one sense.
// All three are keywords of xgettext (the pot target).
class Catalogue {
public:
    // A language the game speaks: its code and its name in itself.
    struct Language {
        const char* Code;
        const char* OwnName;
    };
    static std::span<const Language> Languages();
    // The code of a language the game speaks that `name` stands for
    // ("fr", "fr_FR.UTF-8", "de_AT@euro"); none for another.
    static std::optional<std::string> Known(std::string_view name);
    // The language "system" means: the first language the game speaks in
    // LANGUAGE (a list split by colons), else the one LC_ALL, LC_MESSAGES or
    // LANG names, the first of them that is set deciding; English otherwise.
    static std::string FromEnvironment();
    // The language for a setting: "system", or a language's code.
    static std::string ForSetting(std::string_view setting);

    // Speaks `language` from now on, reading its catalogue from the first
    // of `folders` (each holding LANG/LC_MESSAGES/korvanta.mo) that has it;
    // false, one warning and English when none has a sound one.
    static bool Use(const std::string& language, const std::vector<std::string>& folders);
    // The language spoken now ("en" until Use).
    static const std::string& Current();

    // `english` in the language spoken now; `english` itself where the
    // catalogue has no translation.
    static const char* Text(const char* english);
    // `english` in the sense `context` names, for a word the game uses in
    // more than one sense ("left" the key, "left" the level).
    static const char* Text(const char* context, const char* english);
    // `pattern` with {1}, {2}... replaced by `values` in order.
    static std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);
    // A number written with a point ("72.4") as the language writes it.
    static std::string Decimal(std::string_view number);

    // `text` (UTF-8) in capitals, the accented Latin and the Cyrillic
    // letters included; other bytes stay as they are.
    static std::string Upper(std::string_view text);

    // The entries of a compiled catalogue (.mo, either byte order): message
    // to translation, the header and untranslated entries left out; none
    // when the bytes are not a sound catalogue.
    using Entries = std::unordered_map<std::string, std::string>;
    static std::optional<Entries> Parse(std::string_view bytes);

    // For the tests only: while on, every text that passes through Text is made a
    // third longer and put in brackets, so that a text drawn without the
    // catalogue stands out, and one too long for its room shows.
    static void UsePseudo(bool on);
    static std::string Pseudo(std::string_view english);
};

// The translation of `english` now.
inline const char* Tr(const char* english) { return Catalogue::Text(english); }
// The translation of `english` in the sense `context` names.
inline const char* TrIn(const char* context, const char* english) { return Catalogue::Text(context, english); }
// Marks a text kept in a table for the catalogue; Tr translates it where shown.
#define TrNoop(text) text
