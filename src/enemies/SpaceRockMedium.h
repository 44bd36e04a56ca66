#pragma once
#include <string>

#include "field/Enemy.h"

// A medium rock: flies left at 200 px/s with 25 hit points.
class SpaceRockMedium : public Enemy {
public:
    SpaceRockMedium(float x, float y, const std::string& imagePath);
    void Load() override;
    bool Update(float seconds) override;
};
