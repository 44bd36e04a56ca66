#include "keep/Settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <set>

#include "engine/Catalogue.h"
#include "engine/Log.h"
#include "keep/AtomicFile.h"
#include "keep/PlainText.h"
#include "keep/TextLayout.h"

namespace {
std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

constexpr std::string_view OurSection = "[korvanta]";
const std::vector<std::string> OffOn{"off", "on"};

const std::vector<std::string>& Volumes() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> all;
        for (int v = 0; v <= Settings::MaxVolume; v += Settings::VolumeStep)
            all.push_back(std::to_string(v));
        return all;
    }();
    return words;
}

const std::vector<std::string>& Languages() {
    static const std::vector<std::string> words{"system", "en", "fr", "de", "es", "ru"};
    return words;
}

int LanguageIndex(const std::string& language) {
    const auto found = std::find(Languages().begin(), Languages().end(), language);
    return found == Languages().end() ? 0 : static_cast<int>(found - Languages().begin());
}

// The index of `word` among a choice's values. Switches also take the other
// usual spellings, volumes any whole number up to the top (to the nearest step).
std::optional<int> ValueIndex(const Settings::Choice& choice, std::string_view word) {
    const std::string lower = Lower(word);
    const auto& values = choice.Values;
    const auto found = std::find(values.begin(), values.end(), lower);
    if (found != values.end())
        return static_cast<int>(found - values.begin());
    if (values == OffOn) {
        for (const char* on : {"true", "yes", "1"})
            if (lower == on)
                return 1;
        for (const char* off : {"false", "no", "0"})
            if (lower == off)
                return 0;
    }
    if (values == Volumes()) {
        int volume = -1;
        const auto [end, error] = std::from_chars(lower.data(), lower.data() + lower.size(), volume);
        if (error == std::errc() && end == lower.data() + lower.size() && volume >= 0 && volume <= Settings::MaxVolume)
            return (volume + Settings::VolumeStep / 2) / Settings::VolumeStep;
    }
    return std::nullopt;
}

// Sets the key a "name = value" line names; false for any other line.
bool Assign(Settings& settings, std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    const Settings::Choice* choice = Settings::Find(PlainText::Trim(line.substr(0, equals)));
    if (choice == nullptr)
        return false;
    const std::optional<int> index = ValueIndex(*choice, PlainText::Trim(line.substr(equals + 1)));
    if (!index)
        return false;
    choice->Set(settings, *index);
    return true;
}

int VolumeIndex(int volume) { return (volume + Settings::VolumeStep / 2) / Settings::VolumeStep; }
}  // namespace

const std::vector<Settings::Choice>& Settings::Choices() {
    using S = Settings;
    static const std::vector<Choice> choices{
        {"fullscreen", OffOn, [](const S& s) { return int(s.Fullscreen); }, [](S& s, int i) { s.Fullscreen = i; }},
        {"scale", {"auto", "1", "2", "3", "4"}, [](const S& s) { return s.Scale; }, [](S& s, int i) { s.Scale = i; }},
        {"smooth", OffOn, [](const S& s) { return int(s.Smooth); }, [](S& s, int i) { s.Smooth = i; }},
        {"keys", {"position", "letters"}, [](const S& s) { return int(s.Keys); },
         [](S& s, int i) { s.Keys = KeyReading(i); }},
        {"music", OffOn, [](const S& s) { return int(s.Music); }, [](S& s, int i) { s.Music = i; }},
        {"music_volume", Volumes(), [](const S& s) { return VolumeIndex(s.MusicVolume); },
         [](S& s, int i) { s.MusicVolume = i * VolumeStep; }},
        {"effects", OffOn, [](const S& s) { return int(s.Effects); }, [](S& s, int i) { s.Effects = i; }},
        {"effects_volume", Volumes(), [](const S& s) { return VolumeIndex(s.EffectsVolume); },
         [](S& s, int i) { s.EffectsVolume = i * VolumeStep; }},
        {"difficulty", {"easy", "normal", "hard"}, [](const S& s) { return int(s.Difficulty); },
         [](S& s, int i) { s.Difficulty = Skill(i); }},
        {"game_speed", {"100", "90", "80", "70", "60", "50"},
         [](const S& s) { return (Assists::FullSpeed - s.Helps.SpeedPercent) / Assists::SpeedStep; },
         [](S& s, int i) { s.Helps.SpeedPercent = Assists::FullSpeed - i * Assists::SpeedStep; }},
        {"invincible", OffOn, [](const S& s) { return int(s.Helps.Invincible); },
         [](S& s, int i) { s.Helps.Invincible = i; }},
        {"fewer_flashes", OffOn, [](const S& s) { return int(s.Helps.FewerFlashes); },
         [](S& s, int i) { s.Helps.FewerFlashes = i; }},
        {"language", Languages(), [](const S& s) { return LanguageIndex(s.Language); },
         [](S& s, int i) { s.Language = Languages()[static_cast<size_t>(i)]; }},
        {"practice_restart", OffOn, [](const S& s) { return int(s.PracticeRestart); },
         [](S& s, int i) { s.PracticeRestart = i; }},
    };
    return choices;
}

const Settings::Choice* Settings::Find(std::string_view key) {
    const std::string name = Lower(key);
    for (const Choice& choice : Choices())
        if (name == choice.Key)
            return &choice;
    return nullptr;
}

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
            inOurSection = Lower(line) == OurSection;
            understood = inOurSection;
        } else if (!understood) {
            understood = inOurSection && (Assign(settings, line) || settings.Bindings.Read(line));
        }
        if (!understood && firstStray == 0)
            firstStray = static_cast<int>(i + 1);
    }
    settings.Bindings.Settle();
    if (firstStrayLine != nullptr)
        *firstStrayLine = firstStray;
    return settings;
}

bool Settings::Owns(std::string_view key) {
    static const std::set<std::string> owned = [] {
        std::set<std::string> keys;
        for (const auto& [key, word] : Settings().Entries())
            keys.insert(key);
        return keys;
    }();
    return owned.count(Lower(key)) != 0;
}

std::vector<std::pair<std::string, std::string>> Settings::Entries() const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const Choice& choice : Choices()) {
        // A value set out of range in code is written as the nearest one the file takes.
        const int last = static_cast<int>(choice.Values.size()) - 1;
        const int index = std::clamp(choice.Get(*this), 0, last);
        entries.emplace_back(choice.Key, choice.Values[static_cast<size_t>(index)]);
    }
    for (auto& entry : Bindings.Entries())
        entries.push_back(std::move(entry));
    return entries;
}

Settings Settings::Load(const std::string& path) {
    const AtomicFile::Contents file = AtomicFile::Read(path, MaxFileBytes);
    if (file.Status == AtomicFile::ReadStatus::Missing)
        return Settings();
    TextLayout layout;
    std::string text, problem;
    if (file.Status != AtomicFile::ReadStatus::Read || !TextLayout::Read(file.Text, layout, text, problem)) {
        const std::string why = file.Status == AtomicFile::ReadStatus::Read
                                    // TRANSLATORS: a file ({1}) and what is wrong with it ({2}).
                                    ? Catalogue::Fill(Tr("{1}: {2}"), {Log::Quoted(path), problem})
                                    : file.Reason;
        Log::Warn(Catalogue::Fill(Tr("cannot load the settings: {1}; using the defaults, and the file is never written over"),
                                  {why}));
        return Settings();
    }
    int firstStray = 0;
    const Settings settings = Parse(text, &firstStray);
    if (firstStray != 0)
        Log::Warn(Catalogue::Fill(Tr("ignoring the lines of {1} that are not settings (the first is line {2})"),
                                  {Log::Quoted(path), std::to_string(firstStray)}));
    return settings;
}

std::string Settings::LanguageIn(const std::string& path) {
    const AtomicFile::Contents file = AtomicFile::Read(path, MaxFileBytes);
    TextLayout layout;
    std::string text, problem;
    if (file.Status != AtomicFile::ReadStatus::Read || !TextLayout::Read(file.Text, layout, text, problem))
        return Settings().Language;
    return Parse(text).Language;
}

bool Settings::Save(const std::string& path) const {
    const AtomicFile::Contents file = AtomicFile::Read(path, MaxFileBytes);
    TextLayout layout;
    std::string text, problem, reason;
    bool saved = false;
    if (file.Status == AtomicFile::ReadStatus::Missing) {
        saved = AtomicFile::Write(path, Text(), reason);
    } else if (file.Status == AtomicFile::ReadStatus::Read && TextLayout::Read(file.Text, layout, text, problem)) {
        saved = AtomicFile::Write(path, layout.Write(MergedInto(text)), reason);
    } else if (file.Status == AtomicFile::ReadStatus::NotRegular) {
        reason = file.Reason;
    } else {
        const std::string why = file.Status == AtomicFile::ReadStatus::Read ? problem : file.Reason;
        const std::string aside = AtomicFile::MoveAside(path, ".bad", reason);
        if (aside.empty()) {
            Log::Warn(Catalogue::Fill(Tr("not saving the settings over {1}, which could not be read ({2}) nor moved aside ({3})"),
                                      {Log::Quoted(path), why, reason}));
            return false;
        }
        saved = AtomicFile::Write(path, Text(), reason);
        Log::Warn(Catalogue::Fill(saved ? Tr("the settings in {1} could not be read ({2}); moved them to {3} and saved the new ones")
                                        : Tr("the settings in {1} could not be read ({2}); moved them to {3}"),
                                  {Log::Quoted(path), why, Log::Quoted(aside)}));
    }
    if (!saved)
        Log::Warn(Catalogue::Fill(Tr("cannot save the settings: {1}"), {reason}));
    return saved;
}

std::string Settings::Text() const {
    std::string text = "# KORVANTA settings; korvanta(6) says what each key takes\n" + std::string(OurSection) + "\n";
    for (const auto& [key, word] : Entries())
        text += key + " = " + word + "\n";
    return text;
}

std::string Settings::MergedInto(std::string_view text) const {
    std::vector<std::string> lines;
    for (const std::string_view line : PlainText::Lines(text))
        lines.emplace_back(line);
    if (std::all_of(lines.begin(), lines.end(), PlainText::IsBlank))
        return Text();
    const auto entries = Entries();
    std::set<std::string> said;
    bool inOurs = true;
    std::optional<size_t> endOfOurs;  // the last line of the game's part that is not blank
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = PlainText::Trim(lines[i]);
        if (line.starts_with('[')) {
            inOurs = Lower(line) == OurSection;
            if (inOurs)
                endOfOurs = i;
            continue;
        }
        if (!inOurs || line.empty())
            continue;
        endOfOurs = i;
        const size_t equals = line.find('=');
        const std::string key = Lower(PlainText::Trim(line.substr(0, equals)));
        if (line.front() == '#' || line.front() == ';' || equals == std::string_view::npos || !Owns(key))
            continue;
        said.insert(key);
        Settings read = *this;
        // A line that already says what these settings hold is kept as written;
        // a binding the file had wrong is written out as it now stands.
        if ((Assign(read, line) || read.Bindings.Read(line)) && read == *this && read.Bindings.Refused().empty())
            continue;
        const auto entry = std::find_if(entries.begin(), entries.end(), [&key](const auto& e) { return e.first == key; });
        lines[i] = lines[i].substr(0, lines[i].find('=') + 1) + " " + entry->second;
    }
    std::vector<std::string> missing;
    for (const auto& [key, word] : entries)
        if (said.count(key) == 0)
            missing.push_back(key + " = " + word);
    if (!missing.empty()) {
        if (!endOfOurs) {
            lines.emplace_back(OurSection);
            endOfOurs = lines.size() - 1;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*endOfOurs) + 1, missing.begin(), missing.end());
    }
    std::string merged;
    for (const std::string& line : lines)
        merged += line + "\n";
    return merged;
}
