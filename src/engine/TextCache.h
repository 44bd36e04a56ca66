#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>
#include <vector>

// Rendered lines of text kept from one frame to the next. The HUD's
// counters and labels and the menu's lines stay the same nearly every
// frame, and rendering a line costs far more than blitting it, so a line is
// rendered again only when its text, font or colour changes. The cache owns
// the rendered surfaces, not the fonts: whoever closes or reopens a font
// clears the cache with it.
class TextCache {
public:
    // Keeps up to `capacity` lines: more than a screen shows at once.
    explicit TextCache(size_t capacity = 32) : Capacity(capacity) {}
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;
    ~TextCache() { Clear(); }

    // Draws `text` with its top-left corner at (x, y); returns the width drawn.
    int Draw(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y);
    // Draws `text` centred on x = 512 (left edge 512 - width / 2).
    void DrawCentred(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int y);
    // Where a line drawn at x sits: from x on, centred on x, or up to x.
    enum class Align { Left, Centre, Right };
    // Draws `text` with its top edge at y, placed on x as `align` says.
    void DrawAt(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y,
                Align align);
    // Where DrawAt would draw `text`; w = 0 when it would draw nothing.
    SDL_Rect Box(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y, Align align);
    // Frees every kept line.
    void Clear();

    size_t Size() const { return Lines.size(); }

private:
    struct Line {
        TTF_Font* Font;
        std::string Text;
        Uint32 Colour;
        SDL_Surface* Surface;
        unsigned LastUse;
    };
    // Beyond it the line unused for longest goes.
    size_t Capacity;
    std::vector<Line> Lines;
    unsigned Uses = 0;

    // The rendered line, from the cache or rendered now; null when nothing
    // can be drawn (no font, empty text, failed render).
    SDL_Surface* Find(TTF_Font* font, const std::string& text, SDL_Color colour);
};
