#include "field/Entity.h"

#include "engine/Engine.h"
#include "engine/Image.h"

void Entity::ResetForLoad() {
    Animated = false;
    Dead = false;
    Frame = 0;
    Active = true;
}

void Entity::Move(float seconds) {
    if (!Active)
        return;
    PosX += SpeedX * seconds;
    PosY += SpeedY * seconds;
}

void Entity::DrawSprite(const Image* sprite, SDL_Surface* target) const {
    if (!Active || sprite == nullptr)
        return;
    if (Animated) {
        sprite->Draw(target, Frame, PosX, PosY);
        return;
    }
    SDL_Rect dest{static_cast<Sint16>(static_cast<int>(PosX)), static_cast<Sint16>(static_cast<int>(PosY)), 0, 0};
    SDL_UpperBlit(sprite->Surface, nullptr, target, &dest);
}

Image* Entity::FetchImage(const std::string& path) { return Engine::Instance().Cache.Get(path); }
