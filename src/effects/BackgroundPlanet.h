#pragma once
#include "field/Unsolid.h"

// A planet that drifts across the backdrop at 30 px/s and comes round again
// from x 2000 at a random height. The stage sets ImagePath.
class BackgroundPlanet : public Unsolid {
public:
    void Load() override;
    bool Update(float seconds) override;
};
