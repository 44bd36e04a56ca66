#include "engine/ButtonLabel.h"

#include "engine/Text.h"

namespace {
constexpr SDL_Color Glow{24, 120, 150, 0};
constexpr SDL_Color LitGlow{60, 190, 230, 0};
constexpr SDL_Color Ink{200, 242, 255, 0};
constexpr SDL_Color LitInk{240, 252, 255, 0};
// The button pictures' bodies start this far below their frames' tops.
constexpr int BodyTop = 6;
}  // namespace

ButtonLabel::~ButtonLabel() {
    Texts.Clear();
    for (auto& [size, font] : Fonts)
        Text::CloseFont(font);
}

TTF_Font* ButtonLabel::Font(int size) {
    auto found = Fonts.find(size);
    if (found == Fonts.end())
        found = Fonts.emplace(size, Text::OpenFont("pirulen.ttf", size)).first;
    return found->second;
}

int ButtonLabel::Width(const std::string& text, int size) {
    int width = 0;
    TTF_Font* font = Font(size);
    if (font == nullptr || TTF_SizeUTF8(font, text.c_str(), &width, nullptr) != 0)
        return 0;
    return width;
}

int ButtonLabel::SizeFor(const std::string& text, int frameWidth, int size) {
    if (Font(size) == nullptr)
        return 0;
    while (size > MinSize && Width(text, size) > Room(frameWidth))
        --size;
    return size;
}

void ButtonLabel::Draw(SDL_Surface* target, const std::string& text, const SDL_Rect& frame, int bodyHeight, int size,
                       bool lit) {
    const int fitting = SizeFor(text, frame.w, size);
    TTF_Font* font = fitting > 0 ? Font(fitting) : nullptr;
    if (font == nullptr)
        return;
    const SDL_Rect box = Texts.Box(font, text, Ink, 0, 0, TextCache::Align::Left);
    const int x = frame.x + (frame.w - box.w) / 2;
    const int y = frame.y + BodyTop + (bodyHeight - TTF_FontHeight(font)) / 2;
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-2, 0}, {2, 0}})
        Texts.Draw(target, font, text, lit ? LitGlow : Glow, x + dx, y + dy);
    Texts.Draw(target, font, text, lit ? LitInk : Ink, x, y);
}
