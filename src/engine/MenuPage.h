#pragma once
#include <SDL/SDL.h>

// A page the menu shows over its star field in place of its buttons: the
// options and the scores pages. The program provides them (they reach the
// settings, the score table and the replays, which the screens may not);
// the menu owns the page it shows and deletes it when the player leaves it.
class MenuPage {
public:
    virtual ~MenuPage() = default;

    // The frame's keys, clicks and pointer. False once the player leaves the
    // page (Back, ESC): the menu shows its buttons again.
    virtual bool Update() = 0;
    // Draws the page on `target`, the window as it is this frame (it can be
    // another surface from one frame to the next).
    virtual void Draw(SDL_Surface* target) = 0;
};
