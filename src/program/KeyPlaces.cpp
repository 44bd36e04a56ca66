#include "program/KeyPlaces.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {
// The keys of a US keyboard's main block, row by row, from the X key code
// of the first (the same under evdev and the older XFree86 key codes).
struct KeyRow {
    Uint8 First;
    const char* Keys;  // each key's symbol is its character
};
constexpr KeyRow UsRows[] = {{10, "1234567890-="}, {24, "qwertyuiop[]"}, {38, "asdfghjkl;'`"}, {51, "\\zxcvbnm,./"}};
constexpr Uint8 UsSpace = 65;

// Whether a key of that symbol has a place on a US keyboard.
bool IsKeyOfPlay(SDLKey key) {
    if (key == SDLK_SPACE)
        return true;
    return key != SDLK_UNKNOWN && key < 128 && std::any_of(std::begin(UsRows), std::end(UsRows), [key](const KeyRow& row) {
               return std::strchr(row.Keys, static_cast<int>(key)) != nullptr;
           });
}

// Keys that print a character (a letter of any script included) or have no
// symbol at all. Only these are read by their place: ESC, Enter, the
// function keys, arrows and the keypad keep their meaning wherever a
// layout puts them.
bool IsCharacterKey(SDLKey key) {
    return key == SDLK_UNKNOWN || (key >= SDLK_SPACE && key < SDLK_DELETE && !(key >= SDLK_0 && key <= SDLK_9)) ||
           (key >= SDLK_WORLD_0 && key <= SDLK_WORLD_95);
}
}  // namespace

SDLKey KeyPlaces::KeyOfPlayAt(Uint8 scancode) {
    if (scancode == UsSpace)
        return SDLK_SPACE;
    for (const KeyRow& row : UsRows)
        if (scancode >= row.First && scancode < row.First + std::strlen(row.Keys))
            return static_cast<SDLKey>(row.Keys[scancode - row.First]);
    return SDLK_UNKNOWN;
}

SDLKey KeyPlaces::ReadPress(const SDL_keysym& key, Settings::KeyReading reading) {
    if (reading == Settings::KeyReading::Letters || key.scancode == 0 || !IsCharacterKey(key.sym))
        return key.sym;
    const SDLKey atPlace = KeyOfPlayAt(key.scancode);
    if (atPlace != SDLK_UNKNOWN)
        return atPlace;
    return IsKeyOfPlay(key.sym) ? SDLK_UNKNOWN : key.sym;
}

bool KeyPlaces::Held::Is(const SDL_keysym& key) const {
    return key.scancode != 0 ? key.scancode == Place : Place == 0 && key.sym == Symbol;
}

SDL_Event KeyPlaces::Read(const SDL_Event& event, Settings::KeyReading reading, const Meaning& meaning) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return event;
    SDL_Event read = event;
    const SDL_keysym& key = event.key.keysym;
    const auto held = std::find_if(Down.begin(), Down.end(), [&key](const Held& h) { return h.Is(key); });
    // A key pressed again before its release (a repeat, or a release that
    // went to another window) still reads as it did when first pressed.
    read.key.keysym.sym = held != Down.end() ? held->ReadAs : ReadPress(key, reading);
    if (held == Down.end() && meaning)
        read.key.keysym.sym = meaning(read.key.keysym.sym);
    if (event.type == SDL_KEYUP && held != Down.end())
        Down.erase(held);
    else if (event.type == SDL_KEYDOWN && held == Down.end())
        Down.push_back(Held{key.scancode, key.sym, read.key.keysym.sym});
    return read;
}
