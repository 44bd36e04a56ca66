#include "effects/Explosion.h"

#include "engine/Engine.h"
#include "engine/Image.h"
#include "engine/PanChannel.h"
#include "engine/SoundCache.h"

Explosion::Explosion(float x, float y, const ExplosionLook& look) : Look(look) {
    PosX = x;
    PosY = y;
    ImagePath = look.ImagePath;
}

void Explosion::Load() {
    Unsolid::Load();
    if (Look.SoundChannel != 0) {
        Sound = Engine->Sounds.Get("Sound/explosion.wav", Look.SoundVolume);
        PanChannel(Look.SoundChannel, PosX);
        SoundCache::Play(Look.SoundChannel, Sound);
    }
    Animated = true;
    Sprite->SetFrames(0, 0, Look.FrameWidth, Look.FrameHeight, Look.FrameCount);
    FrameClock.Start();
    Frame = 0;
}

// At most one frame per update, so a slow frame rate stretches the animation
// rather than skipping frames; the explosion ends as its frame runs past the
// strip, before that frame could ever be drawn.
bool Explosion::Update(float seconds) {
    Move(seconds);
    if (FrameClock.Started && FrameClock.GetTicks() > Look.FrameStepMs) {
        ++Frame;
        FrameClock.Start();
    }
    if (Frame >= Look.FrameCount)
        Dead = true;
    return false;
}
