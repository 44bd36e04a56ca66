#pragma once

#include <vector>

// The two looping music tracks as interleaved stereo floats at 44.1 kHz.
// Each ends exactly on its loop point.
namespace assetgen {

std::vector<float> menuTheme();  // calm, for the title menu
std::vector<float> levelTheme(); // driving, for the level

} // namespace assetgen
