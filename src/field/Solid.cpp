#include "field/Solid.h"

#include "engine/Engine.h"

Solid::Solid() : Engine(&Engine::Instance()) {}

void Solid::Load() {
    ResetForLoad();
    Sprite = FetchImage(ImagePath);
}

bool Solid::Update(float seconds) {
    Move(seconds);
    return false;
}

void Solid::Draw(SDL_Surface* target) { DrawSprite(Sprite, target); }
