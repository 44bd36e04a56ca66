#include "field/SkillRules.h"

namespace {
// Chosen by flying the autopilot through many seeds on each skill; the
// figures are in bench/README.md.
constexpr SkillRules Easy{
    .DamagePercent = 70,
    .ShieldRecharge = 0.2f,
    .ShieldDelayMs = 2500,
    .RepairPrice = 400,
    .ArmFireMs = 300,
    .BossHealth = 800,
};
constexpr SkillRules Normal{
    .DamagePercent = 100,
    .ShieldRecharge = 0.15f,
    .ShieldDelayMs = 3000,
    .RepairPrice = 500,
    .ArmFireMs = 250,
    .BossHealth = 1000,
};
constexpr SkillRules Hard{
    .DamagePercent = 125,
    .ShieldRecharge = 0.12f,
    .ShieldDelayMs = 3500,
    .RepairPrice = 600,
    .ArmFireMs = 220,
    .BossHealth = 1250,
};
}  // namespace

const SkillRules& SkillRules::Of(Skill skill) {
    switch (skill) {
    case Skill::Easy:
        return Easy;
    case Skill::Hard:
        return Hard;
    case Skill::Normal:
        break;
    }
    return Normal;
}
