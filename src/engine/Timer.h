#pragma once
#include <cstdint>

// A millisecond stopwatch on the game clock. Every timed rule of the game
// (fire rate, animations, spawn spacing, pause-aware motion phases) keeps
// one; elapsed times are compared strictly by their users.
// A zero-initialised Timer is stopped and reads 0.
class Timer {
public:
    uint32_t StartTicks = 0;
    uint32_t PausedTicks = 0;
    bool Paused = false;
    bool Started = false;

    // (Re)starts from zero and running.
    void Start();
    // Elapsed ms: 0 when stopped, frozen while paused.
    int32_t GetTicks() const;
    // Freezes the elapsed time; only a running, unpaused timer pauses.
    void Pause();
    // Continues from the frozen time; only a paused timer resumes.
    void Unpause();
};
