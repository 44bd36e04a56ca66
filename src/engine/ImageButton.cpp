#include "engine/ImageButton.h"

#include "engine/Engine.h"
#include "engine/Image.h"

bool ImageButton::Hovered(const SDL_Rect& rect, float x, float y) {
    return x > rect.x && x < rect.x + rect.w && y > rect.y && y < rect.y + rect.h;
}

SDL_Rect ImageButton::CentredRect(const Image& strip, int centreX, int top) {
    const int width = strip.Width();
    return SDL_Rect{static_cast<Sint16>(centreX - width / 4), static_cast<Sint16>(top),
                    static_cast<Uint16>(width / 2), static_cast<Uint16>(strip.Height())};
}

bool ImageButton::TakeClick(const SDL_Rect& rect, float x, float y) {
    return Hovered(rect, x, y) && Engine::Instance().Input.TakeLeftClick();
}

bool ImageButton::DrawAndTakeClick(SDL_Surface* target, const Image& strip, const SDL_Rect& rect, float x, float y) {
    strip.Draw(target, Hovered(rect, x, y) ? 1 : 0, rect.x, rect.y);
    return TakeClick(rect, x, y);
}
