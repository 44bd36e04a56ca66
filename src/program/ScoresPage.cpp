#include "program/ScoresPage.h"

#include <sys/stat.h>

#include <utility>

#include "engine/Layout.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayShelf.h"

namespace {
using Align = TextCache::Align;
using Run = ScoreTable::Run;

constexpr int RowTextDrop = 5;
constexpr int EmptyLineTop = 250;

std::string Outcome(ScoreTable::Outcome outcome) {
    switch (outcome) {
    case ScoreTable::Outcome::Won: return "Won";
    case ScoreTable::Outcome::Lost: return "Lost";
    case ScoreTable::Outcome::Left: break;
    }
    return "Left";
}

std::string Seconds(long tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

bool IsFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A replay on the shelf that today's game can play.
bool Plays(const std::string& path) {
    ReplayFile run;
    std::string why;
    return !path.empty() && ReplayFile::Load(path, run, why);
}
}  // namespace

const std::vector<ScoresPage::Column>& ScoresPage::Columns() {
    static const std::vector<Column> columns{
        {"#", 150, Align::Right, [](const Run&, int rank) { return std::to_string(rank); }},
        {"Score", 300, Align::Right, [](const Run& run, int) { return std::to_string(run.Score); }},
        {"Money", 430, Align::Right, [](const Run& run, int) { return std::to_string(run.Money); }},
        {"Outcome", 480, Align::Left, [](const Run& run, int) { return Outcome(run.Result); }},
        {"Seconds", 700, Align::Right, [](const Run& run, int) { return Seconds(run.Tenths); }},
        // The date and the minute; the seconds stay in the file.
        {"Date", 740, Align::Left, [](const Run& run, int) { return run.When.substr(0, 16); }},
    };
    return columns;
}

ScoresPage::ScoresPage(const ScoreTable& table, const std::string& replays, Watch watch, int entry)
    : ListPage("SCORES", 96), Play(std::move(watch)) {
    for (const Run& run : table.Runs()) {
        const std::string path = replays.empty() || run.Replay.empty() ? "" : replays + "/" + run.Replay;
        Rows.push_back({run, Plays(path) ? path : ""});
    }
    const std::string last = replays.empty() ? "" : replays + "/" + ReplayShelf::LastRun;
    if (!last.empty() && IsFile(last)) {
        LastRun = last;
        LastRunPlays = Plays(last);
    }
    ChooseFirst();
    ChooseEntry(entry);
}

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
    if (Play(path, entry))
        return;
    // The file went or broke since the page opened.
    if (entry == LastRunEntry())
        LastRunPlays = false;
    else
        Rows[static_cast<size_t>(entry)].Replay.clear();
}

void ScoresPage::DrawEntries(SDL_Surface* target) {
    if (Rows.empty())
        Texts.DrawCentred(target, TextFont, "No scores yet: every level you play can make the table.", TextColour,
                          EmptyLineTop);
    else
        for (const Column& column : Columns())
            Texts.DrawAt(target, TextFont, column.Heading, DimColour, column.X, Layout::ScoreHeadingsTop,
                         column.Align);
    for (size_t i = 0; i < Rows.size(); ++i)
        DrawRow(target, Rows[i], static_cast<int>(i) + 1);
    if (HasLastRun()) {
        const SDL_Color colour = LastRunPlays ? TextColour : DimColour;
        Texts.DrawCentred(target, TextFont, "Watch the last run", colour, Area(LastRunEntry()).y + RowTextDrop);
    }
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
