#include "enemies/SpaceRockSmall.h"

SpaceRockSmall::SpaceRockSmall(float x, float y, const std::string& imagePath) {
    PosX = x;
    PosY = y;
    ImagePath = imagePath;
}

void SpaceRockSmall::Load() {
    Enemy::Load();
    Speed = 250;
    Health = 15;
    Size = Side;
}

bool SpaceRockSmall::Update(float seconds) { return UpdateRock(*this, seconds); }

bool UpdateRock(Enemy& rock, float seconds) {
    rock.Enemy::Update(seconds);
    // Set after the move, so a freshly spawned rock holds still for one frame.
    rock.SpeedX = -rock.Speed;
    return false;
}
