#pragma once
#include "field/Skill.h"

// The numbers of the level that the difficulty changes, one set per skill,
// all in this one place. Normal is each level as its file has it; Easy and
// Hard move only these. The level hands them to what it runs: the HUD (the
// damage the ship takes, the shield), the shop (the repair), the wave
// script (the gun arms' pace and the boss's hit points, as shares of what
// the level's plan gives them). The sets are constants that live as long
// as the program.
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
    // The gun arms' interval between shots and the boss's hit points, in
    // percent of the level's.
    int ArmFirePercent;
    int BossHealthPercent;

    // What `damage` from a ramming or an enemy shot costs the ship.
    int ShipDamage(int damage) const { return damage * DamagePercent / 100; }

    static const SkillRules& Of(Skill skill);
};
