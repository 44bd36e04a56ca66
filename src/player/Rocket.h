#pragma once
#include "field/Weapon.h"

class Entity;

// The player's homing missile: leaves the ship at 500 px/s, is pulled every
// frame toward certain enemies, trails smoke and deals 25 damage.
class Rocket : public Weapon {
public:
    int TurnRate = 0;
    float AimX = 0;
    float AimY = 0;

    Rocket(float x, float y);
    void Load() override;
    bool Update(float seconds) override;

    // Adds TurnRate px/s of velocity toward the target; a target right on the
    // rocket leaves the velocity as it is.
    void SteerToward(float targetX, float targetY);
    void SpawnSmoke();
};

// The homing step for one ordered pair of the stage's entities: a Rocket
// steers toward mines, rocks, the boss and gun arms (never swarms).
void HomeRockets(Entity* first, Entity* second);
