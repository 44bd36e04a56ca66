#pragma once
#include "engine/Timer.h"
#include "field/Unsolid.h"

// How one size of explosion looks and sounds: its sprite strip, the pace of
// its frames and, for the two larger ones, the mixer channel and volume of
// the blast (channel 0: silent).
struct ExplosionLook {
    const char* ImagePath;
    int FrameWidth;
    int FrameHeight;
    int FrameCount;
    int FrameStepMs;
    int SoundChannel;
    int SoundVolume;
};

// A one-shot explosion: plays its strip one frame per step of real time (it
// keeps going while the game is paused) and ends after the last frame. The
// blast sound comes from the sound cache, so it is heard to the end even
// after the explosion is gone.
class Explosion : public Unsolid {
public:
    Timer FrameClock;

    void Load() override;
    bool Update(float seconds) override;

protected:
    Explosion(float x, float y, const ExplosionLook& look);

private:
    const ExplosionLook& Look;
};
