#pragma once
#include "field/Skill.h"

// The numbers of the level that the difficulty changes, one set per skill,
// all in this one place. Normal is the level as it always played; Easy and
// Hard move only these. The level hands them to what it runs: the HUD (the
// damage the ship takes, the shield), the shop (the repair), the wave
// script (the gun arms' fire, the boss's hit points). The sets are
// constants that live as long as the program.
struct SkillRules {
    // The share, in percent, of a ramming's or an enemy shot's damage that
    // reaches the ship. The boss's ray burns at its own rate on every skill.
    int DamagePercent;
    // Shield points won back each drawn frame once it recharges, and the
    // quiet time after the last damage before it does.
    float ShieldRecharge;
    int ShieldDelayMs;
    // What a repair costs.
    int RepairPrice;
    // The gun arms fire once this many milliseconds have passed.
    int ArmFireMs;
    int BossHealth;

    // What `damage` from a ramming or an enemy shot costs the ship.
    int ShipDamage(int damage) const { return damage * DamagePercent / 100; }

    static const SkillRules& Of(Skill skill);
};
