#include "effects/SmallExplosion.h"

namespace {
const ExplosionLook SmallLook = {"Image/SmallExplosion.png", 21, 21, 7, 100, 0, 0};
}

SmallExplosion::SmallExplosion(float x, float y) : Explosion(x, y, SmallLook) {}
