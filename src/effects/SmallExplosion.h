#pragma once
#include "engine/Timer.h"
#include "field/Unsolid.h"

// The silent spark of a bullet impact: 7 frames of 21 x 21, one per 100 ms.
class SmallExplosion : public Unsolid {
public:
    Timer FrameClock;

    SmallExplosion(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
};
