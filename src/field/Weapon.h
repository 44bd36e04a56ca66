#pragma once
#include "field/Solid.h"

// A projectile: the player's bullets and missiles and the enemies' bullet.
// It ends once its top-left corner leaves the window.
class Weapon : public Solid {
public:
    float Speed = 0;
    int Damage = 0;

    bool Update(float seconds) override;
    // True when the top-left corner lies outside the window (edges inside).
    bool OutsideWindow() const;
};
