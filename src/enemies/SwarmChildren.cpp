#include "enemies/SwarmChildren.h"

#include <cmath>

#include "enemies/EnemyMotion.h"

namespace {
// Steering nudges per call; the stage calls the steering many times a
// frame, so these are small. Vertical pull is a little stronger.
constexpr float SteerStepX = 0.04f;
constexpr float SteerStepY = 0.05f;
constexpr float CreepPerUpdate = 0.1f;
}  // namespace

SwarmChildren::SwarmChildren(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/SmallBug.png";
}

void SwarmChildren::Load() {
    Enemy::Load();
    Speed = 100;
    Health = 10;
    Size = 20;
    Clock.Start();
}

bool SwarmChildren::Update(float seconds) {
    Enemy::Update(seconds);
    SpeedY = static_cast<float>(100.0 * std::sin(0.008 * Clock.GetTicks()));
    PosX -= CreepPerUpdate;
    SyncWithGame(Clock, seconds);
    return false;
}

void SwarmChildren::SteerToward(float x, float y) {
    const float dx = x - PosX;
    const float dy = y - PosY;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return;  // already on the point: no direction to take
    DirX = dx / length;
    DirY = dy / length;
    PosX += DirX * SteerStepX;
    PosY += DirY * SteerStepY;
}
