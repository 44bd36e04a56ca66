#pragma once
#include <cstdint>

// The one clock of the game. Every timer, the frame pacing and the seeding
// of the random generator read the time here, so tests can freeze it and
// step it by hand instead of waiting on the wall clock.
//
// The game clock is held still for the length of a frame: every rule that
// reads the time during one frame reads the same millisecond, so a frame is
// a function of its start time, its events and the world before it. That is
// what lets a recorded run replay exactly.
class TickSource {
public:
    // The game clock: the held frame time, the fake time when one is set,
    // or SDL's milliseconds.
    static uint32_t Now();
    // The clock on the wall, for pacing frames (the fake time in tests).
    static uint32_t WallNow();

    // Holds the game clock at `ms` until the next hold (under a fake clock
    // the fake time simply becomes `ms`).
    static void HoldAt(uint32_t ms);
    // Lets the game clock run with the wall again.
    static void Release();

    // The game clock as it runs between frames: the wall clock, slowed to
    // the pace set, and carried on without a jump from wherever it was put.
    static uint32_t PacedNow();
    // Lets the game clock run at `percent` of the wall clock's speed from
    // now on (100 after start-up), on from where it reads now.
    static void SetPace(int percent);
    static int Pace();
    // Puts the running game clock at `ms` from now on: a run taken over
    // from a replay goes on from the replay's clock.
    static void RunFrom(uint32_t ms);

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
