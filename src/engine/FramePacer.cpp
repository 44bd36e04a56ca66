#include "engine/FramePacer.h"

#include <cassert>

#include "engine/TickSource.h"

FramePacer::FramePacer(int framesPerSecond) : Period(1000.0 / framesPerSecond) { assert(framesPerSecond > 0); }

void FramePacer::Wait() {
    const double now = TickSource::WallNow();
    if (NextFrame < 0 || now > NextFrame + 3 * Period)
        NextFrame = now;
    NextFrame += Period;
    const double wait = NextFrame - now;
    if (wait >= 1)
        TickSource::Sleep(static_cast<uint32_t>(wait));
}
