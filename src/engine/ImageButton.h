#pragma once
#include <SDL/SDL.h>

class Image;

// A two-frame picture button of the menu and the level's overlays: frame 0
// normally, frame 1 lit (on the overlays, while the pointer is strictly
// inside its rectangle; the menu lights the one its keys or pointer chose). A
// left click is only taken while the pointer is on the button, so a press
// made elsewhere stays stored until the pointer arrives (or the level's HUD
// discards it). The picture belongs to the image cache.
class ImageButton {
public:
    // Strictly inside: a pointer on the left or top edge is not on the button.
    static bool Hovered(const SDL_Rect& rect, float x, float y);

    // The rectangle of one frame of a two-frame strip, centred on centreX
    // with its top at `top` (integer quarters and halves of the strip width).
    static SDL_Rect CentredRect(const Image& strip, int centreX, int top);

    // Takes a stored left click when the pointer at (x, y) is on the
    // button; true when it did.
    static bool TakeClick(const SDL_Rect& rect, float x, float y);
    // Draws the button lit while the pointer at (x, y) is on it and takes a
    // click there: the overlays, which only the pointer works.
    static bool DrawAndTakeClick(SDL_Surface* target, const Image& strip, const SDL_Rect& rect, float x, float y);
};
