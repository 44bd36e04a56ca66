#pragma once
#include <SDL/SDL.h>

class Image;

// A HUD bar in one blit. A bar is its segment picture repeated once per
// point, every 2 pixels; when the picture is exactly 2 pixels wide the
// repeats join up, so the row of all segments is laid out once and each
// frame blits as much of it as the bar is long, instead of up to a hundred
// tiny blits. Owns the strip; the segment picture belongs to the cache.
class BarStrip {
public:
    // Pixels from one segment to the next.
    static constexpr int Pitch = 2;

    BarStrip() = default;
    BarStrip(const BarStrip&) = delete;
    BarStrip& operator=(const BarStrip&) = delete;
    ~BarStrip();

    // Lays out the segments of a bar that starts at `left`, up to the
    // window's right edge. Leaves the strip empty when `segment` does not
    // tile at the pitch (or cannot be read): Draw then blits segment by segment.
    void Build(const Image& segment, int left);
    // Draws `points` worth of segments from (left, y): one segment per
    // started point, nothing for 0 or less.
    void Draw(SDL_Surface* target, const Image& segment, float points, int left, int y) const;

    bool Joined() const { return Strip != nullptr; }
    // How many segments `points` asks for, capped where they leave the window.
    static int SegmentsFor(float points, int left);

private:
    SDL_Surface* Strip = nullptr;
    void Free();
};
