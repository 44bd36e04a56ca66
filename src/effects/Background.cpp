#include "effects/Background.h"

#include "engine/Image.h"

namespace {
constexpr float FarScrollSpeed = 20;
}  // namespace

void Background::Load() {
    Unsolid::Load();
    ScrollSpeed = FarScrollSpeed;
}

bool Background::Update(float seconds) {
    Move(seconds);
    // The speed is set after the move, so the layer stands still in the
    // first update after Load.
    SpeedX = -ScrollSpeed;
    // Once the first copy is fully off screen the second copy sits exactly
    // at 0; snapping there (dropping the overshoot) keeps the seam hidden.
    if (Sprite != nullptr && PosX <= static_cast<float>(-Sprite->Width()))
        PosX = 0;
    return false;
}

void Background::Draw(SDL_Surface* target) {
    Unsolid::Draw(target);
    if (!Active || Sprite == nullptr)
        return;
    // A second copy right behind the first keeps the screen covered while
    // the first one scrolls out.
    SDL_Rect dest{static_cast<Sint16>(static_cast<int>(PosX + static_cast<float>(Sprite->Width()))),
                  static_cast<Sint16>(static_cast<int>(PosY)), 0, 0};
    SDL_UpperBlit(Sprite->Surface, nullptr, target, &dest);
}
