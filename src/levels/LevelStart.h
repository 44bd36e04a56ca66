#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "levels/Level.h"
#include "levels/Loadout.h"

// Which level to play and with what ship: everything a level is started
// from, whether the menu, the campaign's hand-over, the command line or a
// recorded run starts it. The plan is shared and never changes.
struct LevelStart {
    std::shared_ptr<const Level> Plan;
    // Its place in the campaign, 1 to Campaign::Levels; 0 for a level of the
    // player's own, which is OwnFile in their levels folder.
    int Number = 1;
    std::string OwnFile;
    // Part of a campaign run: a won level leads on to the next one.
    bool InCampaign = true;
    Loadout Ship;
    // A practice run: its schedule starts at FromMs of level time (a mark,
    // every ten seconds or the boss) with nothing on the field, and it never
    // leads on to another level. With RestartAtOnce a lost ship brings the
    // same start back at once instead of the game-over overlay.
    bool Practice = false;
    int32_t FromMs = 0;
    bool RestartAtOnce = false;

    bool OwnLevel() const { return Number == 0; }
};
