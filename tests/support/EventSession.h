#pragma once
#include <SDL/SDL.h>

#include <cstdlib>
#include <vector>

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "screens/MainScreen.h"
#include "support/EventBytes.h"

// Plays decoded event bytes against the running game, the way the main loop
// would: each event goes through HandlePolledEvent, each frame is one
// UpdateFrame and one RenderFrame on a fake clock. Whenever the game asks to
// end, a fresh menu takes its place and the input goes on, so one input can
// end the game several times. Shared by the fuzzer and its regression test.
namespace EventSession {

// Starts the engine on a fake clock and puts up the menu. False when the
// engine cannot start.
inline bool Start() {
    TickSource::UseFake(100000);
    ResetMainLoop();
    return StartGame();
}

// Back to the state of a fresh start: only a new menu on the stack, no
// stored events, the pointer in the corner, the clock and the random
// generator where they were at the start. The engine, its window and the
// image and sound caches stay, as in one long run.
inline void FreshMenu() {
    Engine& engine = Engine::Instance();
    while (!engine.Screens.empty()) {
        GameScreen* top = engine.Screens.back();
        engine.Screens.pop_back();
        delete top;
    }
    engine.Input.Clear();
    engine.Input.MouseX = engine.Input.MouseY = 0;
    TickSource::Set(100000);
    std::srand(100000);
    SDL_Surface* surface = engine.Surface;
    ResetMainLoop();
    DisplaySurface = surface;
    FrameTimer.Start();
    EscapeTimer.Start();
    engine.PushScreen(new MainScreen(), "MainScreen");
}

inline void Run(const std::vector<EventBytes::Step>& steps) {
    long frame = 0;
    for (const EventBytes::Step& step : steps) {
        if (!step.IsFrames) {
            HandlePolledEvent(new SDL_Event(step.Event));
            continue;
        }
        for (int i = 0; i < step.Frames; ++i, ++frame) {
            TickSource::Advance(step.Ms != 0 ? step.Ms : (frame % 3 == 2 ? 16 : 17));
            const bool end = UpdateFrame();
            const bool flipFailed = RenderFrame();
            if (end || flipFailed)
                FreshMenu();
        }
    }
}

inline void Shutdown() {
    Engine::Instance().Shutdown();
    ResetMainLoop();
    TickSource::UseReal();
}

}  // namespace EventSession
