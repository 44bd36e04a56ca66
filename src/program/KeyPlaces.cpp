#include "program/KeyPlaces.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
// X key codes of the keys of play on a US keyboard (the same under evdev and
// the older XFree86 key codes).
constexpr std::array<std::pair<Uint8, SDLKey>, 10> UsPlaces{{
    {24, SDLK_q},
    {25, SDLK_w},
    {38, SDLK_a},
    {39, SDLK_s},
    {40, SDLK_d},
    {43, SDLK_h},
    {56, SDLK_b},
    {57, SDLK_n},
    {58, SDLK_m},
    {65, SDLK_SPACE},
}};

bool IsKeyOfPlay(SDLKey key) {
    return std::any_of(UsPlaces.begin(), UsPlaces.end(), [key](const auto& place) { return place.second == key; });
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
    for (const auto& [place, key] : UsPlaces)
        if (place == scancode)
            return key;
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

SDL_Event KeyPlaces::Read(const SDL_Event& event, Settings::KeyReading reading) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return event;
    SDL_Event read = event;
    const SDL_keysym& key = event.key.keysym;
    const auto held = std::find_if(Down.begin(), Down.end(), [&key](const Held& h) { return h.Is(key); });
    // A key pressed again before its release (a repeat, or a release that
    // went to another window) still reads as it did when first pressed.
    read.key.keysym.sym = held != Down.end() ? held->ReadAs : ReadPress(key, reading);
    if (event.type == SDL_KEYUP && held != Down.end())
        Down.erase(held);
    else if (event.type == SDL_KEYDOWN && held == Down.end())
        Down.push_back(Held{key.scancode, key.sym, read.key.keysym.sym});
    return read;
}
