#include "engine/Text.h"

#include "engine/Log.h"

TTF_Font* Text::OpenFont(const std::string& path, int size) {
    if (!TTF_WasInit())
        return nullptr;
    TTF_Font* font = TTF_OpenFont(path.c_str(), size);
    if (font == nullptr)
        Log::WarnOnce("cannot open font \"" + path + "\" (" + TTF_GetError() + "); texts are left out");
    return font;
}

void Text::CloseFont(TTF_Font*& font) {
    if (font != nullptr && TTF_WasInit())
        TTF_CloseFont(font);
    font = nullptr;
}

namespace {
SDL_Surface* Render(TTF_Font* font, const std::string& text, SDL_Color colour) {
    if (font == nullptr || text.empty())
        return nullptr;
    return TTF_RenderText_Solid(font, text.c_str(), colour);
}

void BlitAndFree(SDL_Surface* target, SDL_Surface* rendered, int x, int y) {
    SDL_Rect dest{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(rendered, nullptr, target, &dest);
    SDL_FreeSurface(rendered);
}
}  // namespace

int Text::Draw(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y) {
    SDL_Surface* rendered = Render(font, text, colour);
    if (rendered == nullptr)
        return 0;
    const int width = rendered->w;
    BlitAndFree(target, rendered, x, y);
    return width;
}

void Text::DrawCentred(SDL_Surface* target, TTF_Font* font, const std::string& text, SDL_Color colour, int y) {
    SDL_Surface* rendered = Render(font, text, colour);
    if (rendered == nullptr)
        return;
    BlitAndFree(target, rendered, 512 - rendered->w / 2, y);
}
