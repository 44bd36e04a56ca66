#include "effects/MedExplosion.h"

namespace {
const ExplosionLook MedLook = {"Image/MedExplosion.png", 20, 21, 9, 50, 2, 50};
}

MedExplosion::MedExplosion(float x, float y) : Explosion(x, y, MedLook) {}
