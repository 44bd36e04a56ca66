#include "replay/ReplayModes.h"

#include <cstdio>
#include <cstdlib>

#include "engine/Catalogue.h"
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
    std::string line = Catalogue::Fill(
        Tr("{1} frames, {2} s of play at level {3} on {4}, score {5}, money {6}"),
        {std::to_string(player.FramesPlayed()), Catalogue::Decimal(RunLength::Seconds(RunLength::Tenths(result.LevelMs))),
         level, Tr(SkillName(run.Difficulty)), std::to_string(result.Score), std::to_string(result.Money)});
    // The outcome's words are those of korvanta --scores.
    line += std::string(", ") + TrIn("outcome", LevelOutcome::Name(result.How)) + ", ";
    const uint32_t desync = player.DesyncFrame();
    const std::string start = run.StartNamed();
    return line + (start.empty() ? "" : start + ", ") +
           (desync == 0 ? std::string(Tr("in sync")) : Catalogue::Fill(Tr("desync at frame {1}"), {std::to_string(desync)}));
}

bool Refused(const std::string& path, const std::string& why) {
    Log::Error(Catalogue::Fill(Tr("cannot use replay {1}: {2}"), {Log::Quoted(path), why}));
    return false;
}
}  // namespace

bool ReplayModes::Load(const std::string& path, ReplayFile& run) {
    std::string why;
    if (ReplayFile::Load(path, run, why))
        return true;
    return Refused(path, why);
}

bool ReplayModes::HasItsLevel(const std::string& path, const ReplayFile& run) {
    LevelStart start;
    std::string why;
    if (RecordedLevel::StartOf(run, start, why))
        return true;
    return Refused(path, why);
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
        Log::Error(Catalogue::Fill(Tr("{1}: cannot load {2} ({3})"), {Tr(error.what()), Log::Quoted(error.Path), error.Reason}));
    }
    Engine::Instance().Watcher = nullptr;
    Engine::Instance().Shutdown();
    TickSource::Release();
    return status;
}
