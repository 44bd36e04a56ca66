#pragma once
#include <cstdint>
#include <string>

class Stage1;

// How a level session came out: what the HUD showed at its end, how long the
// level ran (its own clock, which stands still while paused) and how it
// ended. Recorded with every replay and kept in the score table.
struct LevelOutcome {
    enum class Ending : uint8_t { Left = 0, Lost = 1, Won = 2 };
    int32_t Score = 0;
    int32_t Money = 0;
    uint32_t LevelMs = 0;
    Ending How = Ending::Left;
    // Won, and the campaign went on to its next level.
    bool HandedOver = false;

    // "won", "lost" or "left".
    static const char* Name(Ending how);
    bool operator==(const LevelOutcome&) const = default;
};

// A 64-bit fingerprint of a level's whole state: every entity's class,
// position, velocity, frame and health in list order, the HUD's numbers,
// the ship's weapons, the level's flags and clock, the pause and the count
// of random numbers drawn. Two runs of the same recording that ever differ
// in a rule's outcome differ here from that frame on.
class WorldCheck {
public:
    static uint64_t Of(const Stage1& level);
    static LevelOutcome Outcome(const Stage1& level);
};
