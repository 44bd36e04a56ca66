#include "player/Rocket.h"

#include <cmath>

#include "effects/SmokeTrail.h"
#include "engine/Engine.h"
#include "engine/Image.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"

Rocket::Rocket(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/Rocket.png";
}

void Rocket::Load() {
    Solid::Load();
    PosY -= 8;
    SpeedX = 500;
    Size = 16;
    Damage = 25;
    TurnRate = 5;
    Animated = true;
    Sprite->SetFrames(0, 0, 18, 10, 2);
}

bool Rocket::Update(float seconds) {
    Weapon::Update(seconds);
    SpawnSmoke();
    // Frame 1 points right, frame 0 left.
    Frame = SpeedX > 0 ? 1 : 0;
    return false;
}

// The pull is per frame, not per second, so it is not scaled by the time.
void Rocket::SteerToward(float targetX, float targetY) {
    const float dx = targetX - PosX;
    const float dy = targetY - PosY;
    const float d = std::sqrt(dx * dx + dy * dy);
    if (d <= 0)
        return;  // no direction to turn to
    AimX = dx / d;
    AimY = dy / d;
    SpeedX += AimX * static_cast<float>(TurnRate);
    SpeedY += AimY * static_cast<float>(TurnRate);
}

// One puff per frame, from the rocket's tail whichever way it flies.
void Rocket::SpawnSmoke() {
    const float x = SpeedX > 0 ? PosX : PosX + 10;
    Engine->AddToScreen(new SmokeTrail(x, PosY + 5), "Stage1");
}

namespace {
// Swarms are deliberately not on the list: missiles ignore them.
bool AttractsRockets(const Entity* e) {
    return Is<TheFoo>(e) || Is<SpaceRockSmall>(e) || Is<SpaceRockMedium>(e) || Is<SpaceRockBig>(e) ||
           Is<TheBoss>(e) || Is<GunArm>(e);
}
}  // namespace

void HomeRockets(Entity* first, Entity* second) {
    Rocket* rocket = As<Rocket>(first);
    if (rocket != nullptr && AttractsRockets(second))
        rocket->SteerToward(second->PosX, second->PosY);
}
