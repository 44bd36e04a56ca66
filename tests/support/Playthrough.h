#pragma once
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <vector>

#include "engine/Engine.h"
#include "field/Entity.h"

class MainScreen;
class Ship;
class Stage1;
class UI;

// A whole game session as a player meets it. The game starts the way the
// program starts it (StartGame puts up the menu), scripted SDL events go
// through SDL's own queue and the main loop's pump, and every frame is the
// loop's UpdateFrame and RenderFrame on the dummy drivers. The clock is fake
// and moves 1/60 s per frame (17, 17, 16 ms), so nothing depends on the speed
// of the machine.
class Playthrough : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // --- The script. Events are queued for a frame number; those due are
    // pushed into SDL's queue just before that frame pumps it. The helpers
    // below queue for the next frame (`delay` frames later).
    void At(long frame, const SDL_Event& event);
    void Press(SDLKey key, int delay = 0);
    void Release(SDLKey key, int delay = 0);
    // Press now, release one frame later: one keystroke.
    void Tap(SDLKey key);
    void MoveMouse(int x, int y, int delay = 0);
    void LeftPress(int delay = 0);
    void LeftRelease(int delay = 0);
    // Pointer to (x, y) and a left press now, the release a frame later.
    void Click(int x, int y);
    void Focus(bool gained, int delay = 0);
    void CloseWindow(int delay = 0);

    // One pass of the main loop; true when the game asked to end. Rendering
    // can be thinned out with RenderEvery for long stretches where no pixel
    // is looked at (the frame that is due is always rendered).
    bool Step();
    // Runs `frames` frames; stops early (true) when the game ends.
    bool Run(int frames);
    // Runs until the level clock passes `ms`, calling `each` after every
    // frame; false (with a test failure) if the level is gone or stops.
    bool RunToLevelTime(uint32_t ms, const std::function<void()>& each = {});

    long FrameNumber = 0;
    int RenderEvery = 1;
    bool LastRendered = false;

    // --- What the player would see.
    std::vector<std::string> StackNames() const;
    MainScreen* Menu() const;
    Stage1* Level() const;
    UI* Hud() const;
    Ship* PlayerShip() const;
    uint32_t LevelTime() const;

    template <class T>
    int Count() const {
        int n = 0;
        if (const GameScreen* level = Engine::Instance().FindScreen("Stage1"))
            for (Entity* e : level->Entities)
                n += Is<T>(e) ? 1 : 0;
        return n;
    }
    template <class T>
    T* First() const {
        if (const GameScreen* level = Engine::Instance().FindScreen("Stage1"))
            for (Entity* e : level->Entities)
                if (Is<T>(e))
                    return static_cast<T*>(e);
        return nullptr;
    }
    // Hands `entity` to the level the way the game's spawners do.
    template <class T>
    T* Spawn(T* entity) {
        Engine::Instance().AddToScreen(entity, "Stage1");
        return entity;
    }

    // Colour of the last rendered frame at (x, y) as 0xRRGGBB.
    uint32_t Pixel(int x, int y) const;
    // Pixels of exactly `rgb` in `area`, looking at every `step`-th pixel.
    int CountPixels(SDL_Rect area, uint32_t rgb, int step = 1) const;
    // Share (0..1) of a 32 x 20 grid over the whole window that is `rgb`.
    double ShareOfScreen(uint32_t rgb) const;

private:
    std::multimap<long, SDL_Event> Cues;
    void PushDue();
};

// Notes every enemy as it enters the level: an entity of a watched class
// that was not in the list at the previous look (or jumped back to the
// right, which no enemy does by itself) has just been spawned.
class SpawnLog {
public:
    struct Arrival {
        std::type_index Kind;
        uint32_t LevelMs;
        float X;
        float Y;
        long Frame;
    };

    template <class T>
    void Watch() {
        Watched.push_back(std::type_index(typeid(T)));
    }
    void Look(const GameScreen& level, uint32_t levelMs, long frame);

    template <class T>
    std::vector<Arrival> Of(uint32_t fromMs = 0, uint32_t toMs = UINT32_MAX) const {
        std::vector<Arrival> found;
        for (const Arrival& a : Arrivals)
            if (a.Kind == std::type_index(typeid(T)) && a.LevelMs >= fromMs && a.LevelMs <= toMs)
                found.push_back(a);
        return found;
    }
    template <class T>
    int CountOf(uint32_t fromMs = 0, uint32_t toMs = UINT32_MAX) const {
        return static_cast<int>(Of<T>(fromMs, toMs).size());
    }

    std::vector<Arrival> Arrivals;

private:
    std::vector<std::type_index> Watched;
    std::map<const Entity*, float> LastX;
};
