#include "replay/RecordedLevel.h"

#include <vector>

#include "engine/Catalogue.h"
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
    const std::string number = std::to_string(run.Level);
    if (run.Level > Campaign::Levels) {
        why = Catalogue::Fill(Tr("played on level {1}, which this game does not have"), {number});
        return false;
    }
    if (run.Level > 0) {
        start.Plan = Campaign::Get(run.Level);
    } else {
        std::vector<std::string> faults;
        std::optional<Level> own = LevelFile::Load(UserFolders().Levels() + "/" + run.LevelFile, faults);
        if (!own) {
            why = faults.empty()
                      ? Catalogue::Fill(Tr("played on the level {1} of your own, which cannot be read now"), {run.LevelFile})
                      : Catalogue::Fill(Tr("played on the level {1} of your own, which cannot be read now ({2})"),
                                        {run.LevelFile, faults.front()});
            return false;
        }
        start.Plan = std::make_shared<const Level>(std::move(*own));
    }
    // Recordings from before levels were files hold no fingerprint: the
    // first level as it always was.
    if (run.LevelPrint != 0 && LevelFile::Fingerprint(*start.Plan) != run.LevelPrint) {
        why = run.Level > 0
                  ? Catalogue::Fill(Tr("recorded with other game rules (level {1} has changed since)"), {number})
                  : Catalogue::Fill(Tr("recorded with other game rules (the level {1} has changed since)"), {run.LevelFile});
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
