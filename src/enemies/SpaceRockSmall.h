#pragma once
#include <string>

#include "field/Enemy.h"

// A small rock: flies left at 250 px/s with 15 hit points (and falls or
// rises at the speed its wave gives it, if any).
class SpaceRockSmall : public Enemy {
public:
    static constexpr int Side = 34;

    SpaceRockSmall(float x, float y, const std::string& imagePath);
    void Load() override;
    bool Update(float seconds) override;
};

// The flight shared by the rocks: move, bounds and health test, then the
// leftward velocity (so the first update after Load does not move).
bool UpdateRock(Enemy& rock, float seconds);
