#pragma once
#include <string>
#include <utility>
#include <vector>

#include "engine/Engine.h"
#include "engine/GameScreen.h"
#include "field/Entity.h"
#include "support/GameTest.h"

// A bare stand-in for the level: it keeps whatever is added to it and never
// updates, draws or removes anything by itself, so a test sees every spawn
// exactly as it was made.
class EnemyScreen : public GameScreen {
public:
    void Load(std::string name) override {
        Name = std::move(name);
        Visible = true;
        BlocksNext = false;
    }
    bool Update(float) override { return false; }
    void Draw(SDL_Surface*) override {}

    void Clear() {
        for (Entity* e : Entities)
            delete e;
        Entities.clear();
    }
};

// Enemy tests: a running engine on the fake clock with an empty "Stage1".
class EnemyTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Screen = new EnemyScreen;
        Engine::Instance().PushScreen(Screen, "Stage1");
    }

    // Loads `e` onto the test screen, which owns it from then on.
    template <class T>
    T* Add(T* e) {
        Engine::Instance().AddToScreen(e, "Stage1");
        return e;
    }

    // The entities of exactly class T, in list order.
    template <class T>
    std::vector<T*> All() const {
        std::vector<T*> found;
        for (Entity* e : Screen->Entities)
            if (T* t = As<T>(e))
                found.push_back(t);
        return found;
    }

    EnemyScreen* Screen = nullptr;
};
