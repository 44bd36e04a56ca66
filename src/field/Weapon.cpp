#include "field/Weapon.h"

bool Weapon::Update(float seconds) {
    Move(seconds);
    if (OutsideWindow())
        Dead = true;
    return false;
}

bool Weapon::OutsideWindow() const { return PosX < 0 || PosX > 1024 || PosY < 0 || PosY > 600; }
