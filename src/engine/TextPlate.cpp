#include "engine/TextPlate.h"

#include <algorithm>

#include "engine/Layout.h"

namespace {
// How far the plate reaches beyond the line, how dark and how see-through
// it is (0 clear, 255 opaque).
constexpr int Margin = 6;
constexpr SDL_Color GlassColour{4, 8, 18, 0};
constexpr Uint8 GlassOpacity = 170;
constexpr int GlassHeight = 64;
}  // namespace

TextPlate::~TextPlate() { Clear(); }

void TextPlate::Clear() {
    Texts.Clear();
    SDL_FreeSurface(Glass);
    Glass = nullptr;
}

void TextPlate::DrawCentred(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int y) {
    using Align = TextCache::Align;
    const SDL_Rect box = Texts.Box(font, text, colour, Layout::CentreX, y, Align::Centre);
    if (box.w == 0)
        return;
    Lay(target, {static_cast<Sint16>(box.x - Margin), static_cast<Sint16>(box.y - Margin),
                 static_cast<Uint16>(box.w + 2 * Margin), static_cast<Uint16>(box.h + 2 * Margin)});
    Texts.DrawAt(target, font, text, colour, Layout::CentreX, y, Align::Centre);
}

void TextPlate::Lay(SDL_Surface* target, const SDL_Rect& area) {
    // Made once in a format of its own: it blends onto whatever surface the
    // window has this frame. Taller areas take it in strips.
    if (Glass == nullptr) {
        Glass = SDL_CreateRGBSurface(SDL_SWSURFACE, Layout::WindowWidth, GlassHeight, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        if (Glass == nullptr)
            return;
        SDL_FillRect(Glass, nullptr, SDL_MapRGB(Glass->format, GlassColour.r, GlassColour.g, GlassColour.b));
        SDL_SetAlpha(Glass, SDL_SRCALPHA, GlassOpacity);
    }
    for (int top = area.y; top < area.y + area.h; top += GlassHeight) {
        const int height = std::min(GlassHeight, area.y + area.h - top);
        SDL_Rect part{0, 0, std::min<Uint16>(area.w, Layout::WindowWidth), static_cast<Uint16>(height)};
        SDL_Rect at{area.x, static_cast<Sint16>(top), 0, 0};
        SDL_BlitSurface(Glass, &part, target, &at);
    }
}
