#include "engine/MusicTrack.h"

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Log.h"

Mix_Music* MusicTrack::Start(const std::string& path) {
    if (!Engine::Instance().AudioOpen)
        return nullptr;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (music == nullptr) {
        Log::WarnOnce(Catalogue::Fill(Tr("cannot load music {1} ({2}); playing on without it"), {Log::Quoted(path), Mix_GetError()}));
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
