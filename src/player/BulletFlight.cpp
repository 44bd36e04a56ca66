#include "player/BulletFlight.h"

#include "field/Weapon.h"

namespace BulletFlight {

float FloorSpeed(int speed) { return speed >= 200 ? static_cast<float>(speed) : 200.0f; }

void Update(Weapon& bullet, bool angled, int direction, float seconds) {
    bullet.Weapon::Update(seconds);
    bullet.SpeedX = bullet.Speed;
    if (!angled)
        return;
    switch (direction) {
    case 1:
        bullet.SpeedY = bullet.Speed / 3;
        break;
    case -1:
        bullet.SpeedY = -bullet.Speed / 3;
        break;
    case 2:
        bullet.SpeedY = bullet.Speed;
        bullet.SpeedX = 0;
        break;
    case -2:
        bullet.SpeedY = -bullet.Speed;
        bullet.SpeedX = 0;
        break;
    default:
        break;  // an unknown heading flies straight
    }
}

}  // namespace BulletFlight
