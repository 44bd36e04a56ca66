#include "replay/ReplayModes.h"

#include <cstdio>
#include <cstdlib>

#include "engine/Engine.h"
#include "engine/Image.h"
#include "engine/Log.h"
#include "engine/MainLoop.h"
#include "keep/RunLength.h"
#include "replay/RecordedLevel.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "engine/TickSource.h"

namespace {
std::string Summary(const ReplayPlayer& player) {
    const LevelOutcome& result = player.Result();
    const ReplayFile& run = player.Recording();
    // A level of the player's own by its file name (a plain name: the reader sees to that).
    const std::string level = run.Level > 0 ? std::to_string(run.Level) : run.LevelFile;
    char line[600];
    std::snprintf(line, sizeof line, "%u frames, %s s of play at level %s on %s, score %d, money %d, %s, ",
                  player.FramesPlayed(), RunLength::Seconds(RunLength::Tenths(result.LevelMs)).c_str(), level.c_str(),
                  SkillName(run.Difficulty), result.Score, result.Money, LevelOutcome::Name(result.How));
    const uint32_t desync = player.DesyncFrame();
    const std::string start = run.StartNamed();
    return line + (start.empty() ? "" : start + ", ") + (desync == 0 ? std::string("in sync") : "desync at frame " + std::to_string(desync));
}
}  // namespace

bool ReplayModes::Load(const std::string& path, ReplayFile& run) {
    std::string why;
    if (ReplayFile::Load(path, run, why))
        return true;
    Log::Error("cannot use replay " + Log::Quoted(path) + ": " + why);
    return false;
}

bool ReplayModes::HasItsLevel(const std::string& path, const ReplayFile& run) {
    LevelStart start;
    std::string why;
    if (RecordedLevel::StartOf(run, start, why))
        return true;
    Log::Error("cannot use replay " + Log::Quoted(path) + ": " + why);
    return false;
}

int ReplayModes::Verify(ReplayFile run) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    int status = 1;
    try {
        if (!StartEngine())
            return 1;
        // Nothing needs to be seen: blits clipped to nothing cost next to
        // nothing, while every draw still runs its rules.
        SDL_Rect nowhere{0, 0, 0, 0};
        SDL_SetClipRect(Engine::Instance().Surface, &nowhere);
        ReplayPlayer player(std::move(run));
        Engine::Instance().Watcher = &player;
        player.Start();
        player.Finish();
        Engine::Instance().Watcher = nullptr;
        std::printf("%s\n", Summary(player).c_str());
        status = player.DesyncFrame() == 0 ? 0 : 1;
    } catch (const ImageLoadError& error) {
        Log::Error(std::string(error.what()) + ": cannot load " + Log::Quoted(error.Path) + " (" + error.Reason + ")");
    }
    Engine::Instance().Watcher = nullptr;
    Engine::Instance().Shutdown();
    TickSource::Release();
    return status;
}
