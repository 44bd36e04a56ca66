#include "field/SkillRules.h"

namespace {
// Chosen by flying the autopilot through many seeds on each skill; the
// figures are in bench/README.md.
constexpr SkillRules Easy{
    .DamagePercent = 50,
    .ShieldRecharge = 0.3f,
    .ShieldDelayMs = 2000,
    .RepairPrice = 300,
    .ArmFireMs = 400,
    .BossHealth = 600,
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
    .DamagePercent = 150,
    .ShieldRecharge = 0.1f,
    .ShieldDelayMs = 4000,
    .RepairPrice = 700,
    .ArmFireMs = 200,
    .BossHealth = 1500,
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
