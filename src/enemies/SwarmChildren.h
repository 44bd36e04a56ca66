#pragma once
#include "engine/Timer.h"
#include "field/Enemy.h"

// A small insect of a swarm: bobs on a fast sine wave, creeps left and is
// steered toward its mother, or toward the ship once she is dead.
class SwarmChildren : public Enemy {
public:
    float DirX = 0;
    float DirY = 0;
    Timer Clock;

    SwarmChildren(float x, float y);
    void Load() override;
    bool Update(float seconds) override;
    // Nudges the child toward (x, y); sitting on the point it stays put.
    void SteerToward(float x, float y);
};
