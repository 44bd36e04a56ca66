#include "engine/TextCache.h"

#include <algorithm>

#include "engine/Layout.h"
#include "engine/Text.h"

namespace {
Uint32 Packed(SDL_Color c) { return (Uint32(c.r) << 16) | (Uint32(c.g) << 8) | c.b; }
}  // namespace

SDL_Surface* TextCache::Find(TTF_Font* font, const std::string& text, SDL_Color colour) {
    if (font == nullptr || text.empty())
        return nullptr;
    ++Uses;
    for (Line& line : Lines)
        if (line.Font == font && line.Colour == Packed(colour) && line.Text == text) {
            line.LastUse = Uses;
            return line.Surface;
        }
    SDL_Surface* rendered = Text::Render(font, text, colour);
    if (rendered == nullptr)
        return nullptr;
    if (Lines.size() == Capacity) {
        auto oldest = std::min_element(Lines.begin(), Lines.end(),
                                       [](const Line& a, const Line& b) { return a.LastUse < b.LastUse; });
        SDL_FreeSurface(oldest->Surface);
        Lines.erase(oldest);
    }
    Lines.push_back({font, text, Packed(colour), rendered, Uses});
    return rendered;
}

namespace {
void Blit(SDL_Surface* line, SDL_Surface* target, int x, int y) {
    SDL_Rect dest{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(line, nullptr, target, &dest);
}
}  // namespace

int TextCache::Draw(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y) {
    SDL_Surface* line = Find(font, text, colour);
    if (line == nullptr)
        return 0;
    Blit(line, target, x, y);
    return line->w;
}

void TextCache::DrawCentred(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int y) {
    DrawAt(target, font, text, colour, Layout::CentreX, y, Align::Centre);
}

void TextCache::DrawAt(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y,
                       Align align) {
    const SDL_Rect box = Box(font, text, colour, x, y, align);
    if (box.w > 0)
        Blit(Find(font, text, colour), target, box.x, box.y);
}

SDL_Rect TextCache::Box(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y, Align align) {
    SDL_Surface* line = Find(font, text, colour);
    if (line == nullptr)
        return {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    const int left = align == Align::Left ? x : align == Align::Centre ? x - line->w / 2 : x - line->w;
    return {static_cast<Sint16>(left), static_cast<Sint16>(y), static_cast<Uint16>(line->w),
            static_cast<Uint16>(line->h)};
}

void TextCache::Clear() {
    for (Line& line : Lines)
        SDL_FreeSurface(line.Surface);
    Lines.clear();
}
