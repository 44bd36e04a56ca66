#include "engine/MusicTrack.h"

#include "engine/Engine.h"
#include "engine/Log.h"

Mix_Music* MusicTrack::Start(const std::string& path) {
    if (!Engine::Instance().AudioOpen)
        return nullptr;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (music == nullptr) {
        Log::WarnOnce("cannot load music " + Log::Quoted(path) + " (" + Mix_GetError() + "); playing on without it");
        return nullptr;
    }
    Mix_PlayMusic(music, -1);
    return music;
}

void MusicTrack::Free(Mix_Music*& music) {
    if (music != nullptr)
        Mix_FreeMusic(music);
    music = nullptr;
}
