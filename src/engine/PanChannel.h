#pragma once
#include <cstdint>

// Stereo levels for a sound made at horizontal position x on the 1024-pixel
// screen: left side only at the left edge, both full between 256 and 512,
// fading out on the left towards the right edge.
struct Panning {
    uint8_t Left;
    uint8_t Right;
};

Panning PanLevels(float x);

// Applies PanLevels(x) to mixer channel `channel`.
void PanChannel(int channel, float x);
