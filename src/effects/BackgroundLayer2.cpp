#include "effects/BackgroundLayer2.h"

namespace {
constexpr float NearScrollSpeed = 75;
}  // namespace

void BackgroundLayer2::Load() {
    Background::Load();
    ScrollSpeed = NearScrollSpeed;
}
