#include "engine/TickSource.h"

#include <SDL/SDL.h>

#include <ctime>

namespace {
bool fake = false;
uint32_t fakeNow = 0;
bool held = false;
uint32_t heldAt = 0;
// The paced clock reads gameBase at wall time wallBase and runs at pace % of
// the wall from there. At start-up it is the wall clock itself.
int pace = 100;
uint32_t gameBase = 0;
uint32_t wallBase = 0;

bool Paced() { return pace != 100 || gameBase != wallBase; }
}  // namespace

uint32_t TickSource::Now() {
    if (held)
        return heldAt;
    return fake ? fakeNow : PacedNow();
}

uint32_t TickSource::PacedNow() {
    const uint64_t passed = WallNow() - wallBase;
    return gameBase + static_cast<uint32_t>(passed * static_cast<uint64_t>(pace) / 100);
}

void TickSource::SetPace(int percent) {
    if (percent == pace)
        return;
    gameBase = PacedNow();
    wallBase = WallNow();
    pace = percent;
}

int TickSource::Pace() { return pace; }

void TickSource::RunFrom(uint32_t ms) {
    gameBase = ms;
    wallBase = WallNow();
    HoldAt(ms);
}

uint32_t TickSource::WallNow() { return fake ? fakeNow : SDL_GetTicks(); }

void TickSource::HoldAt(uint32_t ms) {
    // A fake clock that is not paced is the game clock itself; a paced one
    // is the wall under it.
    if (fake && !Paced()) {
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

namespace {
void Unpace(uint32_t now) {
    pace = 100;
    gameBase = wallBase = now;
}
}  // namespace

void TickSource::UseFake(uint32_t start) {
    fake = true;
    fakeNow = start;
    held = false;
    Unpace(start);
}

void TickSource::Advance(uint32_t ms) { fakeNow += ms; }
void TickSource::Set(uint32_t ms) { fakeNow = ms; }
void TickSource::UseReal() {
    fake = false;
    held = false;
    Unpace(0);
}
bool TickSource::IsFake() { return fake; }

unsigned TickSource::Seed() {
    if (fake)
        return fakeNow;
    return static_cast<unsigned>(std::time(nullptr)) ^ SDL_GetTicks();
}
