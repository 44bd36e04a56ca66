#include "effects/MedExplosion.h"

#include "effects/ExplosionAnimation.h"
#include "engine/Image.h"

namespace {
constexpr int FrameWidth = 20;
constexpr int FrameHeight = 21;
constexpr int FrameCount = 9;
constexpr int FrameStepMs = 50;
constexpr int SoundChannel = 2;
constexpr int SoundVolume = 50;
}  // namespace

MedExplosion::MedExplosion(float x, float y) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/MedExplosion.png";
}

void MedExplosion::Load() {
    Unsolid::Load();
    StartExplosionSound(*this, SoundChannel, SoundVolume);
    Animated = true;
    Sprite->SetFrames(0, 0, FrameWidth, FrameHeight, FrameCount);
    FrameClock.Start();
    Frame = 0;
}

bool MedExplosion::Update(float seconds) {
    Move(seconds);
    StepExplosionFrame(*this, FrameClock, FrameStepMs, FrameCount);
    return false;
}
