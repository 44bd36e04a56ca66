#pragma once
#include "engine/PauseHold.h"
#include "engine/Timer.h"
#include "field/Enemy.h"

// A turret that comes with the boss (or on its own, in the waves of some
// levels): slides in to x 874, hovers and fires an enemy bullet at its pace
// (every quarter second at the first level's boss on normal). It ends when
// it is shot down or the boss dies.
class GunArm : public Enemy {
public:
    Timer FireClock;
    Timer Clock;
    // It fires once its fire clock has passed this.
    const int FireIntervalMs;

    // `fireIntervalMs` is its pace: the level's, as its skill sets it.
    GunArm(float x, float y, int fireIntervalMs = 250);
    void Load() override;
    bool Update(float seconds) override;
    void Fire();

private:
    // The fire clock stands still through a pause, so no shots pile up at
    // the muzzle while the game waits.
    PauseHold FireHold;
};
