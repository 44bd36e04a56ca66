#include "keep/RunLength.h"

#include <cassert>

long RunLength::Tenths(uint32_t ms) { return static_cast<long>(ms / 100); }

std::string RunLength::Seconds(long tenths) {
    assert(tenths >= 0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}
