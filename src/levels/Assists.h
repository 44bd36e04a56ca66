#pragma once
#include <cstdint>
#include <string>

#include "engine/Catalogue.h"

// What a player may ask of the game to make a level easier to learn or to
// watch: a slower world, a ship that no hit harms, dim tints in place of
// full-screen flashes. Chosen on the options page or for one run on the
// command line, kept in every replay's header. Any of them makes a run an
// assisted one, which never reaches the score table: its score is not
// compared with those of runs flown without help.
struct Assists {
    static constexpr int FullSpeed = 100;
    static constexpr int SlowestSpeed = 50;
    static constexpr int SpeedStep = 10;

    // The share of real time the world advances each frame, in percent:
    // 100, 90, 80, 70, 60 or 50.
    int SpeedPercent = FullSpeed;
    bool Invincible = false;
    bool FewerFlashes = false;

    static bool SpeedAllowed(int percent) {
        return percent >= SlowestSpeed && percent <= FullSpeed && percent % SpeedStep == 0;
    }
    // True when a run with these cannot be compared with other runs' scores.
    bool Assisted() const { return SpeedPercent != FullSpeed || Invincible || FewerFlashes; }
    // "speed 50 %, invincible, fewer flashes"; empty for none.
    std::string Named() const {
        std::string named;
        const auto add = [&named](const std::string& part) { named += (named.empty() ? "" : ", ") + part; };
        if (SpeedPercent != FullSpeed)
            // xgettext:no-c-format
            add(Catalogue::Fill(Tr("speed {1} %"), {std::to_string(SpeedPercent)}));
        if (Invincible)
            add(Tr("invincible"));
        if (FewerFlashes)
            add(Tr("fewer flashes"));
        return named;
    }
    bool operator==(const Assists&) const = default;
};
