#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A level as its file describes it: a name for the player, the look and
// the sound, the boss and the schedule in the order its waves are tried
// each frame. Plain data: the level screen plays it, the wave script runs
// its schedule, the boss and the backdrop take their numbers from it.
struct Level {
    // One line of a level's schedule: while the level time lies strictly inside
    // (From, To), the wave runs every frame, and the clock of its lane spaces
    // what it sends. Waves on one lane share that clock: a wave's first enemy
    // waits for the gap after the last one of any wave on its lane. All times
    // are milliseconds of level time, which stands still while the game is
    // paused; positions are window pixels.
    struct Wave {
        enum class Kind : uint8_t {
            Mines,   // single mines at random heights, at a random gap
            Column,  // mines one after another at one height
            Snake,   // mines one after another at a height that swings with time
            Vee,     // a V of mines entering at once, its tip first
            Rocks,   // rocks of one size, from the right, the top or the bottom
            Swarm,   // a swarm mother with her children
            Arms,    // gun arms that post themselves on the right and fire
            Boss,    // the boss between two gun arms
        };
        enum class Size : uint8_t { Small, Medium, Big };
        enum class Side : uint8_t { Right, Top, Bottom };

        static constexpr int Lanes = 8;

        int32_t From = 0;
        int32_t To = 0;
        Kind What = Kind::Mines;
        int Lane = 1;  // 1 to Lanes
        // Mines: a gap of GapMs plus a random part below SpreadMs, drawn anew
        // every frame. Everything else: more than GapMs.
        int GapMs = 500;
        int SpreadMs = 0;
        int MineKind = 0;  // 0 straight, 1 to 3 on ever wider waves
        int Y = 300;    // entry height: the column, the snake's middle, the V's tip, the swarm, the first arm, the boss
        int Count = 1;  // mines of a V, children of a swarm, gun arms
        int Spacing = 0;   // a V's step between mines, the snake's swing (px)
        int PeriodMs = 0;  // the snake's swing, once up and down
        Size Rock = Size::Small;
        Side Enters = Side::Right;
        int Fall = 0;    // rocks from the top or the bottom: their vertical speed (px/s)
        int FireMs = 0;  // gun arms: their pace on normal

        bool operator==(const Wave&) const = default;
    };

    // How the boss of a level fights, on normal (the difficulty scales the hit
    // points and the gun arms' pace). Its attack cycle: quiet until ChargeAtMs,
    // the beam charges for ChargeMs, a flash, then the ray burns for RayMs.
    struct BossPlan {
        int Health = 1000;
        int ChargeAtMs = 10000;
        int ChargeMs = 3000;
        int RayMs = 7800;
        int ArmFireMs = 250;

        bool operator==(const BossPlan&) const = default;
    };

    // The three scrolling layers behind a level, by the names of the generated
    // pictures (Image/NAME.png), each with a tint that multiplies its colours
    // (0xFFFFFF leaves them as painted).
    struct Backdrop {
        std::string Far = "stars1";
        std::string Drift = "planet";  // a planet or a nebula that crosses now and then
        std::string Near = "stars2";
        uint32_t FarTint = 0xFFFFFF;
        uint32_t DriftTint = 0xFFFFFF;
        uint32_t NearTint = 0xFFFFFF;

        bool operator==(const Backdrop&) const = default;
    };

    std::string Name;
    Backdrop Look;
    std::string Music = "Tarnel-Stompin_little_scouts";  // Sound/NAME.mp3
    BossPlan Boss;
    std::vector<Wave> Waves;

    // When the boss comes (the opening of its wave); 0 without one.
    int32_t BossMs() const;

    bool operator==(const Level&) const = default;
};
