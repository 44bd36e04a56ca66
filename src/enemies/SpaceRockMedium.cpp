#include "enemies/SpaceRockMedium.h"

#include "enemies/SpaceRockSmall.h"

SpaceRockMedium::SpaceRockMedium(float x, float y, const std::string& imagePath) {
    PosX = x;
    PosY = y;
    ImagePath = imagePath;
}

void SpaceRockMedium::Load() {
    Enemy::Load();
    Speed = 200;
    Health = 25;
    Size = Side;
}

bool SpaceRockMedium::Update(float seconds) { return UpdateRock(*this, seconds); }
