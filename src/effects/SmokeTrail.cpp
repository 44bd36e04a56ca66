#include "effects/SmokeTrail.h"

namespace {
constexpr int LifetimeMs = 250;
}  // namespace

SmokeTrail::SmokeTrail(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/SmokeTrail.png";
}

void SmokeTrail::Load() {
    Unsolid::Load();
    LifeClock.Start();
}

bool SmokeTrail::Update(float seconds) {
    Move(seconds);
    // Real time, not game time: a pause does not keep puffs hanging around.
    if (LifeClock.Started && LifeClock.GetTicks() > LifetimeMs)
        Dead = true;
    return false;
}
