#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>

// Solid-rendered text, made anew for every draw and freed right after the
// blit. A missing font or a failed render leaves the text out; it never
// touches a null surface.
class Text {
public:
    // Opens `path` at `size` points; null (with one warning) when it fails.
    static TTF_Font* OpenFont(const std::string& path, int size);
    // Closes a font opened by OpenFont and clears the pointer.
    static void CloseFont(TTF_Font*& font);

    // Draws `text` with its top-left corner at (x, y); returns the rendered
    // width (0 when nothing was drawn).
    static int Draw(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y);
    // Draws `text` centred on x = 512 (left edge 512 - width / 2).
    static void DrawCentred(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int y);
};
