#pragma once
#include "engine/Timer.h"

class Engine;
class Entity;

// The level's swarm steering record: where the children rally, whether they
// chase the ship after their mother's death, and the stage's BossDead flag.
class SwarmTracker {
public:
    class Engine* Engine;
    bool MotherDead = false;
    bool BossDead = false;
    Timer ScatterClock;
    float RallyX = 0;
    float RallyY = 0;
    float ShipX = 0;
    float ShipY = 0;

    SwarmTracker();
    // Called by the stage for the inner entity of every pair.
    void Steer(Entity* e);
};
