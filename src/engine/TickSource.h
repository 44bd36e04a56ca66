#pragma once
#include <cstdint>

// The one clock of the game. Every timer, the frame pacing and the seeding
// of the random generator read the time here, so tests can freeze it and
// step it by hand instead of waiting on the wall clock.
class TickSource {
public:
    // Milliseconds since SDL started, or the fake time when one is set.
    static uint32_t Now();

    // Waits `ms` milliseconds; with a fake clock the fake time just moves on.
    static void Sleep(uint32_t ms);

    // Switches to a hand-driven clock that starts at `start`.
    static void UseFake(uint32_t start);
    static void Advance(uint32_t ms);
    static void Set(uint32_t ms);
    // Goes back to SDL_GetTicks.
    static void UseReal();
    static bool IsFake();
    // A seed for the random generator that differs from run to run (the
    // fake time itself under a fake clock, so tests can replay draws).
    static unsigned Seed();
};
