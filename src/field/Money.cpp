#include "field/Money.h"

#include <cmath>

#include "engine/Layout.h"

void Money::Load() {
    Solid::Load();
    Speed = 20.0f;
    Value = 0;
}

bool Money::Update(float seconds) {
    Move(seconds);
    PosX -= seconds * Speed;
    if (OutOfBounds())
        Dead = true;
    return false;
}

bool Money::OutOfBounds() const {
    const float m = static_cast<float>(Size);
    return PosX < -m || PosX > Layout::WindowWidth + m || PosY < -m || PosY > Layout::WindowHeight + m;
}

void Money::MoveToward(float targetX, float targetY) {
    const float dx = targetX - PosX;
    const float dy = targetY - PosY;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return;  // already there: no direction to move in
    DirX = dx / length;
    DirY = dy / length;
    PosX += DirX;
    PosY += DirY;
}
