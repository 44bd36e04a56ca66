#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when a picture cannot be loaded. The message stays the classic
// "Null pointer in Image constructor"; the path says which file failed.
class ImageLoadError : public std::logic_error {
public:
    ImageLoadError(const std::string& path, const std::string& reason);
    std::string Path;
    std::string Reason;
};

// One loaded picture in the display format with alpha, optionally cut into a
// horizontal strip of frames (animation frames or button states).
// The Image owns its surface; the ImageCache owns the Images.
class Image {
public:
    static constexpr uint32_t White = 0xFFFFFF;
    std::vector<SDL_Rect> Frames;
    SDL_Surface* Surface = nullptr;

    // Loads `path`, its colours multiplied by `tint` (0xRRGGBB; white keeps
    // them); throws ImageLoadError when it cannot be read or decoded.
    explicit Image(const std::string& path, uint32_t tint = White);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Replaces the frame list with `count` rectangles of width x height laid
    // side by side from (x, y); a count of 0 or less leaves no frames.
    void SetFrames(int x, int y, int width, int height, int count);

    // Blits frame `frame` (or the whole picture when there is at most one
    // frame) with its top-left corner at (x, y), truncated toward zero.
    // A frame number outside the strip draws nothing.
    void Draw(SDL_Surface* target, int frame, float x, float y) const;

    int Width() const { return Surface->w; }
    int Height() const { return Surface->h; }
};
