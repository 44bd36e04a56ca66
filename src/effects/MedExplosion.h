#pragma once
#include "effects/Explosion.h"

// A mid-size blast for rammed enemies and missile impacts: 9 frames of
// 20 x 21, one per 50 ms, on mixer channel 2.
class MedExplosion : public Explosion {
public:
    MedExplosion(float x, float y);
};
