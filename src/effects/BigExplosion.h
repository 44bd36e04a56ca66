#pragma once
#include "effects/Explosion.h"

// The blast of a destroyed enemy: 14 frames of 40 x 40, one per 50 ms, loud
// on mixer channel 3.
class BigExplosion : public Explosion {
public:
    BigExplosion(float x, float y);
};
