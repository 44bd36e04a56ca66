#pragma once

// How the player wants the game shown: in a window at a whole scale of the
// game's 1024 x 600 (or the largest scale that fits the desktop), or full
// screen at the desktop's own resolution; and whether an enlargement by a
// factor that is not whole is smoothed (bilinear) or kept sharp.
struct WindowMode {
    // The scale that asks for the largest window that fits the desktop.
    static constexpr int FitDesktop = 0;

    int Scale = 1;
    bool Fullscreen = false;
    bool Smooth = false;

    bool operator==(const WindowMode&) const = default;
};
