#include "engine/PauseHold.h"

#include <cassert>

void PauseHold::Sync(float seconds, std::initializer_list<Timer*> clocks) {
    assert(clocks.size() <= 32);
    uint32_t bit = 1;
    for (Timer* clock : clocks) {
        if (seconds == 0) {
            if (clock->Started && !clock->Paused) {
                clock->Pause();
                Held |= bit;
            }
        } else if (Held & bit) {
            clock->Unpause();
        }
        bit <<= 1;
    }
    if (seconds != 0)
        Held = 0;
}
