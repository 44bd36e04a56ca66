#pragma once
#include <SDL/SDL.h>

// A recorded run shown in the window instead of the game for a while: the
// demo of the idle menu, a kept run watched again. While the engine holds
// one, the main loop hands it every frame in place of the game's own, and
// each render lets it draw over the screens before the flip. The program
// owns it.
class WindowShow {
public:
    virtual ~WindowShow() = default;

    // One frame of the show (it plays the recorded frames that are due and
    // reads the live input); true when the program should end.
    virtual bool Frame() = 0;
    // Draws over the screens of the frame being rendered.
    virtual void DrawOver(SDL_Surface* target) = 0;
    // Ends the show at once, putting nothing up in its place: the game is
    // being brought back to a fresh start.
    virtual void End() = 0;
};
