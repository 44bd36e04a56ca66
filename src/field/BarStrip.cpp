#include "field/BarStrip.h"

#include <cmath>
#include <cstring>

#include "engine/Image.h"
#include "engine/Layout.h"

BarStrip::~BarStrip() { Free(); }

void BarStrip::Free() {
    SDL_FreeSurface(Strip);
    Strip = nullptr;
}

int BarStrip::SegmentsFor(float points, int left) {
    const int visible = (Layout::WindowWidth - left + Pitch - 1) / Pitch;
    if (!(points > 0))
        return 0;
    if (points >= static_cast<float>(visible))
        return visible;
    return static_cast<int>(std::ceil(points));
}

void BarStrip::Build(const Image& segment, int left) {
    Free();
    SDL_Surface* picture = segment.Surface;
    if (segment.Width() != Pitch || picture->format->BytesPerPixel != 4)
        return;
    const int count = SegmentsFor(static_cast<float>(Layout::WindowWidth), left);
    const SDL_PixelFormat* f = picture->format;
    Strip = SDL_CreateRGBSurface(SDL_SWSURFACE, Pitch * count, picture->h, 32, f->Rmask, f->Gmask, f->Bmask,
                                 f->Amask);
    if (Strip == nullptr)
        return;
    // The segment's own pixels, copied as they are (a blit would blend them).
    if (SDL_LockSurface(picture) != 0) {
        Free();
        return;
    }
    for (int y = 0; y < picture->h; ++y) {
        const Uint8* from = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        Uint8* row = static_cast<Uint8*>(Strip->pixels) + y * Strip->pitch;
        for (int k = 0; k < count; ++k)
            std::memcpy(row + k * Pitch * 4, from, Pitch * 4);
    }
    SDL_UnlockSurface(picture);
    SDL_SetAlpha(Strip, picture->flags & (SDL_SRCALPHA | SDL_RLEACCEL), SDL_ALPHA_OPAQUE);
}

void BarStrip::Draw(SDL_Surface* target, const Image& segment, float points, int left, int y) const {
    const int count = SegmentsFor(points, left);
    if (Strip != nullptr) {
        SDL_Rect part{0, 0, static_cast<Uint16>(count * Pitch), static_cast<Uint16>(Strip->h)};
        SDL_Rect dest{static_cast<Sint16>(left), static_cast<Sint16>(y), 0, 0};
        if (count > 0)
            SDL_UpperBlit(Strip, &part, target, &dest);
        return;
    }
    for (int k = 0; k < count; ++k) {
        SDL_Rect dest{static_cast<Sint16>(left + Pitch * k), static_cast<Sint16>(y), 0, 0};
        SDL_UpperBlit(segment.Surface, nullptr, target, &dest);
    }
}
