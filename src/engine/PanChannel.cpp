#include "engine/PanChannel.h"

#include <SDL/SDL_mixer.h>

Panning PanLevels(float x) {
    int left = 255;
    if (x > 512) {
        left = static_cast<int>(512 - x / 2);
        if (left < 0)
            left = 0;
    }
    int right = 255;
    if (x < 256) {
        right = static_cast<int>(x / 2);
        if (right < 0)
            right = 0;
    }
    return Panning{static_cast<uint8_t>(left), static_cast<uint8_t>(right)};
}

void PanChannel(int channel, float x) {
    const Panning p = PanLevels(x);
    Mix_SetPanning(channel, p.Left, p.Right);
}
