#pragma once
#include "field/Unsolid.h"

// The far star field: scrolls left at 20 px/s and tiles seamlessly by
// drawing a second copy right of the first. The stage sets ImagePath.
class Background : public Unsolid {
public:
    void Load() override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;
};
