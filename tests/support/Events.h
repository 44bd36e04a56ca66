#pragma once
#include <SDL/SDL.h>

// The SDL events a desktop sends the game, as the tests, the fuzzer and its
// decoder build them.
namespace Events {
inline SDL_Event Key(bool down, SDLKey key) {
    SDL_Event e{};
    e.key = {Uint8(down ? SDL_KEYDOWN : SDL_KEYUP), 0, Uint8(down ? SDL_PRESSED : SDL_RELEASED), {0, key, KMOD_NONE, 0}};
    return e;
}
inline SDL_Event Button(bool down, Uint8 button, Uint16 x, Uint16 y) {
    SDL_Event e{};
    e.button = {Uint8(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP), 0, button,
                Uint8(down ? SDL_PRESSED : SDL_RELEASED), x, y};
    return e;
}
inline SDL_Event Motion(Uint16 x, Uint16 y) {
    SDL_Event e{};
    e.motion = {SDL_MOUSEMOTION, 0, 0, x, y, 0, 0};
    return e;
}
inline SDL_Event Focus(Uint8 gain, Uint8 state) {
    SDL_Event e{};
    e.active = {SDL_ACTIVEEVENT, gain, state};
    return e;
}
inline SDL_Event PadButton(bool down, Uint8 button) {
    return {.jbutton = {Uint8(down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP), 0, button, Uint8(down)}};
}
inline SDL_Event Hat(Uint8 value) { return {.jhat = {SDL_JOYHATMOTION, 0, 0, value}}; }
inline SDL_Event Axis(Uint8 axis, Sint16 value) { return {.jaxis = {SDL_JOYAXISMOTION, 0, axis, value}}; }
// A key as a keyboard of another layout sends it: its letter, and its
// place as the X server numbers it.
inline SDL_Event KeyAt(bool down, SDLKey letter, Uint8 place) {
    SDL_Event e = Key(down, letter);
    e.key.keysym.scancode = place;
    return e;
}
inline SDL_Event Quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    return e;
}
}  // namespace Events
