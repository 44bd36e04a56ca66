// Arbitrary bytes as a replay file: the reader must refuse what it cannot
// use with a reason, never crash or allocate beyond what the bytes justify
// (scripts/fuzz.sh runs it with a memory limit),
// and what it accepts must write back to the very same bytes.
#include <cstdlib>
#include <string>

#include "replay/ReplayFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReplayFile run;
    std::string why;
    if (!ReplayFile::Decode(bytes, run, why)) {
        if (why.empty())
            std::abort();  // a refusal must say why
        return 0;
    }
    if (run.Encode() != bytes || run.EncodedSize() != bytes.size())
        std::abort();
    // Every frame's events decode again as they play.
    for (size_t i = 0; i < run.Frames.size(); ++i)
        run.EventsOf(i);
    return 0;
}
