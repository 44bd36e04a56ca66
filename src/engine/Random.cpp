#include "engine/Random.h"

#include <cstdlib>

namespace {
uint64_t drawn = 0;
}

void Random::Seed(unsigned seed) {
    std::srand(seed);
    drawn = 0;
}

int Random::Draw() {
    ++drawn;
    return std::rand();
}

uint64_t Random::Draws() { return drawn; }
