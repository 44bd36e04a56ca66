#include "field/Weapon.h"

#include "engine/Layout.h"

bool Weapon::Update(float seconds) {
    Move(seconds);
    if (OutsideWindow())
        Dead = true;
    return false;
}

bool Weapon::OutsideWindow() const {
    return PosX < 0 || PosX > Layout::WindowWidth || PosY < 0 || PosY > Layout::WindowHeight;
}
