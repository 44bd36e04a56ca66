#include "effects/BigExplosion.h"

namespace {
const ExplosionLook BigLook = {"Image/BigExplosion.png", 40, 40, 14, 50, 3, 75};
}

BigExplosion::BigExplosion(float x, float y) : Explosion(x, y, BigLook) {}
