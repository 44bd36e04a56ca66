#include "support/GameTest.h"

#include <cstdlib>

#include "engine/MainLoop.h"
#include "engine/TickSource.h"

void GameTest::SetUp() {
    TickSource::UseFake(100000);
    ResetMainLoop();
    ASSERT_TRUE(Engine::Instance().Init("Dovik Schmup")) << Engine::Instance().LastError;
    DisplaySurface = Engine::Instance().Surface;
    FrameTimer.Start();
    EscapeTimer.Start();
    std::srand(1);
}

void GameTest::TearDown() {
    Engine::Instance().Shutdown();
    ResetMainLoop();
    TickSource::UseReal();
}

Engine& GameTest::TheEngine() { return Engine::Instance(); }

namespace {
void Feed(const SDL_Event& e) { HandlePolledEvent(new SDL_Event(e)); }

SDL_Event KeyEvent(Uint8 type, SDLKey key) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    return e;
}

SDL_Event ButtonEvent(Uint8 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}
}  // namespace

void GameTest::KeyDown(SDLKey key) { Feed(KeyEvent(SDL_KEYDOWN, key)); }
void GameTest::KeyUp(SDLKey key) { Feed(KeyEvent(SDL_KEYUP, key)); }

void GameTest::MouseTo(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    Feed(e);
}

void GameTest::LeftDown() {
    const EveHandler& in = Engine::Instance().Input;
    Feed(ButtonEvent(SDL_MOUSEBUTTONDOWN, static_cast<int>(in.MouseX), static_cast<int>(in.MouseY)));
}

void GameTest::LeftUp() {
    const EveHandler& in = Engine::Instance().Input;
    Feed(ButtonEvent(SDL_MOUSEBUTTONUP, static_cast<int>(in.MouseX), static_cast<int>(in.MouseY)));
}

void GameTest::Quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    Feed(e);
}

void GameTest::Focus(bool gained) {
    SDL_Event e{};
    e.type = SDL_ACTIVEEVENT;
    e.active.type = SDL_ACTIVEEVENT;
    e.active.gain = gained ? 1 : 0;
    e.active.state = SDL_APPINPUTFOCUS;
    Feed(e);
}

bool GameTest::Frame(uint32_t ms) {
    TickSource::Advance(ms);
    const bool end = UpdateFrame();
    const bool flipFailed = RenderFrame();
    return end || flipFailed;
}

bool GameTest::Frames(int count, uint32_t ms) {
    for (int i = 0; i < count; ++i)
        if (Frame(ms))
            return true;
    return false;
}

uint32_t GameTest::PixelAt(int x, int y) {
    SDL_Surface* s = Engine::Instance().Surface;
    SDL_LockSurface(s);
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    const Uint32 raw = reinterpret_cast<const Uint32*>(row)[x];
    SDL_UnlockSurface(s);
    Uint8 r, g, b;
    SDL_GetRGB(raw, s->format, &r, &g, &b);
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}
