#include "keep/Settings.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "keep/AtomicFile.h"
#include "engine/Log.h"
#include "keep/PlainText.h"

namespace {
std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

std::optional<bool> Switch(std::string_view value) {
    const std::string word = Lower(value);
    for (const char* on : {"on", "true", "yes", "1"})
        if (word == on)
            return true;
    for (const char* off : {"off", "false", "no", "0"})
        if (word == off)
            return false;
    return std::nullopt;
}

bool* Key(Settings& settings, std::string_view name) {
    const std::string key = Lower(name);
    if (key == "fullscreen")
        return &settings.Fullscreen;
    if (key == "music")
        return &settings.Music;
    if (key == "effects")
        return &settings.Effects;
    return nullptr;
}

// Sets the key a "name = value" line names; false for any other line.
bool Assign(Settings& settings, std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    bool* key = Key(settings, PlainText::Trim(line.substr(0, equals)));
    const std::optional<bool> value = Switch(PlainText::Trim(line.substr(equals + 1)));
    if (key == nullptr || !value)
        return false;
    *key = *value;
    return true;
}
}  // namespace

Settings Settings::Parse(std::string_view text, int* firstStrayLine) {
    Settings settings;
    int firstStray = 0;
    // Keys under some other program's section are not ours to read.
    bool inOurSection = true;
    const std::vector<std::string_view> lines = PlainText::Lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = PlainText::Trim(lines[i]);
        bool understood = line.empty() || line.front() == '#' || line.front() == ';';
        if (!understood && line.front() == '[') {
            inOurSection = Lower(line) == "[korvanta]";
            understood = inOurSection;
        } else if (!understood) {
            understood = inOurSection && Assign(settings, line);
        }
        if (!understood && firstStray == 0)
            firstStray = static_cast<int>(i + 1);
    }
    if (firstStrayLine != nullptr)
        *firstStrayLine = firstStray;
    return settings;
}

Settings Settings::Load(const std::string& path) {
    const AtomicFile::Contents file = AtomicFile::Read(path, MaxFileBytes);
    if (file.Status == AtomicFile::ReadStatus::Missing)
        return Settings();
    if (file.Status != AtomicFile::ReadStatus::Read) {
        Log::Warn("cannot load the settings: " + file.Reason + "; using the defaults");
        return Settings();
    }
    int firstStray = 0;
    const Settings settings = Parse(file.Text, &firstStray);
    if (firstStray != 0)
        Log::Warn("ignoring the lines of " + path + " that are not settings (the first is line " +
                  std::to_string(firstStray) + ")");
    return settings;
}

bool Settings::Save(const std::string& path) const {
    std::string reason;
    if (AtomicFile::Write(path, Text(), reason))
        return true;
    Log::Warn("cannot save the settings: " + reason);
    return false;
}

std::string Settings::Text() const {
    auto word = [](bool on) { return on ? "on" : "off"; };
    return std::string("# KORVANTA settings: each is on or off\n[korvanta]\n") + "fullscreen = " + word(Fullscreen) +
           "\nmusic = " + word(Music) + "\neffects = " + word(Effects) + "\n";
}
