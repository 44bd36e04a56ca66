#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assetgen {

// Float samples in [-1, 1] -> 16-bit signed, clipped. Interleaved when
// there is more than one channel.
std::vector<std::int16_t> toPcm16(const std::vector<float>& samples);

// A canonical 44-byte RIFF/WAVE header followed by 16-bit PCM.
void writeWav(const std::filesystem::path& file, const std::vector<float>& samples, int channels, int sampleRate);

} // namespace assetgen
