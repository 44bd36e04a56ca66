#pragma once
#include "field/Weapon.h"

// The strong shot of the player's cannon (4 damage). It flies straight or
// on one of four headings at a constant speed of at least 200 px/s.
class GreenBullet : public Weapon {
public:
    bool Angled = false;
    // 1 forward-down, -1 forward-up, 2 straight down, -2 straight up.
    int Direction = 0;

    GreenBullet(float x, float y, int speed);
    GreenBullet(float x, float y, int speed, int direction);
    void Load() override;
    bool Update(float seconds) override;
};
