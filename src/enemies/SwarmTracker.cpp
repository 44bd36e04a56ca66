#include "enemies/SwarmTracker.h"

#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "engine/Engine.h"

namespace {
// How long orphaned children hunt the ship before they give up.
constexpr int ChaseMs = 6000;
// Where children with nothing to follow fly off to: past the left edge.
constexpr float ExitX = -100;
constexpr float ExitY = 300;
}  // namespace

SwarmTracker::SwarmTracker() : Engine(&Engine::Instance()) {}

void SwarmTracker::Steer(Entity* e) {
    if (SwarmMother* mother = As<SwarmMother>(e)) {
        if (mother->Dead) {
            MotherDead = true;
            ScatterClock.Start();
        } else {
            RallyX = mother->PosX;
            RallyY = mother->PosY;
        }
    }
    if (ScatterClock.Started && ScatterClock.GetTicks() > ChaseMs) {
        MotherDead = false;
        ScatterClock.Start();
        ScatterClock.Pause();
        RallyX = ExitX;
        RallyY = ExitY;
    }
    if (SwarmChildren* child = As<SwarmChildren>(e)) {
        if (MotherDead)
            child->SteerToward(ShipX, ShipY);
        else
            child->SteerToward(RallyX, RallyY);
    }
}
