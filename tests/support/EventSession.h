#pragma once
#include <SDL/SDL.h>

#include <memory>
#include <vector>

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/WindowShow.h"
#include "effects/HugeMoney.h"
#include "effects/SmallMoney.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "keep/ScoreTable.h"
#include "program/MenuExtras.h"
#include "program/SettingsKeys.h"
#include "screens/LoadingScreen.h"
#include "screens/MainScreen.h"
#include "support/EventBytes.h"
#include "support/TestWorld.h"

// Plays decoded event bytes against the running game, from the menu or from
// one of a few scenes of the level, the way the main loop would: each event
// goes through HandlePolledEvent, each frame is one UpdateFrame and one
// RenderFrame on a fake clock. The menu has its options and scores pages
// (settings that are never saved, an empty table, no replay shelf) and its
// demo, the run shipped with the game; while a run shows, events go through
// SDL's queue to the show, which takes the frames. Whenever the game asks to
// end, a fresh menu takes its place and the input goes on, so one input can
// end the game several times. Shared by the fuzzer and its regression test.
namespace EventSession {

// What the menu's pages work on, for as long as the session runs.
struct Extras {
    SettingsKeys Settings{::Settings(), "", false};
    ScoreTable Scores;
    MenuExtras Pages{Settings, Scores, ""};
};
inline std::unique_ptr<Extras> TheExtras;

// Starts the engine on a fake clock and puts up the menu. False when the
// engine cannot start.
inline bool Start() {
    if (!TestWorld::Start(true))
        return false;
    TheExtras = std::make_unique<Extras>();
    Engine::Instance().Pages = &TheExtras->Pages;
    return true;
}

// A fresh start with the menu up: the clock and the random generator where
// they were at the start, nothing stored, the pointer in the corner.
inline void FreshMenu() {
    TestWorld::Reset(TestWorld::StartClock);
    Engine::Instance().PushScreen(new MainScreen(), "MainScreen");
}

// Where an input starts: the menu as the program opens on it, or a level
// (fresh, with the boss and its gun arms already in, or busy with a swarm,
// rocks, mines and money), so that short inputs reach deep into play.
enum class Scene : uint8_t { Menu, Level, BossFight, Swarm, Count };

inline void Begin(Scene scene) {
    if (scene == Scene::Menu) {
        FreshMenu();
        return;
    }
    TestWorld::Reset(TestWorld::StartClock);
    Engine& engine = Engine::Instance();
    engine.PushScreen(new LoadingScreen(), "LoadingScreen");
    const auto add = [&engine](Entity* e) { engine.AddToScreen(e, "Stage1"); };
    if (scene == Scene::BossFight) {
        add(new GunArm(1024, 80));
        add(new TheBoss(1024, 150));
        add(new GunArm(1024, 300));
    } else if (scene == Scene::Swarm) {
        add(new SwarmMother(700, 250));
        add(new SpaceRockBig(900, 80, "Image/BigRock.png"));
        add(new SpaceRockMedium(950, 450, "Image/SpaceRockMedium.png"));
        add(new TheFoo(800, 300, 3));
        add(new SmallMoney(260, 300));
        add(new HugeMoney(300, 340));
    }
}

// One frame as RunFrame makes it: the show's while one has the window.
inline bool Frame() {
    if (WindowShow* show = Engine::Instance().Show)
        return show->Frame();
    const bool end = UpdateFrame();
    return RenderFrame() || end;
}

inline void Run(const std::vector<EventBytes::Step>& steps) {
    long frame = 0;
    for (const EventBytes::Step& step : steps) {
        if (!step.IsFrames) {
            if (Engine::Instance().Show != nullptr) {
                SDL_Event live = step.Event;
                SDL_PushEvent(&live);
            } else {
                HandlePolledEvent(new SDL_Event(step.Event));
            }
            continue;
        }
        for (int i = 0; i < step.Frames; ++i, ++frame) {
            TickSource::Advance(step.Ms != 0 ? step.Ms : (frame % 3 == 2 ? 16 : 17));
            if (Frame())
                FreshMenu();
        }
    }
}

// One input as the fuzzer plays it: its first byte picks the scene, the rest
// are events and frames.
inline void Play(const uint8_t* data, size_t size) {
    Begin(size == 0 ? Scene::Menu : static_cast<Scene>(data[0] % static_cast<uint8_t>(Scene::Count)));
    if (size > 0)
        Run(EventBytes::Decode(data + 1, size - 1));
}

// The menu and its page go first: a page may still be waiting on the
// settings for a key.
inline void Shutdown() {
    Engine::Instance().Pages = nullptr;
    TestWorld::Stop();
    TheExtras.reset();
}

}  // namespace EventSession
