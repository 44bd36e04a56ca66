#pragma once
#include "field/Solid.h"

// A money pickup scattered by a kill: it drifts left, is pulled toward a
// nearby ship and is credited when the ship touches it.
class Money : public Solid {
public:
    float Speed = 0;
    float DirX = 0;
    float DirY = 0;
    int Value = 0;

    void Load() override;
    bool Update(float seconds) override;
    bool OutOfBounds() const;
    // Moves one pixel toward the target; at the target itself it stays put.
    void MoveToward(float targetX, float targetY);
};
