#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>

#include "engine/TextCache.h"

// Lines of text on a dark, see-through plate a little larger than each
// line, so that they read over whatever lies under them: the level's
// overlays over the coins and mines, the settings keys' notice over any
// screen. The plate owns the rendered lines and the surface it blends
// from, not the fonts: whoever closes a font clears the plate with it.
class TextPlate {
public:
    explicit TextPlate(size_t lines = 8) : Texts(lines) {}
    ~TextPlate();
    TextPlate(const TextPlate&) = delete;
    TextPlate& operator=(const TextPlate&) = delete;

    // Draws `text` centred on x = 512 with its top at y, on its plate.
    void DrawCentred(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int y);
    // Frees the rendered lines and the plate.
    void Clear();

private:
    // Darkens `area` of `target`.
    void Lay(SDL_Surface* target, const SDL_Rect& area);

    TextCache Texts;
    SDL_Surface* Glass = nullptr;
};
