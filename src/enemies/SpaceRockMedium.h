#pragma once
#include <string>

#include "field/Enemy.h"

// A medium rock: flies left at 200 px/s with 25 hit points (and falls or
// rises at the speed its wave gives it, if any).
class SpaceRockMedium : public Enemy {
public:
    static constexpr int Side = 60;

    SpaceRockMedium(float x, float y, const std::string& imagePath);
    void Load() override;
    bool Update(float seconds) override;
};
