#pragma once
#include <vector>

#include "engine/GameScreen.h"
#include "field/Entity.h"
#include "support/GameTest.h"

// A bare level screen for the player's weapons: it only updates, sweeps and
// draws its entities, so tests can count what the ship and the shop create
// without the real level's waves and interactions.
class PlayerScreen : public GameScreen {
public:
    void Load(std::string name) override {
        Name = name;
        Visible = true;
        BlocksNext = false;
    }
    bool Update(float seconds) override { return SweepEntities(seconds); }
    void Draw(SDL_Surface* target) override { DrawEntities(target); }

    // The entities of exactly class T, in list order.
    template <class T>
    std::vector<T*> All() {
        std::vector<T*> found;
        for (Entity* e : Entities)
            if (Is<T>(e))
                found.push_back(static_cast<T*>(e));
        return found;
    }
};

// A GameTest with a PlayerScreen pushed as "Stage1".
class PlayerTest : public GameTest {
protected:
    PlayerScreen* Stage = nullptr;

    void SetUp() override {
        GameTest::SetUp();
        Stage = new PlayerScreen();
        TheEngine().PushScreen(Stage, "Stage1");
    }

    // Hands `entity` to the stage the way the game does and returns it.
    template <class T>
    T* Add(T* entity) {
        TheEngine().AddToScreen(entity, "Stage1");
        return entity;
    }
};
