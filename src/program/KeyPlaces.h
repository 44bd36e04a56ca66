#pragma once
#include <SDL/SDL.h>

#include <functional>
#include <vector>

#include "keep/Settings.h"

// Reads the keys of a US keyboard's main block (letters, punctuation, the
// space bar) by where they sit on the keyboard, as a US keyboard labels them,
// so that on a French keyboard Z Q S D fly and A self-destructs, and a key
// bound by its letter is found where a US keyboard has it (the French W, where
// US has Z, reads as Z). A key of a place US keyboards lack reads as nothing
// if its symbol has a US place, so that it cannot pass for that key. Every
// other key (ESC, the function keys, arrows, Enter, digits)
// reads as it is, and so does a key whose place SDL does not report. A
// press can then be given another meaning (the action a key is bound to).
//
// The place is the key's scancode, which is the X server's key code with
// classic SDL 1.2 and with sdl12-compat alike (the Linux key code plus 8).
//
// A key's release always reads as its press did, even when the reading was
// changed while the key was down: the game never sees a key stuck.
class KeyPlaces {
public:
    // What a key read as the first means now (the key itself, another, or
    // SDLK_UNKNOWN for nothing).
    using Meaning = std::function<SDLKey(SDLKey)>;

    // `event` as the game is to see it; anything but a key reads as it is.
    // A press (and a release whose press was not seen) is read, then given
    // its `meaning`, if any.
    SDL_Event Read(const SDL_Event& event, Settings::KeyReading reading, const Meaning& meaning = {});
    // How a press of `key` reads, its meaning left aside.
    static SDLKey ReadPress(const SDL_keysym& key, Settings::KeyReading reading);

    // The key at US keyboard place `scancode`; SDLK_UNKNOWN elsewhere.
    static SDLKey KeyOfPlayAt(Uint8 scancode);

private:
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
