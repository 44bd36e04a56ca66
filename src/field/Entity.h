#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <string>
#include <typeinfo>

#include "field/EntityKind.h"

class Image;

// Every object on the play field: ship, projectiles, enemies, money,
// explosions, backgrounds, smoke and the HUD. A screen's entity list owns
// its entities; an entity is loaded when added to a screen, moved by Update,
// drawn by Draw and deleted by the screen once something sets Dead.
// The Sound chunk is shared through the engine's sound cache, not owned.
class Entity {
public:
    bool Dead = false;
    // Side of the entity's square, used for hit tests and bounds margins.
    int Size = 0;
    float PosX = 0;
    float PosY = 0;
    float SpeedX = 0;
    float SpeedY = 0;
    std::string ImagePath;
    bool Animated = false;
    int Frame = 0;
    bool Active = false;
    Mix_Chunk* Sound = nullptr;

    Entity() = default;
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;
    virtual ~Entity() = default;

    virtual void Load() = 0;
    // Advances by `seconds` of game time (0 while paused or after game over).
    virtual bool Update(float seconds) = 0;
    virtual void Draw(SDL_Surface* target) = 0;

    // Centre of the entity's square: position plus the integer half of Size.
    float CentreX() const { return PosX + static_cast<float>(Size / 2); }
    float CentreY() const { return PosY + static_cast<float>(Size / 2); }

    // The exact class of this entity; looked up once, on first use after
    // construction.
    EntityKind Kind() const {
        if (CachedKind == EntityKind::Unknown)
            CachedKind = ClassifyEntity(*this);
        return CachedKind;
    }

protected:
    // The common reset every Load starts with.
    void ResetForLoad();
    // Moves by the velocity when Active.
    void Move(float seconds);
    // Draws frame Frame (when Animated) or the whole sprite, when Active.
    void DrawSprite(const Image* sprite, SDL_Surface* target) const;
    static Image* FetchImage(const std::string& path);

private:
    mutable EntityKind CachedKind = EntityKind::Unknown;
};

// True when `e` is exactly of class T (a subclass does not count): the play
// field's interaction rules decide by the exact kind of each entity.
template <class T>
bool Is(const Entity* e) {
    if constexpr (KindOfClass<T>::Value != EntityKind::Other)
        return e != nullptr && e->Kind() == KindOfClass<T>::Value;
    else
        return e != nullptr && typeid(*e) == typeid(T);
}

template <class T>
T* As(Entity* e) {
    return Is<T>(e) ? static_cast<T*>(e) : nullptr;
}
