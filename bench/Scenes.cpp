#include "Scenes.h"

#include <unistd.h>

#include <cstdlib>

#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedExplosion.h"
#include "effects/MedMoney.h"
#include "effects/SmallMoney.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "levels/Campaign.h"
#include "player/Rocket.h"
#include "player/Ship.h"
#include "screens/MainScreen.h"
#include "support/ReferencePass.h"
#include "support/TestWorld.h"

namespace {
constexpr unsigned SceneSeed = 20261206;
// 1/60 s as the frame pacer hands it out: 17, 17, 16 ms.
const uint32_t FrameMs[3] = {17, 17, 16};
int FrameIndex = 0;

Engine& TheEngine() { return Engine::Instance(); }

void Press(SDLKey key, bool down) {
    SDL_Event* event = new SDL_Event{};
    event->type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event->key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event->key.keysym.sym = key;
    TheEngine().Input.HandleEvent(event);
}

void Advance() {
    TickSource::Advance(FrameMs[FrameIndex]);
    FrameIndex = (FrameIndex + 1) % 3;
}

Stage1* FreshLevel(LevelStart start = Campaign::Start(1)) {
    Scenes::TearDown();
    FrameIndex = 0;
    TheEngine().PushScreen(new Stage1(std::move(start)), "Stage1");
    return static_cast<Stage1*>(TheEngine().FindScreen("Stage1"));
}

template <class T>
T* FirstOf(Stage1& stage) {
    for (Entity* e : stage.Entities)
        if (T* found = dynamic_cast<T*>(e))
            return found;
    return nullptr;
}

template <class T, class... Args>
void Add(Args... args) {
    TheEngine().AddToScreen(new T(args...), "Stage1");
}

float Spread(int range) { return static_cast<float>(std::rand() % range); }

void AddEnemies() {
    Add<GunArm>(900.0f, 80.0f);
    Add<TheBoss>(880.0f, 150.0f);
    Add<GunArm>(900.0f, 300.0f);
    Add<SwarmMother>(700.0f, 250.0f);
    Add<SwarmMother>(800.0f, 450.0f);
    for (int i = 0; i < 4; ++i)
        Add<SpaceRockBig>(600 + Spread(400), 60 + Spread(440), "Image/BigRock.png");
    for (int i = 0; i < 8; ++i)
        Add<SpaceRockMedium>(500 + Spread(500), 60 + Spread(480), "Image/SpaceRockMedium.png");
    for (int i = 0; i < 12; ++i)
        Add<SpaceRockSmall>(500 + Spread(500), 60 + Spread(500), "Image/SpaceRockSmall.png");
    for (int i = 0; i < 16; ++i)
        Add<TheFoo>(450 + Spread(550), 60 + Spread(480), i % 4);
}

void AddLootAndBlasts() {
    for (int i = 0; i < 150; ++i) {
        const float x = 200 + Spread(700), y = 80 + Spread(480);
        if (i % 8 == 0)
            Add<HugeMoney>(x, y);
        else if (i % 4 == 0)
            Add<MedMoney>(x, y);
        else
            Add<SmallMoney>(x, y);
    }
    for (int i = 0; i < 40; ++i) {
        if (i % 3 == 0)
            Add<BigExplosion>(300 + Spread(600), 80 + Spread(480));
        else
            Add<MedExplosion>(300 + Spread(600), 80 + Spread(480));
    }
}
}  // namespace

bool Scenes::StartEngine(std::string& error) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(KORVANTA_ASSET_DIR) != 0) {
        error = std::string("cannot enter the asset folder ") + KORVANTA_ASSET_DIR;
        return false;
    }
    if (!TestWorld::Start(false)) {
        error = TheEngine().LastError;
        return false;
    }
    return true;
}

void Scenes::StopEngine() { TestWorld::Stop(); }

void Scenes::TearDown() { TestWorld::Reset(SceneSeed); }

GameScreen* Scenes::Menu() {
    TearDown();
    TheEngine().PushScreen(new MainScreen(), "MainScreen");
    return TheEngine().FindScreen("MainScreen");
}

void Scenes::KeepShipAlive(Stage1& stage) {
    if (UI* hud = FirstOf<UI>(stage))
        hud->PlayerHealth = 100;
}

Stage1* Scenes::LevelStart() { return FreshLevel(); }

Stage1* Scenes::HeavyPlay() {
    Stage1* stage = FreshLevel();
    Ship* ship = FirstOf<Ship>(*stage);
    ship->CannonLevel = 17;
    AddEnemies();
    AddLootAndBlasts();
    for (int i = 0; i < 8; ++i)
        Add<Rocket>(ship->PosX + 80, ship->PosY - 140 + 40 * static_cast<float>(i));
    Press(SDLK_SPACE, true);
    // Let volleys, smoke and enemy fire fill the field before timing starts.
    for (int i = 0; i < 30; ++i) {
        KeepShipAlive(*stage);
        LevelFrame(*stage, 1.0f / 60, false);
    }
    return stage;
}

Stage1* Scenes::PausedBarrage(int entities) {
    Stage1* stage = FreshLevel();
    // Ten seconds in, a few mines are on their way.
    for (int i = 0; i < 600; ++i)
        LevelFrame(*stage, 1.0f / 60, false);
    Ship* ship = FirstOf<Ship>(*stage);
    ship->CannonLevel = 17;
    // Paused, only the ship's own update runs its gun: the volleys pile up
    // at the muzzles, exactly where the paused game leaves them.
    Press(SDLK_SPACE, true);
    while (static_cast<int>(stage->Entities.size()) < entities) {
        Advance();
        ship->Update(0);
    }
    Press(SDLK_SPACE, false);
    return stage;
}

Stage1* Scenes::LevelAt(int level, int ms) {
    // The cannon at level 7 with one rapid fire, as the autopilot has it.
    Stage1* stage = FreshLevel(Campaign::Start(level, Loadout{100, 100, 0, 0, 6, 1}, false));
    Press(SDLK_SPACE, true);
    while (stage->Waves.LevelClock.GetTicks() < ms) {
        KeepShipAlive(*stage);
        LevelFrame(*stage, 1.0f / 60, false);
    }
    return stage;
}

void Scenes::LevelFrame(Stage1& stage, float seconds, bool reference) {
    Advance();
    if (reference)
        ReferenceUpdate(stage, seconds);
    else
        stage.Update(seconds);
    SDL_FillRect(TheEngine().Surface, nullptr, 0);
    stage.Draw(TheEngine().Surface);
}

void Scenes::MenuFrame(GameScreen& menu) {
    Advance();
    menu.Update(1.0f / 60);
    SDL_FillRect(TheEngine().Surface, nullptr, 0);
    menu.Draw(TheEngine().Surface);
}
