#pragma once
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class Engine;
class Entity;

// A test with a running engine on the dummy video and audio drivers and a
// hand-driven clock. The working directory is the generated asset folder,
// so real pictures load. Events are fed the way the main loop hands them.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Engine& TheEngine();

    // Input as the main loop would hand it to the engine.
    void KeyDown(SDLKey key);
    void KeyUp(SDLKey key);
    void MouseTo(int x, int y);
    void LeftDown();
    void LeftUp();
    void Quit();
    void Focus(bool gained);

    // Advances the fake clock by `ms`, then runs one UpdateFrame and one
    // RenderFrame; returns true when the game asked to end.
    bool Frame(uint32_t ms = 16);
    // Runs `count` frames of `ms` each; stops early when the game ends.
    bool Frames(int count, uint32_t ms = 16);

    // Number of entities of exactly class T on the screen called `screen`.
    template <class T>
    int CountOf(const std::string& screen = "Stage1");
    // The entities of exactly class T on "Stage1", in list order.
    template <class T>
    std::vector<T*> All();
    // Hands `entity` to "Stage1" the way the game does and returns it; the
    // screen owns it from then on.
    template <class T>
    T* Add(T* entity);
    template <class T, class... Args>
    T* Spawn(Args... args) {
        return Add(new T(args...));
    }

    // Colour of pixel (x, y) of the window surface as 0xRRGGBB.
    uint32_t PixelAt(int x, int y);
};

#include "engine/Engine.h"
#include "field/Entity.h"

template <class T>
int GameTest::CountOf(const std::string& screen) {
    int n = 0;
    if (GameScreen* s = Engine::Instance().FindScreen(screen))
        for (Entity* e : s->Entities)
            n += Is<T>(e) ? 1 : 0;
    return n;
}

template <class T>
std::vector<T*> GameTest::All() {
    std::vector<T*> found;
    if (GameScreen* s = Engine::Instance().FindScreen("Stage1"))
        for (Entity* e : s->Entities)
            if (T* t = As<T>(e))
                found.push_back(t);
    return found;
}

template <class T>
T* GameTest::Add(T* entity) {
    Engine::Instance().AddToScreen(entity, "Stage1");
    return entity;
}
