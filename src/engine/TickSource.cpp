#include "engine/TickSource.h"

#include <SDL/SDL.h>

#include <ctime>

namespace {
bool fake = false;
uint32_t fakeNow = 0;
bool held = false;
uint32_t heldAt = 0;
}  // namespace

uint32_t TickSource::Now() {
    if (fake)
        return fakeNow;
    return held ? heldAt : SDL_GetTicks();
}

uint32_t TickSource::WallNow() { return fake ? fakeNow : SDL_GetTicks(); }

void TickSource::HoldAt(uint32_t ms) {
    if (fake) {
        fakeNow = ms;
        return;
    }
    held = true;
    heldAt = ms;
}

void TickSource::Release() { held = false; }

void TickSource::Sleep(uint32_t ms) {
    if (fake)
        fakeNow += ms;
    else
        SDL_Delay(ms);
}

void TickSource::UseFake(uint32_t start) {
    fake = true;
    fakeNow = start;
    held = false;
}

void TickSource::Advance(uint32_t ms) { fakeNow += ms; }
void TickSource::Set(uint32_t ms) { fakeNow = ms; }
void TickSource::UseReal() {
    fake = false;
    held = false;
}
bool TickSource::IsFake() { return fake; }

unsigned TickSource::Seed() {
    if (fake)
        return fakeNow;
    return static_cast<unsigned>(std::time(nullptr)) ^ SDL_GetTicks();
}
