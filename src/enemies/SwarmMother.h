#pragma once
#include "engine/Timer.h"
#include "field/Enemy.h"

// The large insect at the head of a swarm: flies left on a slow vertical
// sine wave and brings ten children with her when she is loaded.
class SwarmMother : public Enemy {
public:
    Timer Clock;

    SwarmMother(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
    void SpawnChildren();
};
