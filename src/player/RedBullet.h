#pragma once
#include "field/Weapon.h"

// The weak shot of the player's cannon (2 damage); flies like GreenBullet.
class RedBullet : public Weapon {
public:
    bool Angled = false;
    int Direction = 0;

    RedBullet(float x, float y, int speed);
    RedBullet(float x, float y, int speed, int direction);
    void Load() override;
    bool Update(float seconds) override;
};
