#pragma once
#include <SDL/SDL.h>

#include <vector>

#include "keep/Settings.h"

// Reads the keys of play (W, A, S, D, Q, H, B, N, M and Space) by where they
// sit on the keyboard, as a US keyboard labels them, so that on a French
// keyboard Z Q S D fly and A self-destructs. A key whose letter is one of
// those but whose place is another (the French W, where US has Z) then does
// nothing in play. Every other key (ESC, the function keys, arrows, Enter,
// digits) reads as it is, and so does a key whose place SDL does not report.
//
// The place is the key's scancode, which is the X server's key code with
// classic SDL 1.2 and with sdl12-compat alike (the Linux key code plus 8).
//
// A key's release always reads as its press did, even when the reading was
// changed while the key was down: the game never sees a key stuck.
class KeyPlaces {
public:
    // `event` as the game is to see it; anything but a key reads as it is.
    SDL_Event Read(const SDL_Event& event, Settings::KeyReading reading);

    // The key of play at US keyboard place `scancode`; SDLK_UNKNOWN elsewhere.
    static SDLKey KeyOfPlayAt(Uint8 scancode);

private:
    static SDLKey ReadPress(const SDL_keysym& key, Settings::KeyReading reading);

    // A key held down: what it was (its place, or its symbol where it has
    // no place) and what its press read as.
    struct Held {
        Uint8 Place;
        SDLKey Symbol;
        SDLKey ReadAs;
        bool Is(const SDL_keysym& key) const;
    };
    // One entry per key down, so no more than the keyboard has keys.
    std::vector<Held> Down;
};
