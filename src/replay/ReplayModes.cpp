#include "replay/ReplayModes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/Engine.h"
#include "engine/EventFilter.h"
#include "engine/Image.h"
#include "engine/Log.h"
#include "engine/MainLoop.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "engine/TickSource.h"

namespace {
// Live input while a replay shows: the ways out and the settings keys; the
// rest does not steer a recorded run.
bool PlayerWantsOut() {
    EventFilter* hotkeys = Engine::Instance().Hotkeys;
    SDL_Event event;
    bool out = false;
    while (SDL_PollEvent(&event) != 0) {
        std::vector<SDL_Event> ignored;
        if (hotkeys != nullptr && hotkeys->Take(event, ignored))
            continue;
        out = out || event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE);
    }
    return out;
}

std::string Summary(const ReplayPlayer& player) {
    const LevelOutcome& result = player.Result();
    char line[200];
    std::snprintf(line, sizeof line, "%u frames, %.1f s of play on %s, score %d, money %d, %s, ", player.FramesPlayed(),
                  result.LevelMs / 1000.0, SkillName(player.Recording().Difficulty), result.Score, result.Money,
                  LevelOutcome::Name(result.How));
    const uint32_t desync = player.DesyncFrame();
    return line + (desync == 0 ? std::string("in sync") : "desync at frame " + std::to_string(desync));
}
}  // namespace

bool ReplayModes::Load(const std::string& path, ReplayFile& run) {
    std::string why;
    if (ReplayFile::Load(path, run, why))
        return true;
    Log::Error("cannot use replay \"" + path + "\": " + why);
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
        SDL_SetClipRect(DisplaySurface, &nowhere);
        ReplayPlayer player(std::move(run));
        Engine::Instance().Watcher = &player;
        player.Start();
        player.Finish();
        Engine::Instance().Watcher = nullptr;
        std::printf("%s\n", Summary(player).c_str());
        status = player.DesyncFrame() == 0 ? 0 : 1;
    } catch (const ImageLoadError& error) {
        Log::Error(std::string(error.what()) + ": cannot load \"" + error.Path + "\" (" + error.Reason + ")");
    }
    Engine::Instance().Watcher = nullptr;
    Engine::Instance().Shutdown();
    TickSource::Release();
    return status;
}

bool ReplayModes::Show(const ReplayFile& run) {
    Engine& engine = Engine::Instance();
    SessionWatcher* before = engine.Watcher;
    ReplayPlayer player(run);
    engine.Watcher = &player;
    player.Start();
    const uint32_t wallStart = TickSource::WallNow();
    bool wantsOut = false;
    while (!player.Over() && !(wantsOut = PlayerWantsOut())) {
        const uint32_t due = player.NextFrameTime() - run.StartTime;
        const uint32_t now = TickSource::WallNow() - wallStart;
        if (due > now)
            TickSource::Sleep(std::min<uint32_t>(due - now, 10));  // ESC stays heard through long stalls
        else
            player.Step();
    }
    engine.Watcher = before;
    TickSource::Release();
    return !wantsOut;
}
