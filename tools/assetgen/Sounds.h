#pragma once

#include <vector>

// The three effects, as mono samples at 44.1 kHz in [-1, 1].
namespace assetgen {

std::vector<float> laserShot();
std::vector<float> explosionBlast();
std::vector<float> rayCharge();

} // namespace assetgen
