#include "levels/LevelFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "engine/Catalogue.h"

namespace {
using Wave = Level::Wave;
using Kind = Wave::Kind;

constexpr std::string_view Blanks = " \t\r\v\f";
constexpr size_t MaxLineLength = 1000;
constexpr size_t MaxNameLength = 32;
constexpr size_t QuotedLength = 40;
constexpr int32_t LongestLevelMs = 600'000;

const char* const KindNames[] = {"mines", "column", "snake", "vee", "rocks", "swarm", "arms", "boss"};
const char* const SizeNames[] = {"small", "medium", "big"};
const char* const SideNames[] = {"right", "top", "bottom"};

// The blank-separated words of a line.
std::vector<std::string> Words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number of at most nine digits.
std::optional<int> WholeNumber(std::string_view text) {
    if (!IsDigits(text) || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// Seconds with at most three decimals ("12", "22.5", "0.125") as milliseconds.
std::optional<int> Milliseconds(std::string_view text) {
    const size_t point = text.find('.');
    const std::optional<int> whole = WholeNumber(text.substr(0, point));
    if (!whole || *whole > 100'000)
        return std::nullopt;
    int ms = *whole * 1000;
    if (point == std::string_view::npos)
        return ms;
    const std::string_view fraction = text.substr(point + 1);
    if (!IsDigits(fraction) || fraction.size() > 3)
        return std::nullopt;
    int scale = 100;
    for (char c : fraction) {
        ms += (c - '0') * scale;
        scale /= 10;
    }
    return ms;
}

std::string Seconds(int ms) {
    std::string text = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03d", ms % 1000);
        text += fraction;
        text.erase(text.find_last_not_of('0') + 1);
    }
    return text;
}

std::optional<uint32_t> Colour(std::string_view text) {
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(c) != 0; }))
        return std::nullopt;
    return static_cast<uint32_t>(std::stoul(std::string(text), nullptr, 16));
}

std::string Hex(uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06x", colour);
    return text;
}

template <size_t N>
std::optional<int> IndexOf(const char* const (&names)[N], std::string_view word) {
    for (size_t i = 0; i < N; ++i)
        if (word == names[i])
            return static_cast<int>(i);
    return std::nullopt;
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// What a wave of each kind is before its line says more, in the order of
// the kinds. A rock's gap and lane also depend on its size.
struct KindDefaults {
    int GapMs, SpreadMs, MineKind, Y, Count, Spacing, PeriodMs, FireMs;
};
constexpr KindDefaults DefaultsOf[] = {
    {500, 1500, 0, 300, 1, 0, 0, 0},    // mines
    {500, 0, 1, 300, 1, 0, 0, 0},       // column
    {300, 0, 0, 300, 1, 150, 4000, 0},  // snake
    {1000, 0, 0, 300, 7, 50, 0, 0},     // vee
    {1000, 0, 0, 300, 1, 0, 0, 0},      // rocks
    {1000, 0, 0, 300, 10, 0, 0, 0},     // swarm
    {1000, 0, 0, 80, 1, 0, 0, 500},     // arms
    {1000, 0, 0, 150, 1, 0, 0, 0},      // boss
};

Wave Defaults(Kind kind, Wave::Size size) {
    const KindDefaults& d = DefaultsOf[static_cast<int>(kind)];
    Wave wave;
    wave.What = kind;
    wave.GapMs = d.GapMs;
    wave.SpreadMs = d.SpreadMs;
    wave.MineKind = d.MineKind;
    wave.Y = d.Y;
    wave.Count = d.Count;
    wave.Spacing = d.Spacing;
    wave.PeriodMs = d.PeriodMs;
    wave.FireMs = d.FireMs;
    if (kind == Kind::Rocks) {
        static constexpr int gaps[] = {1000, 3000, 5000};
        wave.Rock = size;
        wave.GapMs = gaps[static_cast<int>(size)];
        wave.Lane = 6 + static_cast<int>(size);  // a lane of its own for each size
        wave.Fall = 100;
    }
    return wave;
}

// One key a wave of some kinds takes: its name, the field it fills and the
// whole numbers (or milliseconds) it allows.
struct Key {
    const char* Name;
    std::vector<Kind> Kinds;
    int Wave::*Field;
    int Least;
    int Most;
    bool InSeconds;
};

const std::vector<Key>& Keys() {
    using K = Kind;
    static const std::vector<Key> keys{
        {"kind", {K::Mines, K::Column, K::Snake, K::Vee}, &Wave::MineKind, 0, 3, false},
        {"y", {K::Column, K::Snake, K::Vee, K::Swarm, K::Arms, K::Boss}, &Wave::Y, 0, 600, false},
        {"gap", {K::Column, K::Snake, K::Vee, K::Rocks, K::Swarm, K::Arms, K::Boss}, &Wave::GapMs, 100, 60000, true},
        {"lane",
         {K::Mines, K::Column, K::Snake, K::Vee, K::Rocks, K::Swarm, K::Arms, K::Boss},
         &Wave::Lane,
         1,
         Wave::Lanes,
         false},
        {"count", {K::Vee}, &Wave::Count, 1, 15, false},
        {"count", {K::Arms}, &Wave::Count, 1, 3, false},
        {"children", {K::Swarm}, &Wave::Count, 0, 20, false},
        {"spacing", {K::Vee}, &Wave::Spacing, 20, 150, false},
        {"swing", {K::Snake}, &Wave::Spacing, 0, 300, false},
        {"period", {K::Snake}, &Wave::PeriodMs, 500, 60000, true},
        {"fall", {K::Rocks}, &Wave::Fall, 20, 600, false},
        {"fire", {K::Arms}, &Wave::FireMs, 100, 10000, true},
    };
    return keys;
}

const Key* KeyOf(Kind kind, std::string_view name) {
    for (const Key& key : Keys())
        if (name == key.Name && std::find(key.Kinds.begin(), key.Kinds.end(), kind) != key.Kinds.end())
            return &key;
    return nullptr;
}

std::string Range(int least, int most, bool inSeconds) {
    return inSeconds ? Catalogue::Fill(Tr("{1} to {2} seconds"), {Seconds(least), Seconds(most)})
                     : Catalogue::Fill(Tr("a whole number from {1} to {2}"), {std::to_string(least), std::to_string(most)});
}

// "charge must be 0.5 to 30 seconds, not "40"".
std::string OutOfRange(std::string_view name, const std::string& range, std::string_view value) {
    return Catalogue::Fill(Tr("{1} must be {2}, not {3}"), {name, range, LevelFile::Quoted(value)});
}

std::string TooLarge() {
    return Catalogue::Fill(Tr("too large for a level file (over {1} KiB)"), {std::to_string(LevelFile::MaxBytes / 1024)});
}

// NAME=VALUE words, each name once.
using Settings = std::vector<std::pair<std::string_view, std::string_view>>;

class Reader {
public:
    explicit Reader(std::vector<LevelFile::Fault>& faults) : Faults(faults) {}

    std::optional<Level> Read(std::string_view text) {
        int number = 0;
        bool versioned = false;
        while (!text.empty() && Faults.size() < LevelFile::MaxFaults) {
            const size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            Line = ++number;
            if (line.size() > MaxLineLength) {
                Fail(Tr("line too long"));
                continue;
            }
            line = line.substr(0, line.find('#'));
            const std::vector<std::string> words = Words(line);
            if (words.empty())
                continue;
            if (!versioned) {
                if (!ReadVersion(words))
                    return std::nullopt;
                versioned = true;
                continue;
            }
            ReadStatement(words, line);
        }
        Line = 0;
        if (!versioned) {
            Fail(Catalogue::Fill(Tr("empty: a level file begins with \"korvanta-level {1}\""), {std::to_string(LevelFile::Version)}));
            return std::nullopt;
        }
        Finish();
        if (!Faults.empty())
            return std::nullopt;
        return Plan;
    }

private:
    void Fail(const std::string& what) {
        if (Faults.size() < LevelFile::MaxFaults)
            Faults.push_back({Line, what});
    }

    bool ReadVersion(const std::vector<std::string>& words) {
        if (words[0] != "korvanta-level" || words.size() != 2 || !WholeNumber(words[1])) {
            Fail(Catalogue::Fill(Tr("not a level file: it must begin with \"korvanta-level {1}\""),
                                 {std::to_string(LevelFile::Version)}));
            return false;
        }
        if (WholeNumber(words[1]) != LevelFile::Version) {
            Fail(Catalogue::Fill(Tr("written in level format {1}; this game reads format {2}"),
                                 {words[1], std::to_string(LevelFile::Version)}));
            return false;
        }
        return true;
    }

    void ReadStatement(const std::vector<std::string>& words, std::string_view line) {
        const std::string& what = words[0];
        if (what == "name")
            ReadName(line.substr(line.find("name") + 4));
        else if (what == "music")
            ReadMusic(words);
        else if (what == "backdrop")
            ReadBackdrop(words);
        else if (what == "boss")
            ReadBoss(words);
        else if (what == "wave")
            ReadWave(words);
        else
            Fail(Catalogue::Fill(Tr("unknown statement {1}"), {LevelFile::Quoted(what)}));
    }

    void Once(bool& seen, const char* what) {
        if (seen)
            // TRANSLATORS: {1} is a statement of a level file: name, music, backdrop or boss.
            Fail(Catalogue::Fill(Tr("a second {1}"), {what}));
        seen = true;
    }

    void ReadName(std::string_view rest) {
        Once(SeenName, "name");
        const size_t first = rest.find_first_not_of(Blanks);
        const std::string_view name =
            first == std::string_view::npos ? "" : rest.substr(first, rest.find_last_not_of(Blanks) - first + 1);
        if (name.empty() || name.size() > MaxNameLength ||
            !std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            Fail(Catalogue::Fill(Tr("a name is 1 to {1} printable ASCII characters, not {2}"),
                                 {std::to_string(MaxNameLength), LevelFile::Quoted(name)}));
        else
            Plan.Name = std::string(name);
    }

    void ReadMusic(const std::vector<std::string>& words) {
        Once(SeenMusic, "music");
        if (words.size() != 2 || !Contains(LevelFile::Tracks(), words[1]))
            Fail(Catalogue::Fill(Tr("music is one of the game's tracks, not {1}"),
                                 {LevelFile::Quoted(words.size() > 1 ? words[1] : "")}));
        else
            Plan.Music = std::string(words[1]);
    }

    // Splits the NAME=VALUE words from `first` on; false after a fault.
    bool Split(const std::vector<std::string>& words, size_t first, Settings& out) {
        for (size_t i = first; i < words.size(); ++i) {
            const std::string_view word = words[i];
            const size_t equals = word.find('=');
            if (equals == std::string_view::npos || equals == 0 || equals + 1 == word.size()) {
                Fail(Catalogue::Fill(Tr("expected NAME=VALUE, not {1}"), {LevelFile::Quoted(word)}));
                return false;
            }
            const std::string_view name = word.substr(0, equals);
            if (std::any_of(out.begin(), out.end(), [&](const auto& s) { return s.first == name; })) {
                Fail(Catalogue::Fill(Tr("{1} given twice"), {LevelFile::Quoted(name)}));
                return false;
            }
            out.emplace_back(name, word.substr(equals + 1));
        }
        return true;
    }

    void ReadBackdrop(const std::vector<std::string>& words) {
        Once(SeenBackdrop, "backdrop");
        Settings settings;
        if (!Split(words, 1, settings))
            return;
        Level::Backdrop& look = Plan.Look;
        for (const auto& [name, value] : settings) {
            std::string* picture = name == "far"     ? &look.Far
                                   : name == "drift" ? &look.Drift
                                   : name == "near"  ? &look.Near
                                                     : nullptr;
            uint32_t* tint = name == "far-tint"     ? &look.FarTint
                             : name == "drift-tint" ? &look.DriftTint
                             : name == "near-tint"  ? &look.NearTint
                                                    : nullptr;
            if (picture != nullptr) {
                const auto& names = name == "drift" ? LevelFile::Drifters() : LevelFile::StarFields();
                if (Contains(names, value))
                    *picture = std::string(value);
                else
                    Fail(Catalogue::Fill(name == "drift" ? Tr("{1} is none of the game's planets and nebulae")
                                                         : Tr("{1} is none of the game's star fields"),
                                         {LevelFile::Quoted(value)}));
            } else if (tint != nullptr) {
                if (const std::optional<uint32_t> colour = Colour(value))
                    *tint = *colour;
                else
                    Fail(Catalogue::Fill(Tr("a tint is six hex digits RRGGBB, not {1}"), {LevelFile::Quoted(value)}));
            } else {
                Fail(Catalogue::Fill(Tr("a backdrop has no {1}"), {LevelFile::Quoted(name)}));
            }
        }
    }

    void ReadBoss(const std::vector<std::string>& words) {
        Once(SeenBoss, "boss");
        struct BossKey {
            const char* Name;
            int Level::BossPlan::*Field;
            int Least, Most;
            bool InSeconds;
        };
        static constexpr BossKey keys[] = {
            {"health", &Level::BossPlan::Health, 1, 100000, false},
            {"charge-at", &Level::BossPlan::ChargeAtMs, 1000, 120000, true},
            {"charge", &Level::BossPlan::ChargeMs, 500, 30000, true},
            {"ray", &Level::BossPlan::RayMs, 500, 60000, true},
            {"arms-fire", &Level::BossPlan::ArmFireMs, 100, 10000, true},
        };
        Settings settings;
        if (!Split(words, 1, settings))
            return;
        for (const auto& [name, value] : settings) {
            const std::string_view wanted = name;
            const auto key =
                std::find_if(std::begin(keys), std::end(keys), [wanted](const BossKey& k) { return wanted == k.Name; });
            if (key == std::end(keys)) {
                Fail(Catalogue::Fill(Tr("a boss has no {1}"), {LevelFile::Quoted(name)}));
                continue;
            }
            const std::optional<int> number = key->InSeconds ? Milliseconds(value) : WholeNumber(value);
            if (!number || *number < key->Least || *number > key->Most)
                Fail(OutOfRange(key->Name, Range(key->Least, key->Most, key->InSeconds), value));
            else
                Plan.Boss.*(key->Field) = *number;
        }
    }

    void ReadWave(const std::vector<std::string>& words) {
        if (words.size() < 4) {
            Fail(Tr("a wave needs its start and end in seconds and its kind"));
            return;
        }
        const std::optional<int> from = Milliseconds(words[1]), to = Milliseconds(words[2]);
        if (!from || !to || *from > LongestLevelMs || *to > LongestLevelMs) {
            Fail(Catalogue::Fill(Tr("a wave starts and ends within {1} seconds, not {2} and {3}"),
                                 {Seconds(LongestLevelMs), LevelFile::Quoted(words[1]), LevelFile::Quoted(words[2])}));
            return;
        }
        if (*from >= *to) {
            Fail(Catalogue::Fill(Tr("a wave must end after it starts, not at {1} after {2}"), {Seconds(*to), Seconds(*from)}));
            return;
        }
        const std::optional<int> kind = IndexOf(KindNames, words[3]);
        if (!kind) {
            Fail(Catalogue::Fill(Tr("unknown wave kind {1}"), {LevelFile::Quoted(words[3])}));
            return;
        }
        Settings settings;
        if (!Split(words, 4, settings))
            return;
        std::optional<Wave> wave = BuildWave(static_cast<Kind>(*kind), settings);
        if (!wave)
            return;
        wave->From = *from;
        wave->To = *to;
        CheckBoss(*wave);
        if (Plan.Waves.size() == LevelFile::MaxWaves)
            Fail(Catalogue::Fill(Tr("more than {1} waves"), {std::to_string(LevelFile::MaxWaves)}));
        else
            Plan.Waves.push_back(*wave);
    }

    // The wave of `kind` as its settings make it; none after a fault.
    std::optional<Wave> BuildWave(Kind kind, const Settings& settings) {
        const char* const kindName = KindNames[static_cast<int>(kind)];
        Wave::Size size = Wave::Size::Small;
        Wave::Side side = Wave::Side::Right;
        bool ok = true;
        // The words first: a rock's size decides its defaults.
        for (const auto& [name, value] : settings) {
            if (kind == Kind::Rocks && (name == "size" || name == "from")) {
                const std::optional<int> index = name == "size" ? IndexOf(SizeNames, value) : IndexOf(SideNames, value);
                if (!index) {
                    Fail(Catalogue::Fill(name == "size" ? Tr("size is small, medium or big, not {1}")
                                                        : Tr("from is right, top or bottom, not {1}"),
                                         {LevelFile::Quoted(value)}));
                    ok = false;
                } else if (name == "size") {
                    size = static_cast<Wave::Size>(*index);
                } else {
                    side = static_cast<Wave::Side>(*index);
                }
            }
        }
        Wave wave = Defaults(kind, size);
        wave.Enters = side;
        for (const auto& [name, value] : settings) {
            if (kind == Kind::Rocks && (name == "size" || name == "from"))
                continue;
            if (kind == Kind::Mines && name == "gap") {
                ok = ReadRandomGap(value, wave) && ok;
                continue;
            }
            const Key* key = KeyOf(kind, name);
            if (key == nullptr) {
                // TRANSLATORS: {1} is a kind of wave of a level file (mines, rocks, snake...).
                Fail(Catalogue::Fill(Tr("a {1} wave has no {2}"), {kindName, LevelFile::Quoted(name)}));
                ok = false;
                continue;
            }
            const std::optional<int> number = key->InSeconds ? Milliseconds(value) : WholeNumber(value);
            if (!number || *number < key->Least || *number > key->Most) {
                Fail(OutOfRange(name, Range(key->Least, key->Most, key->InSeconds), value));
                ok = false;
                continue;
            }
            wave.*(key->Field) = *number;
        }
        return ok ? std::optional<Wave>(wave) : std::nullopt;
    }

    // Single mines wait "gap=LEAST..MOST" seconds (or a fixed "gap=SECONDS").
    bool ReadRandomGap(std::string_view value, Wave& wave) {
        const size_t dots = value.find("..");
        const std::optional<int> least = Milliseconds(value.substr(0, dots));
        const std::optional<int> most = dots == std::string_view::npos ? least : Milliseconds(value.substr(dots + 2));
        if (!least || !most || *least < 100 || *most > 60000 || *most < *least) {
            Fail(Catalogue::Fill(Tr("gap must be LEAST..MOST seconds from 0.1 to 60, not {1}"), {LevelFile::Quoted(value)}));
            return false;
        }
        wave.GapMs = *least;
        wave.SpreadMs = *most - *least;
        return true;
    }

    void CheckBoss(const Wave& wave) {
        if (wave.What != Kind::Boss)
            return;
        if (SeenBossWave)
            Fail(Tr("a second boss wave"));
        SeenBossWave = true;
        // Each group restarts its lane's clock: a window no longer than the
        // gap lets exactly one boss through.
        if (wave.To - wave.From > wave.GapMs)
            Fail(Tr("the boss wave lasts longer than its gap, so more than one boss would come"));
    }

    void Finish() {
        if (!SeenName)
            Fail(Tr("no name"));
        if (!SeenBossWave)
            Fail(Tr("no boss wave: the level could never be won"));
    }

    std::vector<LevelFile::Fault>& Faults;
    Level Plan;
    int Line = 0;
    bool SeenName = false, SeenMusic = false, SeenBackdrop = false, SeenBoss = false, SeenBossWave = false;
};

void Write(std::string& out, const Wave& wave) {
    out += "wave " + Seconds(wave.From) + " " + Seconds(wave.To) + " " + KindNames[static_cast<int>(wave.What)];
    auto put = [&out](const std::string& name, const std::string& value) { out += " " + name + "=" + value; };
    if (wave.What == Kind::Rocks) {
        put("size", SizeNames[static_cast<int>(wave.Rock)]);
        put("from", SideNames[static_cast<int>(wave.Enters)]);
    }
    if (wave.What == Kind::Mines)
        put("gap", Seconds(wave.GapMs) + ".." + Seconds(wave.GapMs + wave.SpreadMs));
    for (const Key& key : Keys())
        if (std::find(key.Kinds.begin(), key.Kinds.end(), wave.What) != key.Kinds.end())
            put(key.Name, key.InSeconds ? Seconds(wave.*(key.Field)) : std::to_string(wave.*(key.Field)));
    out += "\n";
}
}  // namespace

std::optional<Level> LevelFile::Parse(std::string_view text, std::vector<Fault>& faults) {
    faults.clear();
    return Reader(faults).Read(text);
}

std::optional<Level> LevelFile::Load(const std::string& path, std::vector<std::string>& messages) {
    messages.clear();
    const std::string shown = Shown(path);
    struct stat info;
    std::string problem;
    if (stat(path.c_str(), &info) != 0)
        problem = Tr("no such file");
    else if (!S_ISREG(info.st_mode))
        problem = Tr("not a regular file");
    else if (static_cast<size_t>(info.st_size) > MaxBytes)
        problem = TooLarge();
    std::string bytes(MaxBytes + 1, '\0');
    if (problem.empty()) {
        // Bounded whatever the file claims: a special file may not know its size.
        std::ifstream in(path, std::ios::binary);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(in.gcount()));
        if (!in && !in.eof())
            problem = Tr("cannot be read");
        else if (bytes.size() > MaxBytes)
            problem = TooLarge();
    }
    if (!problem.empty()) {
        messages.push_back(shown + ": " + problem);
        return std::nullopt;
    }
    std::vector<Fault> faults;
    std::optional<Level> level = Parse(bytes, faults);
    for (const Fault& fault : faults)
        messages.push_back(shown + (fault.Line > 0 ? ":" + std::to_string(fault.Line) : "") + ": " + fault.What);
    if (faults.size() == MaxFaults)
        messages.push_back(shown + ": " + Tr("(more faults not shown)"));
    return level;
}

std::string LevelFile::Text(const Level& level) {
    const Level::Backdrop& look = level.Look;
    const Level::BossPlan& boss = level.Boss;
    std::string out = "korvanta-level " + std::to_string(Version) + "\n";
    out += "name " + level.Name + "\n";
    out += "backdrop far=" + look.Far + " drift=" + look.Drift + " near=" + look.Near +
           " far-tint=" + Hex(look.FarTint) + " drift-tint=" + Hex(look.DriftTint) +
           " near-tint=" + Hex(look.NearTint) + "\n";
    out += "music " + level.Music + "\n";
    out += "boss health=" + std::to_string(boss.Health) + " charge-at=" + Seconds(boss.ChargeAtMs) +
           " charge=" + Seconds(boss.ChargeMs) + " ray=" + Seconds(boss.RayMs) +
           " arms-fire=" + Seconds(boss.ArmFireMs) + "\n";
    for (const Wave& wave : level.Waves)
        Write(out, wave);
    return out;
}

uint64_t LevelFile::Fingerprint(const Level& level) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : Text(level))
        hash = (hash ^ c) * 0x100000001b3ULL;
    return hash;
}

const std::vector<std::string>& LevelFile::StarFields() {
    static const std::vector<std::string> names{"stars1", "stars2", "stars-ember", "stars-abyss"};
    return names;
}

const std::vector<std::string>& LevelFile::Drifters() {
    static const std::vector<std::string> names{"planet", "planet-ice", "nebula"};
    return names;
}

const std::vector<std::string>& LevelFile::Tracks() {
    static const std::vector<std::string> names{"Tarnel-Stompin_little_scouts", "Tarnel-Memory", "ember-run", "abyss"};
    return names;
}

std::string LevelFile::Shown(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (c >= ' ' && c <= '~' && c != '"' && c != '\\') {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            shown += escaped;
        }
    }
    return shown;
}

std::string LevelFile::Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += Shown(text.substr(0, QuotedLength));
    quoted += text.size() > QuotedLength ? "...\"" : "\"";
    return quoted;
}
