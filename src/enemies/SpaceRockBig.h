#pragma once
#include <string>

#include "field/Enemy.h"

// A big rock: flies left at 150 px/s (falling or rising too when its wave
// says so), takes 50 hit points and breaks into one or two small rocks,
// which keep its fall, when it ends.
class SpaceRockBig : public Enemy {
public:
    static constexpr int Side = 96;

    SpaceRockBig(float x, float y, const std::string& imagePath);
    void Load() override;
    bool Update(float seconds) override;
    void Split();

private:
    bool HasSplit = false;
};
