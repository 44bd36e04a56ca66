#include "effects/BackgroundPlanet.h"

#include <cstdlib>

#include "engine/Image.h"
#include "engine/Random.h"

namespace {
constexpr float PlanetScrollSpeed = 30;
constexpr float StartX = 500;
constexpr float StartY = 50;
// Far enough right of the window that the planet shows up only now and then.
constexpr float ReturnX = 2000;
}  // namespace

void BackgroundPlanet::Load() {
    Unsolid::Load();
    ScrollSpeed = PlanetScrollSpeed;
    PosX = StartX;
    PosY = StartY;
}

bool BackgroundPlanet::Update(float seconds) {
    Move(seconds);
    SpeedX = -ScrollSpeed;
    if (Sprite != nullptr && PosX <= static_cast<float>(-Sprite->Width())) {
        PosX = ReturnX;
        // A new height each pass; it may leave the planet partly off screen.
        PosY = static_cast<float>(Random::Draw() % 800 - 400);
    }
    return false;
}
