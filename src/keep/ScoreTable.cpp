#include "keep/ScoreTable.h"

#include <algorithm>
#include <cassert>
#include <string_view>

#include "keep/AtomicFile.h"
#include "engine/Catalogue.h"
#include "engine/Log.h"
#include "keep/PlainText.h"
#include "keep/TextLayout.h"

namespace {
using Run = ScoreTable::Run;

constexpr long long MaxCount = 999'999'999'999'999'999;  // 18 digits fit a long long
constexpr long MaxTenths = 9'999'999'999;                // 999 999 999.9 seconds
constexpr size_t MaxLineLength = 1024;
constexpr size_t MaxReplayName = 255;  // the longest file name Linux allows
constexpr const char* OutcomeNames[] = {"won", "lost", "left"};
constexpr const char* Header = "# score money outcome seconds date time replay difficulty level\n";
constexpr const char* AloneSuffix = "-alone";
constexpr int MostLevels = 99;

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

long long Number(std::string_view digits) {
    long long value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

bool ReadCount(std::string_view text, long long& value) {
    if (!IsDigits(text) || text.size() > 18)
        return false;
    value = Number(text);
    return true;
}

// "12", "12.3" or "12.34" (only the tenths are kept).
bool ReadTenths(std::string_view text, long& tenths) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "0" : text.substr(point + 1);
    if (!IsDigits(whole) || whole.size() > 9 || !IsDigits(fraction) || fraction.size() > 9)
        return false;
    tenths = static_cast<long>(Number(whole) * 10 + (fraction[0] - '0'));
    return true;
}

bool ReadOutcome(std::string_view text, ScoreTable::Outcome& outcome) {
    for (size_t i = 0; i < std::size(OutcomeNames); ++i) {
        const std::string_view name = OutcomeNames[i];
        if (std::equal(text.begin(), text.end(), name.begin(), name.end(),
                       [](char a, char b) { return (a | 0x20) == b; })) {
            outcome = static_cast<ScoreTable::Outcome>(i);
            return true;
        }
    }
    return false;
}

int DaysIn(long long month, long long year) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return days[month - 1] + (month == 2 && leap ? 1 : 0);
}

// "YYYY-MM-DD HH:MM:SS" naming a real moment (a leap second allowed).
bool IsTimestamp(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return false;
    long long part[6];
    for (int i = 0, at = 0; i < 6; at += (i == 0 ? 5 : 3), ++i) {
        const std::string_view digits = text.substr(at, i == 0 ? 4 : 2);
        if (!IsDigits(digits))
            return false;
        part[i] = Number(digits);
    }
    return part[0] >= 1900 && part[1] >= 1 && part[1] <= 12 && part[2] >= 1 && part[2] <= DaysIn(part[1], part[0]) &&
           part[3] <= 23 && part[4] <= 59 && part[5] <= 60;
}

// A plain file name in the replays folder: no way out of it, and nothing
// that could work the terminal when the table is printed.
bool IsReplayName(std::string_view name) {
    return !name.empty() && name.size() <= MaxReplayName && name != "-" && name != "." && name != ".." &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c <= '~' && c != '/'; });
}

// "3" for a campaign run that reached level 3, "3-alone" for level 3 played on its own.
bool ReadLevel(std::string_view text, Run& run) {
    run.Alone = text.ends_with(AloneSuffix);
    if (run.Alone)
        text.remove_suffix(std::string_view(AloneSuffix).size());
    if (!IsDigits(text) || text.size() > 2 || text[0] == '0')
        return false;
    run.Level = static_cast<int>(Number(text));
    return true;
}

std::string LevelWord(const Run& run) { return std::to_string(run.Level) + (run.Alone ? AloneSuffix : ""); }

// The level as korvanta --scores shows it: LevelWord in the player's language.
std::string ShownLevel(const Run& run) {
    // TRANSLATORS: level {1} played on its own, in a column of korvanta --scores: one word, no blank.
    return run.Alone ? Catalogue::Fill(Tr("{1}-alone"), {std::to_string(run.Level)}) : std::to_string(run.Level);
}

const char* OutcomeWord(ScoreTable::Outcome outcome) {
    using O = ScoreTable::Outcome;
    return outcome == O::Won ? TrIn("outcome", "won") : outcome == O::Lost ? TrIn("outcome", "lost") : TrIn("outcome", "left");
}

// Fills `run` from one line of the file; what is wrong with it otherwise.
// Lines without the difficulty, from before the game had them, are normal.
std::string ReadRun(std::string_view line, Run& run) {
    if (line.size() > MaxLineLength)
        return Tr("line too long");
    const std::vector<std::string_view> word = PlainText::Words(line);
    if (word.size() < 7 || word.size() > 9)
        return word.size() < 7 ? Tr("too few fields") : Tr("too many fields");
    if (!ReadCount(word[0], run.Score))
        return Catalogue::Fill(Tr("bad score {1}"), {Log::Quoted(word[0])});
    if (!ReadCount(word[1], run.Money))
        return Catalogue::Fill(Tr("bad money {1}"), {Log::Quoted(word[1])});
    if (!ReadOutcome(word[2], run.Result))
        return Catalogue::Fill(Tr("unknown outcome {1}"), {Log::Quoted(word[2])});
    if (!ReadTenths(word[3], run.Tenths))
        return Catalogue::Fill(Tr("bad seconds {1}"), {Log::Quoted(word[3])});
    run.When = std::string(word[4]) + " " + std::string(word[5]);
    if (!IsTimestamp(run.When))
        return Catalogue::Fill(Tr("bad date {1}"), {Log::Quoted(run.When)});
    if (word[6] != "-" && !IsReplayName(word[6]))
        return Catalogue::Fill(Tr("bad replay name {1}"), {Log::Quoted(word[6])});
    run.Replay = word[6] == "-" ? "" : std::string(word[6]);
    const std::optional<Skill> skill = word.size() >= 8 ? SkillNamed(word[7]) : Skill::Normal;
    if (!skill)
        return Catalogue::Fill(Tr("unknown difficulty {1}"), {Log::Quoted(word[7])});
    run.Difficulty = *skill;
    if (word.size() == 9 && !ReadLevel(word[8], run))
        return Catalogue::Fill(Tr("bad level {1}"), {Log::Quoted(word[8])});
    return "";
}

// "3", "3 and 7" or "3, 7 and 9", the numbers of the damaged lines; a long
// list is cut ("1, 2, ... 10 and 4 more"). `join` and `more` are the
// patterns of the last part, in the language the list is for.
std::string LineNumbers(const std::vector<ScoreTable::DamagedLine>& lines, const char* join, const char* more) {
    constexpr size_t Named = 10;
    std::string numbers = std::to_string(lines.front().Number);
    for (size_t i = 1; i < lines.size() && i < Named; ++i) {
        const std::string number = std::to_string(lines[i].Number);
        numbers = i + 1 == lines.size() ? Catalogue::Fill(join, {numbers, number}) : numbers + ", " + number;
    }
    if (lines.size() > Named)
        numbers = Catalogue::Fill(more, {numbers, std::to_string(lines.size() - Named)});
    return numbers;
}

std::string LineNumbers(const std::vector<ScoreTable::DamagedLine>& lines) {
    // TRANSLATORS: the last two of a list of line numbers.
    return LineNumbers(lines, Tr("{1} and {2}"), Tr("{1} and {2} more"));
}

// The columns are lined up by characters, not bytes, for the languages
// written beyond ASCII.
size_t Width(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

bool IsSkill(Skill skill) { return skill == Skill::Easy || skill == Skill::Normal || skill == Skill::Hard; }

std::string Seconds(long tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

// Rows of cells in columns as wide as their widest cell; the columns in
// `rightAligned` (numbers) are aligned on their right edge.
std::string Columns(const std::vector<std::vector<std::string>>& rows, std::string_view rightAligned) {
    std::vector<size_t> width(rows.front().size(), 0);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], Width(row[c]));
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            const std::string pad(width[c] - Width(row[c]), ' ');
            line += (c == 0 ? "" : "  ") + (rightAligned[c] == 'r' ? pad + row[c] : row[c] + pad);
        }
        text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return text;
}
}  // namespace

bool ScoreTable::IsValid(const Run& run) {
    return run.Score >= 0 && run.Score <= MaxCount && run.Money >= 0 && run.Money <= MaxCount && run.Tenths >= 0 &&
           run.Tenths <= MaxTenths && IsTimestamp(run.When) && (run.Replay.empty() || IsReplayName(run.Replay)) &&
           static_cast<size_t>(run.Result) < std::size(OutcomeNames) && IsSkill(run.Difficulty) && run.Level >= 1 &&
           run.Level <= MostLevels;
}

std::string ScoreTable::Timestamp(std::time_t when) {
    std::tm local{};
    char text[32];
    if (localtime_r(&when, &local) == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) == 0)
        return "";
    return text;
}

ScoreTable ScoreTable::Parse(std::string_view text) {
    ScoreTable table;
    const std::vector<std::string_view> lines = PlainText::Lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = PlainText::Trim(lines[i]);
        if (line.empty() || line.front() == '#')
            continue;
        Run run;
        const std::string fault = ReadRun(line, run);
        if (fault.empty())
            table.runs_.push_back(std::move(run));
        else
            table.damaged_.push_back({static_cast<int>(i + 1), std::string(lines[i]), fault});
    }
    // Stable: of equal scores, the one written first stays ahead.
    std::stable_sort(table.runs_.begin(), table.runs_.end(),
                     [](const Run& a, const Run& b) { return a.Score > b.Score; });
    table.CutToCapacity();
    return table;
}

void ScoreTable::CutToCapacity() {
    size_t kept[3] = {};
    std::erase_if(runs_, [&kept](const Run& run) { return ++kept[static_cast<size_t>(run.Difficulty)] > Capacity; });
}

size_t ScoreTable::Kept(Skill difficulty) const {
    return static_cast<size_t>(
        std::count_if(runs_.begin(), runs_.end(), [difficulty](const Run& run) { return run.Difficulty == difficulty; }));
}

ScoreTable ScoreTable::Load(const std::string& path) {
    ScoreTable table;
    const AtomicFile::Contents file = AtomicFile::Read(path, MaxFileBytes);
    TextLayout layout;
    std::string text, problem;
    switch (file.Status) {
    case AtomicFile::ReadStatus::Missing:
        break;
    case AtomicFile::ReadStatus::Read:
        if (TextLayout::Read(file.Text, layout, text, problem)) {
            table = Parse(text);
            if (!table.damaged_.empty())
                Log::Warn(Catalogue::Fill(table.damaged_.size() == 1
                                              ? Tr("line {1} of {2} is damaged ({3}); the other runs are kept")
                                              : Tr("lines {1} of {2} are damaged ({3}); the other runs are kept"),
                                          {LineNumbers(table.damaged_), Log::Quoted(path),
                                           table.damaged_.front().Problem}));
            table.unreadPath_ = table.damaged_.empty() ? "" : path;
            break;
        }
        [[fallthrough]];
    case AtomicFile::ReadStatus::TooLarge:
        table.unreadPath_ = path;
        Log::Warn(Catalogue::Fill(Tr("the scores in {1} cannot be read ({2}); a new table starts and the file is kept"),
                                  {Log::Quoted(path), problem.empty() ? file.Reason : problem}));
        break;
    case AtomicFile::ReadStatus::NotRegular:
    case AtomicFile::ReadStatus::Unreadable:
        table.KeepFromSaving(path, file.Reason);
        Log::Warn(Catalogue::Fill(Tr("cannot load the scores: {1}; new scores will not be saved"), {file.Reason}));
        break;
    }
    return table;
}

void ScoreTable::KeepFromSaving(const std::string& path, const std::string& reason) {
    unsavedPath_ = path;
    unsavedReason_ = reason;
}

// Damaged lines are copied, the rest of the file stays until the table
// replaces it; a file that was no table is moved whole. Either is kept for
// the player to look at, never deleted.
bool ScoreTable::SetAside(const std::string& path, std::string& reason) {
    if (unreadPath_.empty() || path != unreadPath_)
        return true;
    std::string aside;
    const char* kept = nullptr;
    const bool one = damaged_.size() == 1;
    if (damaged_.empty()) {
        aside = AtomicFile::MoveAside(path, ".bad", reason);
        kept = Tr("moved the scores it could not read from {1} to {2}");
    } else {
        // The file itself is the same in every language.
        std::string lines = std::string(one ? "# line " : "# lines ") +
                            LineNumbers(damaged_, "{1} and {2}", "{1} and {2} more") + " of " + Log::Quoted(path) +
                            (one ? " is" : " are") + " damaged, left out of the table\n";
        for (const DamagedLine& line : damaged_)
            lines += line.Text + "\n";
        aside = AtomicFile::WriteAside(path, ".bad", lines, reason);
        // TRANSLATORS: {3} the numbers of the lines, {1} the scores file, {2} the copy.
        kept = one ? Tr("copied line {3} of {1} to {2}") : Tr("copied lines {3} of {1} to {2}");
    }
    if (aside.empty())
        return false;
    Log::Warn(Catalogue::Fill(kept, {Log::Quoted(path), Log::Quoted(aside), damaged_.empty() ? "" : LineNumbers(damaged_)}));
    unreadPath_.clear();
    damaged_.clear();
    return true;
}

bool ScoreTable::Save(const std::string& path) {
    if (!unsavedPath_.empty() && path == unsavedPath_) {
        Log::Warn(Catalogue::Fill(Tr("not saving the scores over {1}, which could not be loaded ({2})"),
                                  {Log::Quoted(path), unsavedReason_}));
        return false;
    }
    std::string reason;
    if (!SetAside(path, reason)) {
        Log::Warn(Catalogue::Fill(Tr("not saving the scores over {1}, whose unread part cannot be kept ({2})"),
                                  {Log::Quoted(path), reason}));
        return false;
    }
    if (AtomicFile::Write(path, Text(), reason))
        return true;
    Log::Warn(Catalogue::Fill(Tr("cannot save the scores: {1}"), {reason}));
    return false;
}

bool ScoreTable::Add(const Run& run) {
    if (run.Score <= 0 || !IsValid(run))
        return false;
    if (Kept(run.Difficulty) == Capacity) {
        const auto lowest = std::find_if(runs_.rbegin(), runs_.rend(),
                                         [&run](const Run& r) { return r.Difficulty == run.Difficulty; });
        if (run.Score <= lowest->Score)
            return false;
        runs_.erase(std::next(lowest).base());
    }
    const auto behindEqualScores = std::upper_bound(runs_.begin(), runs_.end(), run.Score,
                                                    [](long long score, const Run& r) { return score > r.Score; });
    runs_.insert(behindEqualScores, run);
    assert(Kept(run.Difficulty) <= Capacity);
    return true;
}

bool ScoreTable::IsNewBest(long long score, Skill difficulty) const {
    const Run* best = Best(difficulty);
    return score > 0 && (best == nullptr || score > best->Score);
}

const ScoreTable::Run* ScoreTable::Best(Skill difficulty) const {
    const auto best = std::find_if(runs_.begin(), runs_.end(),
                                   [difficulty](const Run& run) { return run.Difficulty == difficulty && !run.Alone; });
    return best == runs_.end() ? nullptr : &*best;
}

const ScoreTable::Run* ScoreTable::Best() const { return runs_.empty() ? nullptr : &runs_.front(); }

bool ScoreTable::IsNewBest(long long score, std::string_view difficulty) const {
    const std::optional<Skill> skill = SkillNamed(difficulty);
    return score > 0 && (!skill || IsNewBest(score, *skill));
}

std::optional<long long> ScoreTable::BestScore(std::string_view difficulty) const {
    const std::optional<Skill> skill = SkillNamed(difficulty);
    const Run* best = skill ? Best(*skill) : nullptr;
    return best == nullptr ? std::nullopt : std::optional<long long>(best->Score);
}

std::string ScoreTable::Text() const {
    std::string text = Header;
    for (const Run& run : runs_)
        text += std::to_string(run.Score) + " " + std::to_string(run.Money) + " " +
                OutcomeNames[static_cast<size_t>(run.Result)] + " " + Seconds(run.Tenths) + " " + run.When + " " +
                (run.Replay.empty() ? "-" : run.Replay) + " " + SkillName(run.Difficulty) + " " + LevelWord(run) + "\n";
    return text;
}

std::string ScoreTable::Format() const {
    if (runs_.empty())
        return std::string(Tr("No scores yet.")) + "\n";
    std::string text;
    for (const Skill skill : {Skill::Normal, Skill::Easy, Skill::Hard}) {
        std::vector<std::vector<std::string>> rows = {
            {"#", Tr("Score"), Tr("Money"), Tr("Outcome"), Tr("Level"), Tr("Seconds"), Tr("Date"), Tr("Replay")}};
        for (const Run& run : runs_)
            if (run.Difficulty == skill)
                rows.push_back({std::to_string(rows.size()), std::to_string(run.Score), std::to_string(run.Money),
                                OutcomeWord(run.Result), ShownLevel(run), Catalogue::Decimal(Seconds(run.Tenths)),
                                run.When, run.Replay.empty() ? "-" : run.Replay});
        if (rows.size() == 1)
            continue;
        const char* name = skill == Skill::Easy ? Tr("Easy") : skill == Skill::Hard ? Tr("Hard") : Tr("Normal");
        text += (text.empty() ? "" : "\n") + std::string(name) + "\n" + Columns(rows, "rrrllrll");
    }
    return text;
}
