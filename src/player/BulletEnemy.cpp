#include "player/BulletEnemy.h"

BulletEnemy::BulletEnemy(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/GreenBullet.png";
}

void BulletEnemy::Load() {
    Solid::Load();
    PosY -= 8;
    Size = 16;
    Damage = 10;
    Speed = 400;
}

bool BulletEnemy::Update(float seconds) {
    Weapon::Update(seconds);
    // Like the player's shots, it gets its velocity after the move and so
    // keeps its place during its first update.
    SpeedX = -Speed;
    return false;
}
