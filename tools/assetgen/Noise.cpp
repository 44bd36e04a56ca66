#include "Noise.h"

#include <cmath>

namespace assetgen {

namespace {

std::uint32_t hash(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7FEB352DU;
    x ^= x >> 15;
    x *= 0x846CA68BU;
    x ^= x >> 16;
    return x;
}

double lattice(int x, int y, int z, std::uint32_t seed)
{
    std::uint32_t h = hash(seed ^ hash(static_cast<std::uint32_t>(x) ^ hash(static_cast<std::uint32_t>(y) ^ hash(static_cast<std::uint32_t>(z)))));
    return static_cast<double>(h) / 4294967295.0;
}

// Quintic fade: continuous second derivative, so no visible lattice creases.
double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

int wrap(int i, int period)
{
    if (period <= 0)
        return i;
    int m = i % period;
    return m < 0 ? m + period : m;
}

} // namespace

double clamp01(double x) { return x < 0.0 ? 0.0 : (x > 1.0 ? 1.0 : x); }

double mix(double a, double b, double t) { return a + (b - a) * t; }

double smoothstep(double edge0, double edge1, double x)
{
    double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

double valueNoise2(double x, double y, int periodX, std::uint32_t seed)
{
    double fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = fade(x - fx), ty = fade(y - fy);
    int x0 = wrap(ix, periodX), x1 = wrap(ix + 1, periodX);
    double a = lattice(x0, iy, 0, seed), b = lattice(x1, iy, 0, seed);
    double c = lattice(x0, iy + 1, 0, seed), d = lattice(x1, iy + 1, 0, seed);
    return mix(mix(a, b, tx), mix(c, d, tx), ty);
}

double valueNoise3(double x, double y, double z, std::uint32_t seed)
{
    double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    double tx = fade(x - fx), ty = fade(y - fy), tz = fade(z - fz);
    auto plane = [&](int k) {
        double a = lattice(ix, iy, k, seed), b = lattice(ix + 1, iy, k, seed);
        double c = lattice(ix, iy + 1, k, seed), d = lattice(ix + 1, iy + 1, k, seed);
        return mix(mix(a, b, tx), mix(c, d, tx), ty);
    };
    return mix(plane(iz), plane(iz + 1), tz);
}

double fractal2(double x, double y, int octaves, int periodX, std::uint32_t seed)
{
    double sum = 0.0, amp = 1.0, norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise2(x, y, periodX, seed + static_cast<std::uint32_t>(o) * 101U);
        norm += amp;
        amp *= 0.5;
        x *= 2.0;
        y *= 2.0;
        periodX *= 2;
    }
    return sum / norm;
}

double fractal3(double x, double y, double z, int octaves, std::uint32_t seed)
{
    double sum = 0.0, amp = 1.0, norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise3(x, y, z, seed + static_cast<std::uint32_t>(o) * 101U);
        norm += amp;
        amp *= 0.5;
        x *= 2.0;
        y *= 2.0;
        z *= 2.0;
    }
    return sum / norm;
}

} // namespace assetgen
