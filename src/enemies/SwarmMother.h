#pragma once
#include "engine/Timer.h"
#include "field/Enemy.h"

// The large insect at the head of a swarm: flies left on a slow vertical
// sine wave and brings her children (ten in a swarm of the first level) when she is
// loaded.
class SwarmMother : public Enemy {
public:
    Timer Clock;

    // How many children she brings.
    const int Children;

    SwarmMother(float x, float y, int children = 10);
    void Load() override;
    bool Update(float seconds) override;
    void SpawnChildren();
};
