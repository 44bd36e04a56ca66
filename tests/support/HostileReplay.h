#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "replay/ReplayFile.h"

// A replay of the game's own format, header and all, whose `frames` frames
// each hand over 65,535 one-byte events (a kind the game files by its type
// alone): the most events a file of its size can hold. `cutShort` leaves
// its last byte out, so that only reading it whole finds it damaged.
inline std::string HostileReplay(uint32_t frames, bool cutShort = false) {
    ReplayFile run;
    SDL_Event expose{};
    expose.type = SDL_VIDEOEXPOSE;
    const std::vector<SDL_Event> events(UINT16_MAX, expose);
    for (uint32_t i = 0; i < frames; ++i)
        run.AddFrame(i * 16, events);
    std::string bytes = run.Encode();
    if (cutShort)
        bytes.pop_back();
    return bytes;
}
