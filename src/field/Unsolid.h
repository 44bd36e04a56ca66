#pragma once
#include "field/Entity.h"

class Engine;
class Image;

// An entity that never collides: backgrounds, explosions, smoke, the HUD.
// The sprite belongs to the image cache.
class Unsolid : public Entity {
public:
    // Leftward scroll speed of the background layers.
    float ScrollSpeed = 0;
    // What the picture's colours are multiplied by (0xRRGGBB): a level's
    // backdrop may tint its layers.
    uint32_t Tint = 0xFFFFFF;
    class Engine* Engine;
    Image* Sprite = nullptr;

    Unsolid();
    void Load() override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;
};
