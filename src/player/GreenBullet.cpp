#include "player/GreenBullet.h"

#include "player/BulletFlight.h"

GreenBullet::GreenBullet(float x, float y, int speed) {
    PosX = x;
    PosY = y;
    Speed = BulletFlight::FloorSpeed(speed);
    ImagePath = "Image/GreenBullet.png";
}

GreenBullet::GreenBullet(float x, float y, int speed, int direction) : GreenBullet(x, y, speed) {
    Angled = true;
    Direction = direction;
}

void GreenBullet::Load() {
    Solid::Load();
    // The spawn point is the shot's middle line; the picture is 16 high.
    PosY -= 8;
    Size = 16;
    Damage = 4;
}

bool GreenBullet::Update(float seconds) {
    BulletFlight::Update(*this, Angled, Direction, seconds);
    return false;
}
