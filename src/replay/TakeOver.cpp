#include "replay/TakeOver.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <cassert>
#include <vector>

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"

uint32_t TakeOver::FramesBefore(const ReplayFile& run, uint32_t ms) {
    const auto after = std::find_if(run.Frames.begin(), run.Frames.end(),
                                    [&](const ReplayFile::Frame& frame) { return frame.Time - run.StartTime >= ms; });
    const size_t frames = static_cast<size_t>(after - run.Frames.begin());
    return static_cast<uint32_t>(std::clamp<size_t>(frames, 1, std::max<size_t>(run.Frames.size(), 1)));
}

uint32_t TakeOver::LastSecond(const ReplayFile& run) {
    return run.Frames.empty() ? 0 : (run.Frames.back().Time - run.StartTime) / 1000;
}

namespace {
// Keeps the game's picture clipped to nothing and its effects silent for
// its life.
class Unseen {
public:
    Unseen() {
        Engine& engine = Engine::Instance();
        if (engine.Surface != nullptr) {
            Clip = engine.Surface->clip_rect;
            SDL_Rect nowhere{0, 0, 0, 0};
            SDL_SetClipRect(engine.Surface, &nowhere);
        }
        if (engine.AudioOpen)
            Volume = Mix_Volume(-1, 0);
    }
    ~Unseen() {
        Engine& engine = Engine::Instance();
        if (engine.Surface != nullptr)
            SDL_SetClipRect(engine.Surface, &Clip);
        if (engine.AudioOpen) {
            Mix_HaltChannel(-1);
            Mix_Volume(-1, Volume);
        }
    }
    Unseen(const Unseen&) = delete;
    Unseen& operator=(const Unseen&) = delete;

private:
    SDL_Rect Clip{0, 0, 0, 0};
    int Volume = MIX_MAX_VOLUME;
};
}  // namespace

bool TakeOver::Rebuild(ReplayPlayer& player, uint32_t frames) {
    assert(Engine::Instance().Watcher == &player);
    const Unseen quiet;
    player.Start();
    return player.PlayUnseenTo(frames) && player.LevelInPlay() != nullptr;
}

std::map<int32_t, Loadout> TakeOver::ShipsAt(ReplayFile run, const std::vector<int32_t>& levelMs) {
    assert(std::is_sorted(levelMs.begin(), levelMs.end()));
    Engine& engine = Engine::Instance();
    SessionWatcher* const watcher = engine.Watcher;
    const uint32_t clock = TickSource::Now();
    std::map<int32_t, Loadout> ships;
    {
        ReplayPlayer player(std::move(run));
        engine.Watcher = &player;
        const Unseen quiet;
        player.Start();
        auto next = levelMs.begin();
        for (uint32_t frames = 1; next != levelMs.end() && player.PlayUnseenTo(frames); ++frames) {
            const Stage1* level = player.LevelInPlay();
            for (; level != nullptr && next != levelMs.end() && level->Waves.LevelClock.GetTicks() >= *next; ++next)
                ships[*next] = level->Carried();
        }
        engine.Watcher = watcher;
    }
    // The clock goes back first, so that the timers cleared start from it.
    TickSource::RunFrom(clock);
    ClearGame();
    return ships;
}

void TakeOver::HandOver(const ReplayPlayer& player, ReplayRecorder& recorder) {
    Stage1* level = player.LevelInPlay();
    assert(level != nullptr && player.FramesPlayed() >= 1);
    const ReplayFile& run = player.Recording();
    Engine& engine = Engine::Instance();
    recorder.CarryOn(*level, run, player.FramesPlayed());
    // Another's run flown on makes no score of the player's, and says so.
    if (UI* hud = level->FindHud(); hud != nullptr && hud->RunMark.empty())
        hud->RunMark = "PRACTICE";
    engine.Watcher = &recorder;
    TickSource::RunFrom(run.Frames[player.FramesPlayed() - 1].Time);
    // The keys the recording held are not the player's.
    std::vector<SDL_Event> letGo;
    for (const SDL_Event* stored : engine.Input.Events)
        if (stored->type == SDL_KEYDOWN) {
            SDL_Event up = *stored;
            up.type = SDL_KEYUP;
            up.key.state = SDL_RELEASED;
            letGo.push_back(up);
        }
    for (SDL_Event& up : letGo)
        HandlePolledEvent(new SDL_Event(up));
}
