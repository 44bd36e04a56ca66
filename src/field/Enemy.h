#pragma once
#include "field/Solid.h"

// Anything the player shoots at. Enemies may wait to the right of the window
// (up to x 2048) and end once they have left it completely elsewhere, or
// when their hit points are gone.
class Enemy : public Solid {
public:
    int Health = 0;
    float Speed = 0;

    void Load() override;
    bool Update(float seconds) override;
    bool OutOfBounds() const;
};
