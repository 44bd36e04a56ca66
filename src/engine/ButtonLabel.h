#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <map>
#include <string>

#include "engine/TextCache.h"

// The words on the menu's, the pages' and the overlays' buttons, drawn at
// run time over the blank button pictures in the language spoken: a light
// label on a cyan glow, brighter on the lit frame. A label too wide for the
// body between the button's arrow heads is drawn smaller, down to MinSize.
// The label owns its fonts (one a size) and its rendered lines.
class ButtonLabel {
public:
    static constexpr int MinSize = 12;
    // The room a label has on a button picture `frameWidth` wide: its body
    // less the arrow heads either side.
    static constexpr int Room(int frameWidth) { return frameWidth - 54; }

    ButtonLabel() = default;
    ~ButtonLabel();
    ButtonLabel(const ButtonLabel&) = delete;
    ButtonLabel& operator=(const ButtonLabel&) = delete;

    // Draws `text` centred on the body of the button whose frame lies at
    // `frame` (a body `bodyHeight` high, 6 px below the frame's top), at
    // `size` or smaller until it fits.
    void Draw(SDL_Surface* target, const std::string& text, const SDL_Rect& frame, int bodyHeight, int size, bool lit);
    // The size Draw uses for `text` on a button `frameWidth` wide; 0 without a font.
    int SizeFor(const std::string& text, int frameWidth, int size);
    // The width of `text` at `size`; 0 without a font.
    int Width(const std::string& text, int size);

private:
    TTF_Font* Font(int size);

    std::map<int, TTF_Font*> Fonts;
    TextCache Texts{24};
};
