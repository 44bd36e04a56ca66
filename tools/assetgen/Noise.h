#pragma once

#include <cstdint>

namespace assetgen {

// Value noise in [0, 1]. The 2D flavour can wrap horizontally after
// `periodX` lattice cells, which is what lets the star fields tile.
double valueNoise2(double x, double y, int periodX, std::uint32_t seed);
double valueNoise3(double x, double y, double z, std::uint32_t seed);

// Fractal sums of the above, normalised back to [0, 1]. Each octave doubles
// the frequency and, for the 2D flavour, the period too, so the sum still
// wraps at the same place.
double fractal2(double x, double y, int octaves, int periodX, std::uint32_t seed);
double fractal3(double x, double y, double z, int octaves, std::uint32_t seed);

double smoothstep(double edge0, double edge1, double x);
double clamp01(double x);
double mix(double a, double b, double t);

} // namespace assetgen
