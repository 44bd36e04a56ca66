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
// Hands `e` to the game the way the main loop does.
void Feed(const SDL_Event& e) { HandlePolledEvent(new SDL_Event(e)); }

void FeedKey(Uint8 type, SDLKey key) {
    Feed(SDL_Event{.key = {type, 0, Uint8(type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED), {0, key, KMOD_NONE, 0}}});
}

void FeedLeftButton(Uint8 type) {
    const EveHandler& in = Engine::Instance().Input;
    const Uint8 state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    Feed(SDL_Event{.button = {type, 0, SDL_BUTTON_LEFT, state, Uint16(in.MouseX), Uint16(in.MouseY)}});
}
}  // namespace

void GameTest::KeyDown(SDLKey key) { FeedKey(SDL_KEYDOWN, key); }
void GameTest::KeyUp(SDLKey key) { FeedKey(SDL_KEYUP, key); }
void GameTest::LeftDown() { FeedLeftButton(SDL_MOUSEBUTTONDOWN); }
void GameTest::LeftUp() { FeedLeftButton(SDL_MOUSEBUTTONUP); }
void GameTest::MouseTo(int x, int y) { Feed(SDL_Event{.motion = {SDL_MOUSEMOTION, 0, 0, Uint16(x), Uint16(y), 0, 0}}); }
void GameTest::Quit() { Feed(SDL_Event{.type = SDL_QUIT}); }
void GameTest::Focus(bool gained) { Feed(SDL_Event{.active = {SDL_ACTIVEEVENT, Uint8(gained ? 1 : 0), SDL_APPINPUTFOCUS}}); }

bool GameTest::Frame(uint32_t ms) {
    TickSource::Advance(ms);
    const bool end = UpdateFrame();
    return RenderFrame() || end;
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
    const Uint32 raw = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch)[x];
    SDL_UnlockSurface(s);
    Uint8 r, g, b;
    SDL_GetRGB(raw, s->format, &r, &g, &b);
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}
