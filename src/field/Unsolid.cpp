#include "field/Unsolid.h"

#include "engine/Engine.h"

Unsolid::Unsolid() : Engine(&Engine::Instance()) {}

void Unsolid::Load() {
    ScrollSpeed = 0;
    ResetForLoad();
    Sprite = Engine->Cache.Get(ImagePath, Tint);
}

bool Unsolid::Update(float seconds) {
    Move(seconds);
    return false;
}

void Unsolid::Draw(SDL_Surface* target) { DrawSprite(Sprite, target); }
