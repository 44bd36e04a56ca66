#pragma once
#include "engine/Timer.h"
#include "field/Unsolid.h"

// One smoke puff left behind a missile; it stays put and vanishes after a
// quarter of a second of real time.
class SmokeTrail : public Unsolid {
public:
    Timer LifeClock;

    SmokeTrail(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
};
