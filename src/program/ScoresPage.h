#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/TextCache.h"
#include "keep/ScoreTable.h"
#include "program/ListPage.h"

// The scores page: the table of the ten best runs, the best one in gold,
// then "Watch the last run" when the replay shelf has it. A row whose
// replay is on the shelf and plays under today's rules can be chosen to
// watch that run again; one whose replay is gone, damaged or of other
// rules is dimmed and cannot. An empty table says so. What is on the shelf
// is looked at once, as the page opens.
class ScoresPage : public ListPage {
public:
    // Plays the replay at `path` in the window, and comes back to this page
    // with `entry` chosen when it is over; false when it cannot be played.
    using Watch = std::function<bool(const std::string& path, int entry)>;

    // One column of the table: its heading, the x its cells are placed on
    // and how, and what a run shows in it (`rank` counts from 1).
    struct Column {
        const char* Heading;
        int X;
        TextCache::Align Align;
        std::string (*Cell)(const ScoreTable::Run& run, int rank);
    };
    static const std::vector<Column>& Columns();

    // `replays` is the shelf's folder (empty: nothing can be watched);
    // `entry` is chosen first when it can be, else the first that can.
    ScoresPage(const ScoreTable& table, const std::string& replays, Watch watch, int entry = 0);

    // The entry that plays the last run, when there is one.
    int LastRunEntry() const { return static_cast<int>(Rows.size()); }
    bool HasLastRun() const { return !LastRun.empty(); }

protected:
    int Entries() const override;
    bool Enabled(int entry) const override;
    SDL_Rect Area(int entry) const override;
    void Choose(int entry, float x) override;
    void DrawEntries(SDL_Surface* target) override;

private:
    struct Row {
        ScoreTable::Run Run;
        std::string Replay;  // the replay's path when it can be played
    };
    void DrawRow(SDL_Surface* target, const Row& row, int rank);

    std::vector<Row> Rows;
    std::string LastRun;  // last.krp's path when it is on the shelf
    bool LastRunPlays = false;
    Watch Play;
};
