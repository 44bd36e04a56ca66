#include "player/RedBullet.h"

#include "player/BulletFlight.h"

RedBullet::RedBullet(float x, float y, int speed) {
    PosX = x;
    PosY = y;
    Speed = BulletFlight::FloorSpeed(speed);
    ImagePath = "Image/RedBullet.png";
}

RedBullet::RedBullet(float x, float y, int speed, int direction) : RedBullet(x, y, speed) {
    Angled = true;
    Direction = direction;
}

void RedBullet::Load() {
    Solid::Load();
    // The spawn point is the shot's middle line; the picture is 16 high.
    PosY -= 8;
    Size = 16;
    Damage = 2;
}

bool RedBullet::Update(float seconds) {
    BulletFlight::Update(*this, Angled, Direction, seconds);
    return false;
}
