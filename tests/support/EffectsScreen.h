#pragma once
#include <utility>

#include "engine/Engine.h"
#include "engine/GameScreen.h"
#include "support/GameTest.h"

namespace effectstest {
// A level stand-in for effect tests: it only updates its entities, removes
// the dead ones and draws the rest, so an effect can be watched on its own.
class BareStage : public GameScreen {
public:
    void Load(std::string name) override {
        Name = std::move(name);
        Visible = true;
        BlocksNext = false;
    }
    bool Update(float seconds) override { return SweepEntities(seconds); }
    void Draw(SDL_Surface* target) override { DrawEntities(target); }
};
}  // namespace effectstest

// A running engine with a bare "Stage1" on the stack.
class EffectsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Engine::Instance().PushScreen(new effectstest::BareStage, "Stage1");
    }

    // Hands a new entity to the stage the way the game does and returns it;
    // the stage owns it.
    template <class T, class... Args>
    T* Spawn(Args... args) {
        T* entity = new T(args...);
        Engine::Instance().AddToScreen(entity, "Stage1");
        return entity;
    }
};
