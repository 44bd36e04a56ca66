#include "Wav.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace assetgen {

namespace {

// RIFF is little-endian whatever the host is, so write byte by byte.
void put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<std::int16_t> toPcm16(const std::vector<float>& samples)
{
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        float s = std::fmax(-1.0f, std::fmin(1.0f, samples[i]));
        pcm[i] = static_cast<std::int16_t>(std::lround(s * 32767.0f));
    }
    return pcm;
}

void writeWav(const std::filesystem::path& file, const std::vector<float>& samples, int channels, int sampleRate)
{
    std::ofstream out(file, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels * 2);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put(out, 16, 4); // size of the PCM format block
    put(out, 1, 2);  // PCM
    put(out, static_cast<std::uint32_t>(channels), 2);
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, 16, 2); // bits per sample
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (std::int16_t s : toPcm16(samples))
        put(out, static_cast<std::uint16_t>(s), 2);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace assetgen
