#include "field/Enemy.h"

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
    return PosX < -m || PosX > 2048 || PosY < -m || PosY > 600 + m;
}
