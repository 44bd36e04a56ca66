#pragma once
#include <cstdint>
#include <cstdlib>

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"

// The game on the dummy drivers with a hand-driven clock, as the tests, the
// event fuzzer and the frame benchmark run it: one way to start it, to bring
// it back to a fresh start between runs (the engine's own clean-up and
// normal levels; the window and the picture and sound caches stay, as in one
// long game) and to take it down.
namespace TestWorld {
constexpr uint32_t StartClock = 100000;

// Back to a fresh start at `clock`, with the random generator seeded.
inline void Reset(unsigned seed, uint32_t clock = StartClock) {
    TickSource::Set(clock);
    ClearGame();
    Stage1::SetComingSkill(Skill::Normal);
    std::srand(seed);
}

// Starts the engine on a fake clock; with `menu`, as the program starts (every
// picture loaded, the menu up). False when the engine cannot start
// (Engine::LastError says why).
inline bool Start(bool menu, unsigned seed = 1) {
    TickSource::UseFake(StartClock);
    ClearGame();
    Stage1::SetComingSkill(Skill::Normal);
    Engine& engine = Engine::Instance();
    if (!(menu ? StartGame() : engine.Init("Dovik Schmup")))
        return false;
    std::srand(seed);
    return true;
}

inline void Stop() {
    Engine::Instance().Shutdown();
    ClearGame();
    TickSource::UseReal();
}
}  // namespace TestWorld
