#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "field/Skill.h"
#include "keep/KeyBindings.h"
#include "levels/Assists.h"

// The player's choices that outlive a run, kept in settings.ini: full screen
// or window, the window's scale and enlargement, how the flying keys are
// read, music and sound effects with their volumes, the difficulty and the
// assists and the language. A
// missing or partly understood file costs nothing but the defaults for what
// it does not say. Every key of the file is one Choice: a name and the
// words it may take, in the order a player steps through them.
//
// The file is the player's as much as the game's. The game owns the keys
// Owns names in its own part of the file ("[korvanta]", and the lines before
// any section); saving rewrites those where they stand and keeps every other
// line (comments, unknown keys, other programs' sections) where the player
// put them, in the file's own byte-order mark and line ends. Loading never
// changes the file, and a file the game could not read is never written
// over: saving sets it aside first.
class Settings {
public:
    // How W, A, S, D, Q, H, B, N, M and Space are read: by their place on the
    // keyboard, as a US keyboard labels them, or by the letter on the key.
    enum class KeyReading { Position, Letters };
    // Scale 0: the largest whole scale whose window fits the desktop.
    static constexpr int AutoScale = 0;
    static constexpr int MaxScale = 4;
    static constexpr int VolumeStep = 10;
    static constexpr int MaxVolume = 100;

    bool Fullscreen = false;
    bool Music = true;
    bool Effects = true;
    int Scale = AutoScale;
    bool Smooth = false;
    KeyReading Keys = KeyReading::Position;
    int MusicVolume = MaxVolume;
    int EffectsVolume = MaxVolume;
    Skill Difficulty = Skill::Normal;
    // Game speed, invincibility and fewer flashes.
    Assists Helps{};
    // The language the game speaks: "system" (the desktop's) or a
    // language's code ("en", "fr", "de", "es", "ru").
    std::string Language = "system";
    // The practice page's "Restart at once": a lost practice ship brings the
    // same start back without the game-over overlay.
    bool PracticeRestart = false;
    // The keys and pad buttons of play, each a line of its own in the file.
    KeyBindings Bindings{};

    // One key of the file and the words it takes, in stepping order.
    struct Choice {
        const char* Key;
        std::vector<std::string> Values;
        // The index into Values of what `settings` holds.
        int (*Get)(const Settings& settings);
        void (*Set)(Settings& settings, int index);
    };
    // Every key, in the order the file writes them.
    static const std::vector<Choice>& Choices();
    // The choice called `key` (any letter case); null for another name.
    static const Choice* Find(std::string_view key);

    // True for the keys the game reads and writes (any letter case): those
    // of Entries. Every other key in the file is left as the player wrote it.
    static bool Owns(std::string_view key);
    // Every owned key and the word the file says for what these settings
    // hold, in the order a new file lists them.
    std::vector<std::pair<std::string, std::string>> Entries() const;

    // Far beyond any settings file with comments; a bigger one is not read.
    static constexpr size_t MaxFileBytes = 1024 * 1024;

    // The settings `text` gives over the defaults. Lines it does not
    // understand are skipped; `firstStrayLine` (if given) gets the number of
    // the first of them, 0 when there is none.
    static Settings Parse(std::string_view text, int* firstStrayLine = nullptr);

    // The settings in `path` (UTF-8 or UTF-16 with its mark, any line ends):
    // the defaults when it is missing, silently. Stray lines cost one warning
    // in all, naming the file and the first of them; a file that cannot be
    // read, one warning and the defaults.
    static Settings Load(const std::string& path);

    // The language `path` asks for ("system" when it says none), read
    // without a word: for what the game answers before it plays (--help).
    static std::string LanguageIn(const std::string& path);

    // Writes every owned key into `path` whole or not at all, keeping the
    // other lines. A file there that cannot be read is first moved aside to
    // "<path>.bad" (or ".bad.1", ...), with one warning naming both files.
    // One warning and false when the settings cannot be saved.
    bool Save(const std::string& path) const;

    // A new file's text, every key written out.
    std::string Text() const;
    // `text`, a settings file as the player left it, with the owned keys
    // saying these settings: rewritten where they stand (a line that already
    // says it is kept as written), the missing ones added at the end of the
    // game's part; every other line stays.
    std::string MergedInto(std::string_view text) const;

    bool operator==(const Settings&) const = default;
};
