#pragma once
#include "engine/Timer.h"
#include "field/Unsolid.h"

// The blast of a destroyed enemy: 14 frames of 40 x 40, one frame per 50 ms,
// with the explosion sound on mixer channel 3 panned to where it happens.
class BigExplosion : public Unsolid {
public:
    Timer FrameClock;

    BigExplosion(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
};
