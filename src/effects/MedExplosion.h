#pragma once
#include "engine/Timer.h"
#include "field/Unsolid.h"

// A mid-size blast (rammed enemies, missile impacts): 9 frames of 20 x 21,
// one per 50 ms, with the explosion sound on mixer channel 2.
class MedExplosion : public Unsolid {
public:
    Timer FrameClock;

    MedExplosion(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
};
