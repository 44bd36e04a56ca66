#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>

// Fonts and solid-rendered text. A missing font or a failed render leaves
// the text out; nothing ever touches a null surface. Lines drawn every
// frame go through a TextCache.
class Text {
public:
    // Opens `path` at `size` points; null (with one warning) when it fails.
    static TTF_Font* OpenFont(const std::string& path, int size);
    // Closes a font opened by OpenFont and clears the pointer.
    static void CloseFont(TTF_Font*& font);

    // A new surface with `text` (UTF-8) rendered solid, owned by the caller; null
    // without a font, for an empty text or when rendering fails.
    static SDL_Surface* Render(TTF_Font* font, const std::string& text, SDL_Color colour);

    // For the tests: told every text rendered, so that they can find a text
    // drawn without passing through the catalogue.
    static inline void (*Rendered)(const std::string& text) = nullptr;
};
