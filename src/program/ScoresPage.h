#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/TextCache.h"
#include "keep/ScoreTable.h"
#include "program/ListPage.h"

// The scores page: the ten best runs of one difficulty, the best one in
// gold, then "Watch the last run" when the replay shelf has it. The
// difficulty is picked beside the title (Left and Right, or a click on its
// arrows). A row whose replay is on the shelf and plays under today's rules
// can be chosen to watch that run again; one whose replay is gone, damaged
// or of other rules is dimmed and cannot. An empty table says so. What is
// on the shelf is looked at as the page opens and as the difficulty changes,
// by the replays' headers and sizes only, so that a shelf of huge files
// opens as fast as an empty one; a row whose replay turns out damaged when
// it is chosen is dimmed then, with a short line under the table.
class ScoresPage : public ListPage {
public:
    // Plays the replay at `path` in the window, and comes back to this page
    // showing `shown` with `entry` chosen when it is over; false when it
    // cannot be played.
    static constexpr const char* Unplayable = TrNoop("That replay is damaged and cannot be watched.");
    using Watch = std::function<bool(const std::string& path, int entry, Skill shown)>;

    // One column of the table: its heading, the x its cells are placed on
    // and how, and what a run shows in it (`rank` counts from 1).
    struct Column {
        const char* Heading;
        int X;
        TextCache::Align Align;
        std::string (*Cell)(const ScoreTable::Run& run, int rank);
    };
    static const std::vector<Column>& Columns();

    // `replays` is the shelf's folder (empty: nothing can be watched); the
    // runs of `shown` are on the page first; `entry` is chosen first when it
    // can be, else the first that can.
    ScoresPage(const ScoreTable& table, std::string replays, Watch watch, Skill shown, int entry = 0);

    Skill Shown() const { return ShownSkill; }

    // The entry that plays the last run, when there is one.
    int LastRunEntry() const { return static_cast<int>(Rows.size()); }
    bool HasLastRun() const { return !LastRun.empty(); }
    // The line under the table; empty when there is none.
    const std::string& Note() const { return NoteLine; }

protected:
    int Entries() const override;
    bool Enabled(int entry) const override;
    SDL_Rect Area(int entry) const override;
    void Choose(int entry, float x) override;
    // Any entry: another difficulty.
    void Step(int entry, int by) override;
    bool OnTitleControl(float x, float y) const override;
    void ClickTitleControl(float x) override;
    void DrawEntries(SDL_Surface* target) override;

private:
    struct Row {
        ScoreTable::Run Run;
        std::string Replay;  // the replay's path when it can be played
    };
    // The rows of the difficulty shown, and what of them the shelf can play.
    void Fill();
    void DrawRow(SDL_Surface* target, const Row& row, int rank);
    void DrawPicker(SDL_Surface* target);

    const ScoreTable& Table;
    std::string Replays;
    Skill ShownSkill;
    std::vector<Row> Rows;
    std::string LastRun;  // last.krp's path when it is on the shelf
    bool LastRunPlays = false;
    std::string NoteLine;
    Watch Play;
};
