#pragma once
#include "effects/Background.h"

// The near star field: like the far one, at 75 px/s. Shares the far layer's
// update and draw; a class of its own so the play field can tell them apart.
class BackgroundLayer2 : public Background {
public:
    void Load() override;
};
