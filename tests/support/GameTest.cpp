#include "support/GameTest.h"

#include <cstdlib>

#include "engine/Catalogue.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "engine/WindowShow.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "screens/MainScreen.h"
#include "support/Events.h"
#include "support/TestWorld.h"

void GameTest::SetUp() { ASSERT_TRUE(TestWorld::Start(false)) << Engine::Instance().LastError; }

// The program's hooks are the test's own objects, some gone by now: none
// may be told of the screens the shutdown clears.
void GameTest::TearDown() {
    Engine& engine = Engine::Instance();
    engine.Watcher = nullptr;
    engine.Scores = nullptr;
    engine.Hotkeys = nullptr;
    engine.Pad = nullptr;
    engine.Pages = nullptr;
    engine.Labels = nullptr;
    // A language chosen on the options page outlives the test's settings.
    Catalogue::Use("en", {});
    TestWorld::Stop();
}

Engine& GameTest::TheEngine() { return Engine::Instance(); }

void GameTest::Send(const SDL_Event& event) {
    if (Queued) {
        SDL_Event copy = event;
        SDL_PushEvent(&copy);
    } else {
        HandlePolledEvent(new SDL_Event(event));
    }
}

void GameTest::KeyDown(SDLKey key) { Send(Events::Key(true, key)); }
void GameTest::KeyUp(SDLKey key) { Send(Events::Key(false, key)); }
void GameTest::LeftDown() { Send(Events::Button(true, SDL_BUTTON_LEFT, Uint16(PointerX), Uint16(PointerY))); }
void GameTest::LeftUp() { Send(Events::Button(false, SDL_BUTTON_LEFT, Uint16(PointerX), Uint16(PointerY))); }
void GameTest::Quit() { Send(Events::Quit()); }
void GameTest::Focus(bool gained) { Send(Events::Focus(gained ? 1 : 0, SDL_APPINPUTFOCUS)); }
void GameTest::MouseTo(int x, int y) {
    PointerX = x;
    PointerY = y;
    Send(Events::Motion(Uint16(x), Uint16(y)));
}

bool GameTest::Frame(uint32_t ms) {
    TickSource::Advance(ms);
    ++FrameNumber;
    // As RunFrame does: the clock held (paced for a slowed level), and a
    // show that has the window takes the frame.
    HoldFrameClock();
    if (WindowShow* show = Engine::Instance().Show)
        return show->Frame();
    if (Queued)
        PumpEvents();
    const bool end = UpdateFrame();
    return RenderFrame() || end;
}

bool GameTest::Frames(int count, uint32_t ms) {
    for (int i = 0; i < count; ++i)
        if (Frame(ms))
            return true;
    return false;
}

void GameTest::Idle(uint32_t ms) {
    for (; ms > 1000; ms -= 1000)
        Frame(1000);
    Frame(ms);
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

int GameTest::CountPixels(SDL_Rect area, uint32_t rgb, int step) {
    int n = 0;
    for (int y = area.y; y < area.y + area.h; y += step)
        for (int x = area.x; x < area.x + area.w; x += step)
            n += PixelAt(x, y) == rgb ? 1 : 0;
    return n;
}

uint64_t GameTest::Look(SDL_Rect area) {
    uint64_t sum = 0;
    for (int y = area.y; y < area.y + area.h; y += 2)
        for (int x = area.x; x < area.x + area.w; x += 2)
            sum += PixelAt(x, y);
    return sum;
}

void Playthrough::SetUp() {
    Queued = true;
    ASSERT_TRUE(TestWorld::Start(true)) << Engine::Instance().LastError;
}

void Playthrough::Tap(SDLKey key) {
    KeyDown(key);
    Step();
    KeyUp(key);
}

void Playthrough::Click(int x, int y) {
    MouseTo(x, y);
    LeftDown();
    Step();
    LeftUp();
}

bool Playthrough::PadButton(Uint8 button, bool down) {
    Send(Events::PadButton(down, button));
    return Run(2);
}

void Playthrough::PadHat(Uint8 hat) {
    for (Uint8 value : {hat, Uint8(SDL_HAT_CENTERED)}) {
        Send(Events::Hat(value));
        Run(2);
    }
}

bool Playthrough::Step() { return Frame(FrameNumber % 3 == 2 ? 16 : 17); }

bool Playthrough::Run(int frames) {
    for (int i = 0; i < frames; ++i)
        if (Step())
            return true;
    return false;
}

void Playthrough::StartLevel(int frames) {
    Run(2);
    Click(Layout::PlayButton);
    Run(frames);
    ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
}

std::vector<std::string> Playthrough::StackNames() const {
    std::vector<std::string> names;
    for (const GameScreen* s : Engine::Instance().Screens)
        names.push_back(s->GetName());
    return names;
}

MainScreen* Playthrough::Menu() const {
    return dynamic_cast<MainScreen*>(Engine::Instance().FindScreen("MainScreen"));
}
Stage1* Playthrough::Level() const { return dynamic_cast<Stage1*>(Engine::Instance().FindScreen("Stage1")); }
UI* Playthrough::Hud() { return First<UI>(); }
Ship* Playthrough::PlayerShip() { return First<Ship>(); }
uint32_t Playthrough::LevelTime() const { return Level() ? uint32_t(Level()->Waves.LevelClock.GetTicks()) : 0; }
