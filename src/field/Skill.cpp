#include "field/Skill.h"

#include <cctype>

namespace {
constexpr Skill All[] = {Skill::Easy, Skill::Normal, Skill::Hard};

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
}  // namespace

const char* SkillName(Skill skill) {
    switch (skill) {
    case Skill::Easy:
        return "easy";
    case Skill::Hard:
        return "hard";
    case Skill::Normal:
        break;
    }
    return "normal";
}

std::optional<Skill> SkillNamed(std::string_view name) {
    for (Skill skill : All)
        if (SameWord(name, SkillName(skill)))
            return skill;
    return std::nullopt;
}
