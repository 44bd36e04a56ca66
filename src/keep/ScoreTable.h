#pragma once
#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BestScores.h"
#include "field/Skill.h"

// The ten best runs of each difficulty, best first, as kept in the player's
// scores.txt: one line a run (score, money, outcome, seconds played, local
// date and time, replay file name or "-", difficulty, level reached: "2",
// or "2-alone" for a level played on its own) under a "#" header. A line
// written before the game had difficulties ends with the replay and was
// played on normal; one written before it had levels, at level 1 of a
// campaign. A best score is a campaign run's. Runs of different difficulties never push one
// another out of the table, and a best score is always the best of one
// difficulty. The table owns its runs. Loading never changes the file: the
// table remembers what it could not read (damaged lines, a file too large
// or no text, a file it may not read) and saving first sets that aside, or
// refuses, so that no score that was there is ever lost.
class ScoreTable : public BestScores {
public:
    enum class Outcome { Won, Lost, Left };

    struct Run {
        long long Score = 0;
        long long Money = 0;
        Outcome Result = Outcome::Left;
        long Tenths = 0;     // seconds played, in tenths of a second
        std::string When;    // local time, "YYYY-MM-DD HH:MM:SS"
        std::string Replay;  // a file name in the replays folder; empty for none
        Skill Difficulty = Skill::Normal;
        // The level the run reached: of the campaign, or of a level played
        // on its own (korvanta --level), which is no campaign run.
        int Level = 1;
        bool Alone = false;
        bool operator==(const Run&) const = default;
    };

    // Runs kept of each difficulty.
    static constexpr size_t Capacity = 10;
    // A line of the file that is no run, left out of the table.
    struct DamagedLine {
        int Number = 0;  // from 1
        std::string Text;
        std::string Problem;
    };

    // Thirty lines and generous comments; anything bigger is not this file.
    static constexpr size_t MaxFileBytes = 64 * 1024;

    // The runs of the good lines of `text`, sorted and cut to the best ten of
    // each difficulty; the damaged lines are in Damaged.
    static ScoreTable Parse(std::string_view text);

    // The scores in `path`, which is never changed here. A missing file is an
    // empty table. Damaged lines cost one warning naming them, and the good
    // ones make the table. A file too large or no text gives one warning and
    // an empty table; one that may not be read, one warning and a table that
    // refuses to be saved over it.
    static ScoreTable Load(const std::string& path);

    // Writes the table to `path` whole or not at all. What Load left out of
    // that file goes aside first, never replacing an older copy: the damaged
    // lines copied to "<path>.bad" (or ".bad.1", ...), a file it could not
    // read moved there; one warning says where. One warning and false when
    // that or the writing fails, or `path` could not be read at loading.
    bool Save(const std::string& path);

    // Enters a run with a score above 0 that beats strictly the lowest of
    // its difficulty when ten of those are kept; a run equal to one in the
    // table goes behind it. Runs that could not be written back (negative
    // numbers, a bad date or replay name) never enter. True when the run
    // entered.
    bool Add(const Run& run);

    // True for a positive score above every kept score of `difficulty`.
    bool IsNewBest(long long score, Skill difficulty) const;
    // The best run of `difficulty`; null when none is kept.
    const Run* Best(Skill difficulty) const;
    // The best run of any difficulty; null for an empty table.
    const Run* Best() const;
    // The same for the screens, by the difficulty's name; a name that is no
    // difficulty's has no runs.
    bool IsNewBest(long long score, std::string_view difficulty) const override;
    std::optional<long long> BestScore(std::string_view difficulty) const override;
    const std::vector<Run>& Runs() const { return runs_; }
    const std::vector<DamagedLine>& Damaged() const { return damaged_; }
    bool operator==(const ScoreTable& other) const { return runs_ == other.runs_; }

    // The file's text: the header line and one line per run, best first.
    std::string Text() const;
    // For `korvanta --scores`: one ranked table for each difficulty that has
    // runs (normal, easy, hard), under its name, with a header and aligned
    // columns; or a line saying that there are no scores yet.
    std::string Format() const;

    // True when `run` can be written to the file and read back unchanged.
    static bool IsValid(const Run& run);
    // `when` as the file writes it, in local time.
    static std::string Timestamp(std::time_t when);

private:
    void KeepFromSaving(const std::string& path, const std::string& reason);
    // Sets aside what Load left out of `path`; false, with `reason`, when it cannot.
    bool SetAside(const std::string& path, std::string& reason);
    size_t Kept(Skill difficulty) const;
    // Drops the runs of each difficulty beyond its best ten.
    void CutToCapacity();

    std::vector<Run> runs_;
    std::vector<DamagedLine> damaged_;
    std::string unsavedPath_;  // a file that was there but may not be read
    std::string unsavedReason_;
    std::string unreadPath_;   // a file Load left damaged lines of, or all of, out
};
