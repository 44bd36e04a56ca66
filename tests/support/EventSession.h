#pragma once
#include <SDL/SDL.h>

#include <vector>

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "screens/MainScreen.h"
#include "support/EventBytes.h"
#include "support/TestWorld.h"

// Plays decoded event bytes against the running game, the way the main loop
// would: each event goes through HandlePolledEvent, each frame is one
// UpdateFrame and one RenderFrame on a fake clock. Whenever the game asks to
// end, a fresh menu takes its place and the input goes on, so one input can
// end the game several times. Shared by the fuzzer and its regression test.
namespace EventSession {

// Starts the engine on a fake clock and puts up the menu. False when the
// engine cannot start.
inline bool Start() { return TestWorld::Start(true); }

// A fresh start with the menu up: the clock and the random generator where
// they were at the start, nothing stored, the pointer in the corner.
inline void FreshMenu() {
    TestWorld::Reset(TestWorld::StartClock);
    Engine::Instance().PushScreen(new MainScreen(), "MainScreen");
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

inline void Shutdown() { TestWorld::Stop(); }

}  // namespace EventSession
