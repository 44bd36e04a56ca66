#include "engine/Text.h"

#include "engine/Catalogue.h"
#include "engine/Log.h"

TTF_Font* Text::OpenFont(const std::string& path, int size) {
    if (!TTF_WasInit())
        return nullptr;
    TTF_Font* font = TTF_OpenFont(path.c_str(), size);
    if (font == nullptr)
        Log::WarnOnce(Catalogue::Fill(Tr("cannot open font {1} ({2}); texts are left out"), {Log::Quoted(path), TTF_GetError()}));
    return font;
}

void Text::CloseFont(TTF_Font*& font) {
    if (font != nullptr && TTF_WasInit())
        TTF_CloseFont(font);
    font = nullptr;
}

SDL_Surface* Text::Render(TTF_Font* font, const std::string& text, SDL_Color colour) {
    if (font == nullptr || text.empty())
        return nullptr;
    if (Rendered != nullptr)
        Rendered(text);
    return TTF_RenderUTF8_Solid(font, text.c_str(), colour);
}
