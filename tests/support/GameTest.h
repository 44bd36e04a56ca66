#pragma once
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/Layout.h"
#include "field/Entity.h"

class MainScreen;
class Ship;
class Stage1;
class UI;

// A test with a running engine on the dummy video and audio drivers and a
// hand-driven clock. The working directory is the generated asset folder,
// so real pictures load. Events are fed the way the main loop hands them.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Engine& TheEngine();

    // Input as the main loop would hand it to the engine. Button presses are
    // made where the pointer is.
    void KeyDown(SDLKey key);
    void KeyUp(SDLKey key);
    void MouseTo(int x, int y);
    void LeftDown();
    void LeftUp();
    void Quit();
    void Focus(bool gained);

    // Advances the fake clock by `ms`, then runs one UpdateFrame and one
    // RenderFrame (or a frame of the show that has the window); returns true
    // when the game asked to end.
    bool Frame(uint32_t ms = 16);
    // Runs `count` frames of `ms` each; stops early when the game ends.
    bool Frames(int count, uint32_t ms = 16);
    // Frames of at most a second each until `ms` have passed.
    void Idle(uint32_t ms);

    // Number of entities of exactly class T on "Stage1".
    template <class T>
    int CountOf() { return static_cast<int>(All<T>().size()); }
    // The entities of exactly class T on "Stage1", in list order.
    template <class T>
    std::vector<T*> All();
    // Hands `entity` to "Stage1" the way the game does and returns it; the
    // screen owns it from then on.
    template <class T>
    T* Add(T* entity);
    template <class T, class... Args>
    T* Spawn(Args... args) { return Add(new T(args...)); }

    // Colour of pixel (x, y) of the window surface as 0xRRGGBB.
    uint32_t PixelAt(int x, int y);
    // Pixels of exactly `rgb` in `area`, looking at every `step`-th pixel.
    int CountPixels(SDL_Rect area, uint32_t rgb, int step = 1);
    // Every other pixel of `area` added up: a lit button looks other than an unlit one.
    uint64_t Look(SDL_Rect area);

    // Events go through SDL's queue and the main loop's pump instead.
    bool Queued = false;
    long FrameNumber = 0;
    void Send(const SDL_Event& event);

private:
    int PointerX = 0, PointerY = 0;
};

// A whole game session as a player meets it: the menu is up as the program
// puts it up, scripted events go through SDL's queue and the main loop's
// pump, and the clock moves 1/60 s per frame (17, 17, 16 ms), so nothing
// depends on the speed of the machine.
class Playthrough : public GameTest {
protected:
    void SetUp() override;

    // A keystroke or a left click: pressed for one frame, then released.
    void Tap(SDLKey key);
    void Click(int x, int y);
    void Click(ScreenPoint at) { Click(at.X, at.Y); }

    // A pad button pressed or let go, then two frames; true when the game
    // asked to end. PadPress presses and lets go; PadHat pushes and centres.
    bool PadButton(Uint8 button, bool down);
    bool PadPress(Uint8 button) { return PadButton(button, true) | PadButton(button, false); }
    void PadHat(Uint8 hat);
    // A held key of any kind in the input handler.
    bool AnyKeyHeld() const { return Engine::Instance().Input.HasEventOfType(SDL_KEYDOWN); }

    // One frame of 1/60 s; true when the game asked to end.
    bool Step();
    // Runs `frames` frames; stops early (true) when the game ends.
    bool Run(int frames);
    // The menu's Play, then `frames` frames; fails unless the level is up.
    void StartLevel(int frames = 2);

    std::vector<std::string> StackNames() const;
    MainScreen* Menu() const;
    Stage1* Level() const;
    UI* Hud();
    Ship* PlayerShip();
    uint32_t LevelTime() const;
    template <class T>
    T* First() {
        const auto all = All<T>();
        return all.empty() ? nullptr : all.front();
    }
};

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
