#include "Mp3.h"

#include <lame/lame.h>

#include <fstream>
#include <memory>
#include <stdexcept>

#include "Synth.h"
#include "Wav.h"

namespace assetgen {

namespace {

struct LameDeleter {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

std::unique_ptr<lame_global_flags, LameDeleter> makeEncoder()
{
    std::unique_ptr<lame_global_flags, LameDeleter> lame(lame_init());
    if (!lame)
        throw std::runtime_error("cannot start the MP3 encoder");
    lame_set_in_samplerate(lame.get(), synth::SampleRate);
    lame_set_out_samplerate(lame.get(), synth::SampleRate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), 160);
    lame_set_quality(lame.get(), 5);
    // No Xing/Info frame and no ID3 tag: nothing that varies between runs,
    // and nothing for a simple decoder to trip over.
    lame_set_bWriteVbrTag(lame.get(), 0);
    lame_set_write_id3tag_automatic(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("the MP3 encoder refused its settings");
    return lame;
}

} // namespace

void writeMp3(const std::filesystem::path& file, const std::vector<float>& stereo)
{
    auto lame = makeEncoder();
    std::vector<std::int16_t> pcm = toPcm16(stereo);
    const int frames = static_cast<int>(pcm.size() / 2);
    // Worst case from the LAME documentation: 1.25 * samples + 7200.
    std::vector<unsigned char> mp3(static_cast<std::size_t>(frames) * 5 / 4 + 7200 + 16384);
    int written = lame_encode_buffer_interleaved(lame.get(), pcm.data(), frames, mp3.data(), static_cast<int>(mp3.size()));
    if (written < 0)
        throw std::runtime_error("MP3 encoding failed for " + file.string());
    int flushed = lame_encode_flush(lame.get(), mp3.data() + written, static_cast<int>(mp3.size()) - written);
    if (flushed < 0)
        throw std::runtime_error("MP3 encoding failed for " + file.string());

    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(mp3.data()), written + flushed);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace assetgen
