#include "replay/RecordedLevel.h"

#include <vector>

#include "keep/UserFolders.h"
#include "levels/Campaign.h"
#include "levels/LevelFile.h"
#include "replay/ReplayFile.h"

bool RecordedLevel::StartOf(const ReplayFile& run, LevelStart& start, std::string& why) {
    start = LevelStart{};
    start.Number = run.Level;
    start.OwnFile = run.LevelFile;
    start.InCampaign = run.InCampaign;
    start.Ship = run.Ship;
    start.Practice = run.Practice;
    start.FromMs = run.FromMs;
    start.RestartAtOnce = run.RestartAtOnce;
    const std::string named = run.Level > 0 ? "level " + std::to_string(run.Level) : "the level " + run.LevelFile;
    if (run.Level > Campaign::Levels) {
        why = "played on " + named + ", which this game does not have";
        return false;
    }
    if (run.Level > 0) {
        start.Plan = Campaign::Get(run.Level);
    } else {
        std::vector<std::string> faults;
        std::optional<Level> own = LevelFile::Load(UserFolders().Levels() + "/" + run.LevelFile, faults);
        if (!own) {
            why = "played on " + named + " of your own, which cannot be read now" +
                  (faults.empty() ? "" : " (" + faults.front() + ")");
            return false;
        }
        start.Plan = std::make_shared<const Level>(std::move(*own));
    }
    // Recordings from before levels were files hold no fingerprint: the
    // first level as it always was.
    if (run.LevelPrint != 0 && LevelFile::Fingerprint(*start.Plan) != run.LevelPrint) {
        why = "recorded with other game rules (" + named + " has changed since)";
        return false;
    }
    return true;
}

bool RecordedLevel::Load(const std::string& path, ReplayFile& run, std::string& why) {
    LevelStart start;
    return ReplayFile::Load(path, run, why) && StartOf(run, start, why);
}

bool RecordedLevel::Peek(const std::string& path, ReplayFile& run, std::string& why) {
    LevelStart start;
    return ReplayFile::Peek(path, run, why) && StartOf(run, start, why);
}
