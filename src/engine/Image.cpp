#include "engine/Image.h"

#include <SDL/SDL_image.h>

#include <cstring>

#include "engine/Catalogue.h"

ImageLoadError::ImageLoadError(const std::string& path, const std::string& reason)
    : std::logic_error(TrNoop("Null pointer in Image constructor")), Path(path), Reason(reason) {}

namespace {
// The picture in the window's format with alpha, run-length encoded: a blit
// then copies opaque runs, skips see-through ones and blends only what is
// translucent, with the same pixels as a plain alpha blit, several times
// faster on full-screen layers. Null without a video mode (tools).
SDL_Surface* ForFastBlits(SDL_Surface* loaded) {
    if (SDL_GetVideoSurface() == nullptr)
        return nullptr;
    SDL_Surface* converted = SDL_DisplayFormatAlpha(loaded);
    if (converted != nullptr)
        SDL_SetAlpha(converted, SDL_SRCALPHA | SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
    return converted;
}

// Multiplies every pixel's colour channels by the tint's, keeping alpha.
void Tint(SDL_Surface* surface, uint32_t tint) {
    const Uint8 by[3] = {Uint8(tint >> 16), Uint8(tint >> 8), Uint8(tint)};
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            Uint8* at = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
            Uint32 pixel = 0;
            std::memcpy(&pixel, at, surface->format->BytesPerPixel);
            Uint8 rgba[4];
            SDL_GetRGBA(pixel, surface->format, &rgba[0], &rgba[1], &rgba[2], &rgba[3]);
            for (int c = 0; c < 3; ++c)
                rgba[c] = static_cast<Uint8>(rgba[c] * by[c] / 255);
            pixel = SDL_MapRGBA(surface->format, rgba[0], rgba[1], rgba[2], rgba[3]);
            std::memcpy(at, &pixel, surface->format->BytesPerPixel);
        }
    }
    SDL_UnlockSurface(surface);
}
}  // namespace

Image::Image(const std::string& path, uint32_t tint) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (loaded == nullptr)
        throw ImageLoadError(path, IMG_GetError());
    if (tint != White)
        Tint(loaded, tint);
    // Converted once, so the blits of every frame need no format conversion.
    SDL_Surface* converted = ForFastBlits(loaded);
    if (converted != nullptr) {
        SDL_FreeSurface(loaded);
        Surface = converted;
    } else {
        Surface = loaded;
    }
}

Image::~Image() { SDL_FreeSurface(Surface); }

void Image::SetFrames(int x, int y, int width, int height, int count) {
    Frames.clear();
    for (int i = 0; i < count; ++i) {
        SDL_Rect r;
        r.x = static_cast<Sint16>(x + i * width);
        r.y = static_cast<Sint16>(y);
        r.w = static_cast<Uint16>(width);
        r.h = static_cast<Uint16>(height);
        Frames.push_back(r);
    }
}

void Image::Draw(SDL_Surface* target, int frame, float x, float y) const {
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(static_cast<int>(x));
    dest.y = static_cast<Sint16>(static_cast<int>(y));
    dest.w = 0;
    dest.h = 0;
    if (Frames.size() <= 1) {
        SDL_Rect source = Frames.empty() ? SDL_Rect{0, 0, static_cast<Uint16>(Surface->w), static_cast<Uint16>(Surface->h)}
                                         : Frames.front();
        SDL_UpperBlit(Surface, &source, target, &dest);
        return;
    }
    if (frame < 0 || frame >= static_cast<int>(Frames.size()))
        return;
    SDL_Rect source = Frames[static_cast<size_t>(frame)];
    SDL_UpperBlit(Surface, &source, target, &dest);
}
