#pragma once

#include <filesystem>
#include <vector>

namespace assetgen {

// Encodes interleaved stereo floats at 44.1 kHz as a constant-bitrate MP3
// with no tags, so the same samples always give the same bytes.
void writeMp3(const std::filesystem::path& file, const std::vector<float>& stereo);

} // namespace assetgen
