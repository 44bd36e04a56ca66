#pragma once
#include "field/Weapon.h"

// The gun arms' shot: flies left at 400 px/s and costs the player 10 points.
class BulletEnemy : public Weapon {
public:
    BulletEnemy(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
};
