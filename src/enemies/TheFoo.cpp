#include "enemies/TheFoo.h"

#include <cmath>

#include "enemies/EnemyMotion.h"

// The swing about the entry height is amplitude / 5 pixels.
float TheFoo::WaveAmplitude(int kind) {
    switch (kind) {
    case 1:
        return 100;
    case 2:
        return 200;
    case 3:
        return 600;
    default:
        return 0;
    }
}

TheFoo::TheFoo(float x, float y, int kind) : Kind(kind) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/smallmine.png";
}

void TheFoo::Load() {
    Enemy::Load();
    Speed = 300;
    Health = 10;
    Size = 64;
    Clock.Start();
}

bool TheFoo::Update(float seconds) {
    Enemy::Update(seconds);
    SpeedX = -Speed;
    const float amplitude = WaveAmplitude(Kind);
    if (amplitude != 0)
        SpeedY = static_cast<float>(amplitude * std::cos(0.005 * Clock.GetTicks()));
    SyncWithGame(Clock, seconds);
    return false;
}
