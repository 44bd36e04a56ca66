#include "levels/Campaign.h"

#include <cassert>

#include "levels/LevelFile.h"

namespace {
std::shared_ptr<const Level> Read[Campaign::Levels + 1];

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "; ") + line;
    return text;
}
}  // namespace

LevelLoadError::LevelLoadError(std::vector<std::string> messages)
    : std::runtime_error("cannot read a level of the game: " + Joined(messages)), Messages(std::move(messages)) {}

std::string Campaign::FileOf(int number) { return "levels/level" + std::to_string(number) + ".level"; }

std::shared_ptr<const Level> Campaign::Get(int number) {
    assert(number >= 1 && number <= Levels);
    std::shared_ptr<const Level>& level = Read[number];
    if (!level) {
        std::vector<std::string> messages;
        std::optional<Level> plan = LevelFile::Load(FileOf(number), messages);
        if (!plan)
            throw LevelLoadError(std::move(messages));
        level = std::make_shared<const Level>(std::move(*plan));
    }
    return level;
}

void Campaign::ReadAll() {
    for (int number = 1; number <= Levels; ++number)
        Get(number);
}

LevelStart Campaign::Start(int number, const Loadout& ship, bool inCampaign) {
    return LevelStart{Get(number), number, "", inCampaign, ship};
}

std::optional<LevelStart> Campaign::Next(const LevelStart& current, const Loadout& ship) {
    if (!current.InCampaign || current.OwnLevel() || current.Number >= Levels)
        return std::nullopt;
    return Start(current.Number + 1, ship);
}
