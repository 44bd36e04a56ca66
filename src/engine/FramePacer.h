#pragma once
#include <cstdint>

// Holds the main loop to a steady frame rate by sleeping out the rest of
// each frame. Several rules of the game act once per frame (thrust, damping,
// homing, money pull, shield recharge, the boss ray), so an uncapped loop
// would make them stronger on faster machines.
class FramePacer {
public:
    explicit FramePacer(int framesPerSecond = 60);
    // Sleeps until the next frame is due. A loop that fell behind by more
    // than a few frames starts counting afresh instead of rushing.
    void Wait();

private:
    double Period;
    double NextFrame = -1;
};
