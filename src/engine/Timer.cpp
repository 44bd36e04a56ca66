#include "engine/Timer.h"

#include "engine/TickSource.h"

void Timer::Start() {
    Started = true;
    Paused = false;
    StartTicks = TickSource::Now();
}

int32_t Timer::GetTicks() const {
    if (!Started)
        return 0;
    if (Paused)
        return static_cast<int32_t>(PausedTicks);
    return static_cast<int32_t>(TickSource::Now() - StartTicks);
}

void Timer::Pause() {
    if (Started && !Paused) {
        Paused = true;
        PausedTicks = TickSource::Now() - StartTicks;
    }
}

void Timer::Unpause() {
    if (Paused) {
        Paused = false;
        StartTicks = TickSource::Now() - PausedTicks;
        PausedTicks = 0;
    }
}
