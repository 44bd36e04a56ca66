#pragma once
#include <SDL/SDL_mixer.h>

#include <map>
#include <string>

// Loads each sound effect once per volume and shares it between every entity
// that plays it, so an explosion's sound is not cut off when the explosion
// entity ends. The cache owns the chunks and frees them at shutdown.
// Without an audio device, or when a file is missing, Get returns null and
// the game plays on silently (one warning per missing file).
class SoundCache {
public:
    SoundCache() = default;
    SoundCache(const SoundCache&) = delete;
    SoundCache& operator=(const SoundCache&) = delete;
    ~SoundCache();

    // The chunk of `path` at `volume` (0..128); a negative volume leaves the
    // mixer's default. Null when sound is unavailable.
    Mix_Chunk* Get(const std::string& path, int volume);

    // Plays `chunk` once on `channel`, replacing what the channel played.
    // A null chunk plays nothing.
    static void Play(int channel, Mix_Chunk* chunk);

    void Clear();

private:
    std::map<std::string, Mix_Chunk*> Chunks;
};
