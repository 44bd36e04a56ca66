#pragma once
#include <cstdint>
#include <string>

// How long a run lasted, one rule wherever the game says it (scores.txt,
// korvanta --scores, the scores page, korvanta --verify): whole tenths of a
// second, the rest dropped as a stopwatch drops it, so that a run of 72 457
// ms is 72.4 s everywhere.
class RunLength {
public:
    // The whole tenths of a second in `ms` milliseconds.
    static long Tenths(uint32_t ms);
    // `tenths` as seconds with one decimal: "72.4" (tenths of 0 or more).
    static std::string Seconds(long tenths);
};
