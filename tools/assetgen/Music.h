#pragma once

#include <vector>

// The looping music tracks as interleaved stereo floats at 44.1 kHz. Each
// ends exactly on its loop point.
namespace assetgen {

std::vector<float> menuTheme();  // calm, for the title menu
std::vector<float> levelTheme(); // driving, for the first level
std::vector<float> emberTheme(); // faster and brighter, for the second
std::vector<float> abyssTheme(); // slow and dark, for the third

} // namespace assetgen
