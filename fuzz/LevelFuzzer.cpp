// Arbitrary bytes as a level file: the reader must refuse what it cannot
// play with at most its limit of faults, each with a reason and a line of the
// file, never crash, hang or leak; and a level it accepts must read back
// from its canonical text as the very same level.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "levels/LevelFile.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<LevelFile::Fault> faults;
    const std::optional<Level> level = LevelFile::Parse(text, faults);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    Require(level.has_value() == faults.empty() && faults.size() <= LevelFile::MaxFaults);
    for (const LevelFile::Fault& fault : faults)
        Require(!fault.What.empty() && fault.Line >= 0 && fault.Line <= lines);
    if (!level)
        return 0;
    Require(level->BossMs() > 0 && level->Waves.size() <= LevelFile::MaxWaves);
    const std::optional<Level> again = LevelFile::Parse(LevelFile::Text(*level), faults);
    Require(again && *again == *level && LevelFile::Fingerprint(*again) == LevelFile::Fingerprint(*level));
    return 0;
}
