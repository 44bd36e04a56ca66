#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The player's choices that outlive a run, kept in settings.ini: full screen
// or window, music, sound effects. A missing or partly understood file
// costs nothing but the defaults for what it does not say.
class Settings {
public:
    bool Fullscreen = false;
    bool Music = true;
    bool Effects = true;

    static constexpr size_t MaxFileBytes = 64 * 1024;

    // The settings `text` gives over the defaults. Lines it does not
    // understand are skipped; `firstStrayLine` (if given) gets the number of
    // the first of them, 0 when there is none.
    static Settings Parse(std::string_view text, int* firstStrayLine = nullptr);

    // The settings in `path`: the defaults when it is missing, silently. Stray
    // lines cost one warning in all, naming the file and the first of them; an
    // unreadable or oversized file, one warning and the defaults.
    static Settings Load(const std::string& path);

    // Writes all three keys to `path` whole or not at all; one warning and
    // false when that fails.
    bool Save(const std::string& path) const;

    // The file's text, every key written out.
    std::string Text() const;

    bool operator==(const Settings&) const = default;
};
