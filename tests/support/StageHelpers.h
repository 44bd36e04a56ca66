#pragma once
#include "engine/Engine.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "screens/LoadingScreen.h"
#include "support/GameTest.h"

// A GameTest with a real level up, reached the way the menu's Play button
// reaches it (loading screen, then a fresh Stage1).
class StageTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        if (HasFatalFailure())
            return;
        TheEngine().PushScreen(new LoadingScreen(), "LoadingScreen");
    }

    Stage1& Level() { return *static_cast<Stage1*>(TheEngine().FindScreen("Stage1")); }

    template <class T>
    T* First() {
        for (Entity* e : Level().Entities)
            if (Is<T>(e))
                return static_cast<T*>(e);
        return nullptr;
    }

    UI& Hud() { return *First<UI>(); }
    Ship& PlayerShip() { return *First<Ship>(); }

    // Hands `entity` to the level the way spawners do and returns it.
    template <class T>
    T* Add(T* entity) {
        TheEngine().AddToScreen(entity, "Stage1");
        return entity;
    }

    // Puts `e` so that its square has the same centre as the ship's.
    void OnShip(Entity* e) {
        e->PosX = PlayerShip().CentreX() - static_cast<float>(e->Size / 2);
        e->PosY = PlayerShip().CentreY() - static_cast<float>(e->Size / 2);
    }

    // One level update in which no time passes, so nothing moves by itself.
    void StillUpdate() { Level().Update(0); }

    bool Holds(const Entity* e) {
        for (Entity* x : Level().Entities)
            if (x == e)
                return true;
        return false;
    }
};
