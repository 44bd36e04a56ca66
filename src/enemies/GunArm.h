#pragma once
#include "engine/PauseHold.h"
#include "engine/Timer.h"
#include "field/Enemy.h"
#include "field/SkillRules.h"

// A turret that comes with the boss: slides in to x 874, hovers and fires an
// enemy bullet at its skill's pace (every quarter second on normal). It ends
// when the boss dies.
class GunArm : public Enemy {
public:
    Timer FireClock;
    Timer Clock;
    // It fires once its fire clock has passed this.
    const int FireIntervalMs;

    GunArm(float x, float y, const SkillRules& rules = SkillRules::Of(Skill::Normal));
    void Load() override;
    bool Update(float seconds) override;
    void Fire();

private:
    // The fire clock stands still through a pause, so no shots pile up at
    // the muzzle while the game waits.
    PauseHold FireHold;
};
