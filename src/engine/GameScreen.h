#pragma once
#include <SDL/SDL.h>

#include <string>
#include <vector>

class Entity;

// One screen of the game (menu, loading hand-over, level). The engine owns
// the screens on its stack; a screen owns the entities in its list and
// deletes whatever is still there when it is deleted.
class GameScreen {
public:
    bool Visible = false;
    // While set, the screen directly above this one is not updated.
    bool BlocksNext = false;
    std::string Name;
    std::vector<Entity*> Entities;

    GameScreen() = default;
    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;
    virtual ~GameScreen();

    // Stores the name, sets Visible, clears BlocksNext and builds the content;
    // this is where a screen removes the screen it replaces.
    virtual void Load(std::string name) = 0;
    // One frame; true asks the program to end.
    virtual bool Update(float seconds) = 0;
    virtual void Draw(SDL_Surface* target) = 0;

    std::string GetName() const { return Name; }
    // Appends `entity`; the screen owns it from now on.
    void AddEntity(Entity* entity);
    // Deletes `entity` if it is in the list (the last entity takes its slot).
    void RemoveEntity(Entity* entity);

protected:
    // The entity sweep of the simple screens: update each entity, remove the
    // dead ones. True when an entity asks the program to end.
    bool SweepEntities(float seconds);
    void DrawEntities(SDL_Surface* target);
};
