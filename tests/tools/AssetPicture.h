#pragma once

// Reading the generated pictures in tests: a PNG from the asset folder,
// loaded with SDL_image as the game does and converted to plain RGBA bytes.

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace assettest {

inline std::string assetPath(const char* relative) { return (std::filesystem::path(KORVANTA_ASSET_DIR) / relative).string(); }

class AssetPicture {
public:
    explicit AssetPicture(const char* relative)
    {
        SDL_Surface* loaded = IMG_Load(assetPath(relative).c_str());
        SDL_PixelFormat format{};
        format.BitsPerPixel = 32;
        format.BytesPerPixel = 4;
        format.Rmask = 0x000000FF, format.Gmask = 0x0000FF00, format.Bmask = 0x00FF0000, format.Amask = 0xFF000000;
        format.Gshift = 8, format.Bshift = 16, format.Ashift = 24;
        surface_ = loaded ? SDL_ConvertSurface(loaded, &format, SDL_SWSURFACE) : nullptr;
        SDL_FreeSurface(loaded);
    }
    ~AssetPicture() { SDL_FreeSurface(surface_); }
    AssetPicture(const AssetPicture&) = delete;
    AssetPicture& operator=(const AssetPicture&) = delete;

    bool loaded() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }

    const std::uint8_t* px(int x, int y) const
    {
        return static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch + x * 4;
    }
    int red(int x, int y) const { return px(x, y)[0]; }
    int green(int x, int y) const { return px(x, y)[1]; }
    int blue(int x, int y) const { return px(x, y)[2]; }
    int alpha(int x, int y) const { return px(x, y)[3]; }

    // What the pixel adds to the screen: mean colour weighted by opacity, 0..255.
    double light(int x, int y) const { return (red(x, y) + green(x, y) + blue(x, y)) / 3.0 * alpha(x, y) / 255.0; }

    // Mean light over a rectangle.
    double light(int x, int y, int w, int h) const
    {
        double sum = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                sum += light(i, j);
        return sum / (w * h);
    }

    // Mean per-channel difference between two columns, colour weighted by alpha.
    double columnDistance(int a, int b) const
    {
        double sum = 0;
        for (int y = 0; y < height(); ++y)
            for (int c = 0; c < 4; ++c) {
                int wa = c == 3 ? 255 : alpha(a, y), wb = c == 3 ? 255 : alpha(b, y);
                sum += std::abs(px(a, y)[c] * wa - px(b, y)[c] * wb) / 255.0;
            }
        return sum / (height() * 4);
    }

private:
    SDL_Surface* surface_ = nullptr;
};

} // namespace assettest
