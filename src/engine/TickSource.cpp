#include "engine/TickSource.h"

#include <SDL/SDL.h>

#include <ctime>

namespace {
bool fake = false;
uint32_t fakeNow = 0;
}

uint32_t TickSource::Now() { return fake ? fakeNow : SDL_GetTicks(); }

void TickSource::Sleep(uint32_t ms) {
    if (fake)
        fakeNow += ms;
    else
        SDL_Delay(ms);
}

void TickSource::UseFake(uint32_t start) {
    fake = true;
    fakeNow = start;
}

void TickSource::Advance(uint32_t ms) { fakeNow += ms; }
void TickSource::Set(uint32_t ms) { fakeNow = ms; }
void TickSource::UseReal() { fake = false; }
bool TickSource::IsFake() { return fake; }

unsigned TickSource::Seed() {
    if (fake)
        return fakeNow;
    return static_cast<unsigned>(std::time(nullptr)) ^ SDL_GetTicks();
}
