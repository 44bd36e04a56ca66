#pragma once
#include <SDL/SDL_keysym.h>

#include <string>

// What the level's HUD writes on a shop button when the player buys with
// another key than the game's own (H, B, N, M): the program's controls
// provide it. The engine holds at most one and owns none.
class ShopLabels {
public:
    virtual ~ShopLabels() = default;

    // The label of the shop button of `gameKey`; empty while the player
    // still buys with that key.
    virtual std::string ShopLabel(SDLKey gameKey) const = 0;
};
