#include "program/RunKeeper.h"

#include <ctime>

#include "engine/Log.h"
#include "keep/RunLength.h"

namespace {
ScoreTable::Outcome AsScoreOutcome(LevelOutcome::Ending how) {
    switch (how) {
    case LevelOutcome::Ending::Won:
        return ScoreTable::Outcome::Won;
    case LevelOutcome::Ending::Lost:
        return ScoreTable::Outcome::Lost;
    case LevelOutcome::Ending::Left:
        break;
    }
    return ScoreTable::Outcome::Left;
}
}  // namespace

RunKeeper::RunKeeper(std::string scoresPath, std::string replaysFolder)
    : ScoresPath(std::move(scoresPath)),
      Table(ScoresPath.empty() ? ScoreTable() : ScoreTable::Load(ScoresPath)),
      Shelf(std::move(replaysFolder)),
      Recorder([this](const ReplayFile& run, const LevelOutcome& outcome) { Keep(run, outcome); }) {}

void RunKeeper::Keep(const ReplayFile& run, const LevelOutcome& outcome) {
    const std::time_t now = std::time(nullptr);
    const std::string replay = Shelf.Keep(run.Encode(), now);
    if (outcome.Score <= 0)
        return;
    ScoreTable::Run entry;
    entry.Score = outcome.Score;
    entry.Money = outcome.Money;
    entry.Result = AsScoreOutcome(outcome.How);
    entry.Tenths = RunLength::Tenths(outcome.LevelMs);
    entry.When = ScoreTable::Timestamp(now);
    entry.Replay = replay;
    entry.Difficulty = run.Difficulty;
    if (!Table.Add(entry))
        return;
    if (ScoresPath.empty())
        Log::WarnOnce("no home folder: scores are not saved");
    else
        Table.Save(ScoresPath);
}
