#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Level.h"

// The plain-text level file (docs/level-format.md): a version line, the
// level's name, its backdrop, music and boss, and its waves, one a line,
// with comments. Parse reads one and reports every fault with its line;
// Text writes a level back in the one canonical form, whose fingerprint
// tells a recorded run whether its level is still the one it was played
// on. Nothing a file says reaches beyond the game's own pictures and
// tracks: a name that is not one of them is a fault.
class LevelFile {
public:
    static constexpr int Version = 1;
    // A schedule of a few hundred lines with comments; anything bigger is
    // no level of ours.
    static constexpr size_t MaxBytes = 64 * 1024;
    static constexpr size_t MaxWaves = 500;
    // After this many faults the reader stops listing them.
    static constexpr size_t MaxFaults = 20;

    struct Fault {
        int Line = 0;  // 1-based; 0 for the file as a whole
        std::string What;
        bool operator==(const Fault&) const = default;
    };

    // The level in `text`; none, with every fault in `faults`, when it is
    // not a good level.
    static std::optional<Level> Parse(std::string_view text, std::vector<Fault>& faults);
    // Reads the level file at `path`; none, with one line a fault in
    // `messages` ("PATH:LINE: what"), when it cannot be read or is faulty.
    static std::optional<Level> Load(const std::string& path, std::vector<std::string>& messages);

    // The level in the canonical form of its file: every value written out.
    static std::string Text(const Level& level);
    // 64-bit FNV-1a of the canonical text: the same for two files that say
    // the same, whatever their comments and layout.
    static uint64_t Fingerprint(const Level& level);

    // The pictures a backdrop may name (Image/NAME.png): star fields that
    // tile (far and near layers) and drifters (the planet or nebula), and
    // the music tracks (Sound/NAME.mp3).
    static const std::vector<std::string>& StarFields();
    static const std::vector<std::string>& Drifters();
    static const std::vector<std::string>& Tracks();

    // `text` in double quotes, with control and other bytes outside printable
    // ASCII shown as \xNN and a long text cut, so a hostile file cannot work
    // the terminal a message is printed to.
    static std::string Quoted(std::string_view text);
    // The same without the quotes and whole: a file name in a message.
    static std::string Shown(std::string_view text);
};
