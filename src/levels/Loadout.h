#pragma once
#include <cstdint>

// What the ship has as a level begins: what the campaign carries from one
// level to the next, and what a recorded run of a level starts from. A new
// game's ship is the default.
struct Loadout {
    float Health = 100;
    float Shield = 100;
    int32_t Money = 0;
    int32_t Score = 0;
    int Cannons = 0;     // cannon upgrades bought; the cannon level is one more
    int RapidFires = 0;  // rapid fire bought

    static constexpr int MostCannons = 17;
    static constexpr int MostRapidFires = 14;

    // True for a ship the game can have: alive, nothing above its limits,
    // nothing below nothing.
    bool Possible() const {
        return Health > 0 && Health <= 100 && Shield >= 0 && Shield <= 100 && Money >= 0 && Score >= 0 &&
               Cannons >= 0 && Cannons <= MostCannons && RapidFires >= 0 && RapidFires <= MostRapidFires;
    }
    bool operator==(const Loadout&) const = default;
};
