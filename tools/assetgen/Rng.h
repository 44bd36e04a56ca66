#pragma once

#include <cstdint>

namespace assetgen {

// SplitMix64: tiny, fast and identical on every platform, so every asset
// comes out byte for byte the same from one build to the next.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t state_;
};

} // namespace assetgen
