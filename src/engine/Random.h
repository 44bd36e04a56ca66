#pragma once
#include <cstdint>

// The game's one random generator: the standard rand(), seeded by Seed, with
// a count of the numbers drawn since. The number and order of draws decide
// every random event of a level, so a recorded run repeats exactly from its
// seed, and the count tells at once when a replay has drawn differently.
class Random {
public:
    static void Seed(unsigned seed);
    // The next number of rand(), counted.
    static int Draw();
    // Numbers drawn since the last Seed.
    static uint64_t Draws();
};
