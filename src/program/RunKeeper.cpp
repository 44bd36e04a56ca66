#include "program/RunKeeper.h"

#include <ctime>
#include <utility>

#include "engine/Catalogue.h"
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
    // A campaign run is one run however many levels it crosses: it enters
    // the table once, as it ends, with the time of all its levels.
    RunMs += outcome.LevelMs;
    if (outcome.HandedOver)
        return;
    const uint32_t played = std::exchange(RunMs, 0);
    // A level of the player's own plays by no rules the table can compare,
    // nor does a run in practice, taken over or helped by an assist.
    if (outcome.Score <= 0 || run.Level == 0 || run.MakesNoScore())
        return;
    ScoreTable::Run entry;
    entry.Score = outcome.Score;
    entry.Money = outcome.Money;
    entry.Result = AsScoreOutcome(outcome.How);
    entry.Tenths = RunLength::Tenths(played);
    entry.When = ScoreTable::Timestamp(now);
    entry.Replay = replay;
    entry.Difficulty = run.Difficulty;
    entry.Level = run.Level;
    entry.Alone = !run.InCampaign;
    if (!Table.Add(entry))
        return;
    if (ScoresPath.empty())
        Log::WarnOnce(Tr("no home folder: scores are not saved"));
    else
        Table.Save(ScoresPath);
}
