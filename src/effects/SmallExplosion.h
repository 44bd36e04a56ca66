#pragma once
#include "effects/Explosion.h"

// The silent spark of a bullet impact: 7 frames of 21 x 21, one per 100 ms.
class SmallExplosion : public Explosion {
public:
    SmallExplosion(float x, float y);
};
