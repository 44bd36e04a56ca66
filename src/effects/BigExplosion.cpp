#include "effects/BigExplosion.h"

#include "effects/ExplosionAnimation.h"
#include "engine/Image.h"

namespace {
constexpr int FrameWidth = 40;
constexpr int FrameHeight = 40;
constexpr int FrameCount = 14;
constexpr int FrameStepMs = 50;
constexpr int SoundChannel = 3;
constexpr int SoundVolume = 75;
}  // namespace

BigExplosion::BigExplosion(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/BigExplosion.png";
}

void BigExplosion::Load() {
    Unsolid::Load();
    StartExplosionSound(*this, SoundChannel, SoundVolume);
    Animated = true;
    Sprite->SetFrames(0, 0, FrameWidth, FrameHeight, FrameCount);
    FrameClock.Start();
    Frame = 0;
}

bool BigExplosion::Update(float seconds) {
    Move(seconds);
    StepExplosionFrame(*this, FrameClock, FrameStepMs, FrameCount);
    return false;
}
