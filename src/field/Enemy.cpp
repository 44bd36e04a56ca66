#include "field/Enemy.h"

#include "engine/Layout.h"

void Enemy::Load() {
    Solid::Load();
    Health = 1;
    Speed = 1.0f;
}

bool Enemy::Update(float seconds) {
    Move(seconds);
    if (OutOfBounds())
        Dead = true;
    if (Health <= 0)
        Dead = true;
    return false;
}

bool Enemy::OutOfBounds() const {
    const float m = static_cast<float>(Size);
    return PosX < -m || PosX > 2 * Layout::WindowWidth || PosY < -m || PosY > Layout::WindowHeight + m;
}
