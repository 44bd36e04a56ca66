#include "engine/SoundCache.h"

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Log.h"

SoundCache::~SoundCache() { Clear(); }

Mix_Chunk* SoundCache::Get(const std::string& path, int volume) {
    if (!Engine::Instance().AudioOpen)
        return nullptr;
    const std::string key = path + "@" + std::to_string(volume);
    auto found = Chunks.find(key);
    if (found != Chunks.end())
        return found->second;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
    if (chunk == nullptr)
        Log::WarnOnce(Catalogue::Fill(Tr("cannot load sound {1} ({2}); playing on without it"), {Log::Quoted(path), Mix_GetError()}));
    else if (volume >= 0)
        Mix_VolumeChunk(chunk, volume);
    Chunks[key] = chunk;
    return chunk;
}

void SoundCache::Play(int channel, Mix_Chunk* chunk) {
    if (chunk != nullptr)
        Mix_PlayChannelTimed(channel, chunk, 0, -1);
}

void SoundCache::Clear() {
    if (!Chunks.empty())
        Mix_HaltChannel(-1);
    for (auto& entry : Chunks)
        if (entry.second != nullptr)
            Mix_FreeChunk(entry.second);
    Chunks.clear();
}
