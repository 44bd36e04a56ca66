#include "program/ScoresPage.h"

#include <sys/stat.h>

#include <utility>

#include "engine/Layout.h"
#include "keep/RunLength.h"
#include "replay/RecordedLevel.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayShelf.h"

namespace {
using Align = TextCache::Align;
using Run = ScoreTable::Run;

constexpr int RowTextDrop = 5;
constexpr int EmptyLineTop = 250;
// The difficulty's name and its arrows, on the title's line.
constexpr int PickerTextDrop = 11;
constexpr int PickerArrowInset = 8;

std::string Outcome(ScoreTable::Outcome outcome) {
    switch (outcome) {
    case ScoreTable::Outcome::Won: return Tr("Won");
    case ScoreTable::Outcome::Lost: return Tr("Lost");
    case ScoreTable::Outcome::Left: break;
    }
    return Tr("Left");
}

// The difficulty as a sentence names it.
const char* SkillWord(Skill skill) {
    return skill == Skill::Easy ? Tr("easy") : skill == Skill::Hard ? Tr("hard") : Tr("normal");
}

bool IsFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A replay on the shelf that today's game can play, as far as its header
// and its size tell.
bool Plays(const std::string& path) {
    ReplayFile header;
    std::string why;
    return !path.empty() && RecordedLevel::Peek(path, header, why);
}
}  // namespace

const std::vector<ScoresPage::Column>& ScoresPage::Columns() {
    static const std::vector<Column> columns{
        {"#", 135, Align::Right, [](const Run&, int rank) { return std::to_string(rank); }},
        {TrNoop("Score"), 265, Align::Right, [](const Run& run, int) { return std::to_string(run.Score); }},
        {TrNoop("Money"), 375, Align::Right, [](const Run& run, int) { return std::to_string(run.Money); }},
        {TrNoop("Outcome"), 400, Align::Left, [](const Run& run, int) { return Outcome(run.Result); }},
        // The level a campaign run reached, or the one level played on its own.
        {TrNoop("Level"), 580, Align::Centre,
         [](const Run& run, int) {
             return run.Alone ? Catalogue::Fill(Tr("{1} alone"), {std::to_string(run.Level)}) : std::to_string(run.Level);
         }},
        {TrNoop("Seconds"), 700, Align::Right, [](const Run& run, int) { return Catalogue::Decimal(RunLength::Seconds(run.Tenths)); }},
        // The date and the minute; the seconds stay in the file.
        {TrNoop("Date"), 740, Align::Left, [](const Run& run, int) { return run.When.substr(0, 16); }},
    };
    return columns;
}

ScoresPage::ScoresPage(const ScoreTable& table, std::string replays, Watch watch, Skill shown, int entry)
    : ListPage(TrNoop("SCORES"), 112), Table(table), Replays(std::move(replays)), ShownSkill(shown), Play(std::move(watch)) {
    const std::string last = Replays.empty() ? "" : Replays + "/" + ReplayShelf::LastRun;
    if (!last.empty() && IsFile(last)) {
        LastRun = last;
        LastRunPlays = Plays(last);
    }
    Fill();
    ChooseFirst();
    ChooseEntry(entry);
}

void ScoresPage::Fill() {
    Rows.clear();
    for (const Run& run : Table.Runs()) {
        if (run.Difficulty != ShownSkill)
            continue;
        const std::string path = Replays.empty() || run.Replay.empty() ? "" : Replays + "/" + run.Replay;
        Rows.push_back({run, Plays(path) ? path : ""});
    }
}

void ScoresPage::Step(int, int by) {
    constexpr int Skills = 3;
    ShownSkill = static_cast<Skill>((static_cast<int>(ShownSkill) + by + Skills) % Skills);
    NoteLine.clear();
    Fill();
    ChooseFirst();
}

bool ScoresPage::OnTitleControl(float x, float y) const {
    const SDL_Rect picker{Layout::ScoreSkillPicker.X - Layout::ScoreSkillPickerWidth / 2,
                          Layout::ScoreSkillPicker.Y - Layout::ScoreSkillPickerHeight / 2,
                          Layout::ScoreSkillPickerWidth, Layout::ScoreSkillPickerHeight};
    return x > picker.x && x < picker.x + picker.w && y > picker.y && y < picker.y + picker.h;
}

void ScoresPage::ClickTitleControl(float x) { Step(0, x < Layout::ScoreSkillPicker.X ? -1 : +1); }

int ScoresPage::Entries() const { return static_cast<int>(Rows.size()) + (HasLastRun() ? 1 : 0); }

bool ScoresPage::Enabled(int entry) const {
    if (entry == LastRunEntry())
        return LastRunPlays;
    return !Rows[static_cast<size_t>(entry)].Replay.empty();
}

SDL_Rect ScoresPage::Area(int entry) const {
    const int top = entry == LastRunEntry() ? Layout::LastRunEntry.Y - Layout::ScoreRowHeight / 2
                                            : Layout::ScoreRowsTop + entry * Layout::ScoreRowHeight;
    return SDL_Rect{Layout::ScoreRowsLeft, static_cast<Sint16>(top),
                    Layout::ScoreRowsRight - Layout::ScoreRowsLeft, Layout::ScoreRowHeight};
}

void ScoresPage::Choose(int entry, float) {
    if (!Enabled(entry))
        return;
    const std::string& path = entry == LastRunEntry() ? LastRun : Rows[static_cast<size_t>(entry)].Replay;
    if (Play(path, entry, ShownSkill))
        return;
    // Damaged past its header, or gone or broken since the page opened.
    if (entry == LastRunEntry())
        LastRunPlays = false;
    else
        Rows[static_cast<size_t>(entry)].Replay.clear();
    NoteLine = Tr(Unplayable);
}

void ScoresPage::DrawEntries(SDL_Surface* target) {
    DrawPicker(target);
    if (Table.Runs().empty())
        Texts.DrawCentred(target, TextFont, Tr("No scores yet: every level you play can make the table."),
                          TextColour, EmptyLineTop);
    else if (Rows.empty())
        Texts.DrawCentred(target, TextFont, Catalogue::Fill(Tr("No scores on {1} yet."), {SkillWord(ShownSkill)}),
                          TextColour, EmptyLineTop);
    else
        for (const Column& column : Columns())
            Texts.DrawAt(target, TextFont, Tr(column.Heading), DimColour, column.X, Layout::ScoreHeadingsTop,
                         column.Align);
    for (size_t i = 0; i < Rows.size(); ++i)
        DrawRow(target, Rows[i], static_cast<int>(i) + 1);
    if (HasLastRun()) {
        const SDL_Color colour = LastRunPlays ? TextColour : DimColour;
        Texts.DrawCentred(target, TextFont, Tr("Watch the last run"), colour, Area(LastRunEntry()).y + RowTextDrop);
    }
    if (!NoteLine.empty())
        Texts.DrawCentred(target, TextFont, NoteLine, DimColour, Layout::ScoreNoteTop);
    if (Chosen() < Entries())
        Outline(target, Area(Chosen()));
}

void ScoresPage::DrawRow(SDL_Surface* target, const Row& row, int rank) {
    // The best stays gold, darker when its replay cannot be watched.
    const SDL_Color dimBest{150, 126, 56, 0};
    const SDL_Color colour = rank == 1 ? (row.Replay.empty() ? dimBest : BestColour)
                                       : (row.Replay.empty() ? DimColour : TextColour);
    const int top = Area(rank - 1).y + RowTextDrop;
    for (const Column& column : Columns())
        Texts.DrawAt(target, TextFont, column.Cell(row.Run, rank), colour, column.X, top, column.Align);
}

void ScoresPage::DrawPicker(SDL_Surface* target) {
    const int left = Layout::ScoreSkillPicker.X - Layout::ScoreSkillPickerWidth / 2;
    const int right = left + Layout::ScoreSkillPickerWidth;
    const int top = Layout::ScoreSkillPicker.Y - PickerTextDrop;
    const char* name = ShownSkill == Skill::Easy ? Tr("Easy") : ShownSkill == Skill::Hard ? Tr("Hard") : Tr("Normal");
    Texts.DrawAt(target, TextFont, "<", TextColour, left + PickerArrowInset, top, Align::Left);
    Texts.DrawAt(target, TextFont, name, BestColour, Layout::ScoreSkillPicker.X, top, Align::Centre);
    Texts.DrawAt(target, TextFont, ">", TextColour, right - PickerArrowInset, top, Align::Right);
}
