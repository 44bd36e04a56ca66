#pragma once
#include <cstdint>
#include <initializer_list>

#include "engine/Timer.h"

// Freezes a group of an entity's clocks while the game stands still (frames
// of 0 seconds: paused, or over) and lets exactly those run on afterwards.
// Clocks that were stopped, or paused by their owner for reasons of its own,
// are left as they are, so the owner's own pauses survive a game pause.
// The hold keeps no pointers: it remembers which positions of the list it
// paused, so the caller passes the same clocks in the same order each time.
class PauseHold {
public:
    void Sync(float seconds, std::initializer_list<Timer*> clocks);
    bool Holding() const { return Held != 0; }

private:
    uint32_t Held = 0;
};
