#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// How hard the level plays. Normal is the rules as written; Easy and Hard
// change a few of the level's numbers.
enum class Skill : uint8_t { Easy = 0, Normal = 1, Hard = 2 };

// The names the settings file, the command line and the screens use:
// "easy", "normal", "hard".
const char* SkillName(Skill skill);
// The skill called `name` (any letter case); none for another word.
std::optional<Skill> SkillNamed(std::string_view name);
