#include "effects/SmallExplosion.h"

#include "effects/ExplosionAnimation.h"
#include "engine/Image.h"

namespace {
constexpr int FrameWidth = 21;
constexpr int FrameHeight = 21;
constexpr int FrameCount = 7;
constexpr int FrameStepMs = 100;
}  // namespace

SmallExplosion::SmallExplosion(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/SmallExplosion.png";
}

void SmallExplosion::Load() {
    Unsolid::Load();
    Animated = true;
    Sprite->SetFrames(0, 0, FrameWidth, FrameHeight, FrameCount);
    FrameClock.Start();
    Frame = 0;
}

bool SmallExplosion::Update(float seconds) {
    Move(seconds);
    StepExplosionFrame(*this, FrameClock, FrameStepMs, FrameCount);
    return false;
}
