#include "support/Playthrough.h"

#include <cmath>
#include <set>

#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "screens/MainScreen.h"

void Playthrough::SetUp() {
    TickSource::UseFake(100000);
    ResetMainLoop();
    ASSERT_TRUE(StartGame()) << Engine::Instance().LastError;
}

void Playthrough::TearDown() {
    Engine::Instance().Shutdown();
    ResetMainLoop();
    TickSource::UseReal();
}

void Playthrough::At(long frame, const SDL_Event& event) { Cues.emplace(frame, event); }

namespace {
SDL_Event Key(Uint8 type, SDLKey key) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    return e;
}

SDL_Event Button(Uint8 type, int x, int y) {
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

void Playthrough::Press(SDLKey key, int delay) { At(FrameNumber + delay, Key(SDL_KEYDOWN, key)); }
void Playthrough::Release(SDLKey key, int delay) { At(FrameNumber + delay, Key(SDL_KEYUP, key)); }

void Playthrough::Tap(SDLKey key) {
    Press(key);
    Release(key, 1);
}

void Playthrough::MoveMouse(int x, int y, int delay) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    At(FrameNumber + delay, e);
}

// The press is made where the pointer will be, like a real one.
void Playthrough::LeftPress(int delay) {
    const EveHandler& in = Engine::Instance().Input;
    At(FrameNumber + delay, Button(SDL_MOUSEBUTTONDOWN, static_cast<int>(in.MouseX), static_cast<int>(in.MouseY)));
}

void Playthrough::LeftRelease(int delay) {
    const EveHandler& in = Engine::Instance().Input;
    At(FrameNumber + delay, Button(SDL_MOUSEBUTTONUP, static_cast<int>(in.MouseX), static_cast<int>(in.MouseY)));
}

void Playthrough::Click(int x, int y) {
    MoveMouse(x, y);
    At(FrameNumber, Button(SDL_MOUSEBUTTONDOWN, x, y));
    At(FrameNumber + 1, Button(SDL_MOUSEBUTTONUP, x, y));
}

void Playthrough::Focus(bool gained, int delay) {
    SDL_Event e{};
    e.type = SDL_ACTIVEEVENT;
    e.active.type = SDL_ACTIVEEVENT;
    e.active.gain = gained ? 1 : 0;
    e.active.state = SDL_APPINPUTFOCUS;
    At(FrameNumber + delay, e);
}

void Playthrough::CloseWindow(int delay) {
    SDL_Event e{};
    e.type = SDL_QUIT;
    At(FrameNumber + delay, e);
}

void Playthrough::PushDue() {
    while (!Cues.empty() && Cues.begin()->first <= FrameNumber) {
        SDL_Event e = Cues.begin()->second;
        Cues.erase(Cues.begin());
        SDL_PushEvent(&e);
    }
}

bool Playthrough::Step() {
    PushDue();
    // 17, 17, 16 ms: three frames in 50 ms, sixty in a second.
    TickSource::Advance(FrameNumber % 3 == 2 ? 16 : 17);
    PumpEvents();
    const bool end = UpdateFrame();
    LastRendered = end || RenderEvery <= 1 || FrameNumber % RenderEvery == 0;
    const bool flipFailed = LastRendered && RenderFrame();
    ++FrameNumber;
    return end || flipFailed;
}

bool Playthrough::Run(int frames) {
    for (int i = 0; i < frames; ++i)
        if (Step())
            return true;
    return false;
}

bool Playthrough::RunToLevelTime(uint32_t ms, const std::function<void()>& each) {
    // A generous bound: paused or frozen levels would otherwise spin forever.
    const long limit = FrameNumber + static_cast<long>(ms) * 60 / 1000 + 600;
    while (Level() != nullptr && LevelTime() <= ms) {
        if (FrameNumber > limit) {
            ADD_FAILURE() << "level clock stuck at " << LevelTime() << " ms";
            return false;
        }
        if (Step()) {
            ADD_FAILURE() << "the game ended at level time " << LevelTime() << " ms";
            return false;
        }
        if (each)
            each();
    }
    if (Level() == nullptr)
        ADD_FAILURE() << "the level is gone";
    return Level() != nullptr;
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
UI* Playthrough::Hud() const { return First<UI>(); }
Ship* Playthrough::PlayerShip() const { return First<Ship>(); }

uint32_t Playthrough::LevelTime() const {
    const Stage1* level = Level();
    return level ? static_cast<uint32_t>(const_cast<Stage1*>(level)->Waves.LevelClock.GetTicks()) : 0;
}

uint32_t Playthrough::Pixel(int x, int y) const {
    SDL_Surface* s = Engine::Instance().Surface;
    SDL_LockSurface(s);
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    const Uint32 raw = reinterpret_cast<const Uint32*>(row)[x];
    SDL_UnlockSurface(s);
    Uint8 r, g, b;
    SDL_GetRGB(raw, s->format, &r, &g, &b);
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}

int Playthrough::CountPixels(SDL_Rect area, uint32_t rgb, int step) const {
    int n = 0;
    for (int y = area.y; y < area.y + area.h; y += step)
        for (int x = area.x; x < area.x + area.w; x += step)
            n += Pixel(x, y) == rgb ? 1 : 0;
    return n;
}

double Playthrough::ShareOfScreen(uint32_t rgb) const {
    int n = 0;
    for (int gy = 0; gy < 20; ++gy)
        for (int gx = 0; gx < 32; ++gx)
            n += Pixel(gx * 32 + 16, gy * 30 + 15) == rgb ? 1 : 0;
    return n / 640.0;
}

void SpawnLog::Look(const GameScreen& level, uint32_t levelMs, long frame) {
    std::map<const Entity*, float> now;
    for (const Entity* e : level.Entities) {
        const std::type_index kind(typeid(*e));
        bool watched = false;
        for (const std::type_index& w : Watched)
            watched = watched || w == kind;
        if (!watched)
            continue;
        const auto before = LastX.find(e);
        if (before == LastX.end() || e->PosX > before->second + 50)
            Arrivals.push_back({kind, levelMs, e->PosX, e->PosY, frame});
        now[e] = e->PosX;
    }
    LastX.swap(now);
}
