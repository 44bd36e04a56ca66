#pragma once
#include "field/Entity.h"

class Engine;
class Image;

// An entity that takes part in collisions: the ship, projectiles, enemies
// and money. The sprite belongs to the image cache.
class Solid : public Entity {
public:
    class Engine* Engine;
    Image* Sprite = nullptr;

    Solid();
    void Load() override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;
};
