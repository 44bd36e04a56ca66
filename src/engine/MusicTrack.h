#pragma once
#include <SDL/SDL_mixer.h>

#include <string>

// The looping background track of a screen (menu or level). The screen that
// starts a track owns it and frees it when it goes, which also stops it.
// Without a sound device nothing is loaded; a track that cannot be loaded is
// reported once and the screen stays silent.
class MusicTrack {
public:
    // Loads `path` and plays it forever; null when there is no music.
    static Mix_Music* Start(const std::string& path);
    // Stops and frees `music` and clears the pointer.
    static void Free(Mix_Music*& music);
};
