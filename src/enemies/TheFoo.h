#pragma once
#include "engine/Timer.h"
#include "field/Enemy.h"

// A floating mine: crosses the screen leftward at 300 px/s, straight (kind 0)
// or on a vertical wave of growing amplitude (kinds 1 to 3).
class TheFoo : public Enemy {
public:
    int Kind = 0;
    Timer Clock;

    TheFoo(float x, float y, int kind);
    // Vertical speed amplitude (px/s) of a wave kind; unknown kinds fly straight.
    static float WaveAmplitude(int kind);
    void Load() override;
    bool Update(float seconds) override;
};
