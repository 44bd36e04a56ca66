// Plays the level on autopilot with the game clock driven by hand and saves
// the window at the moments worth showing: the menu, the first mines, a
// formation, the rock field, a swarm and the boss's ray. The ship is kept
// alive so that it reaches the boss. Used for the README's pictures. Given a
// LEVEL of the campaign, it plays that one from its start instead, and saves
// its own moments and its boss as levelN-*.
//
//   korvanta_shots OUTPUT_DIR [LEVEL]
#include <SDL/SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "enemies/TheBoss.h"
#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/UI.h"
#include "levels/Campaign.h"
#include "player/Ship.h"
#include "screens/LoadingScreen.h"

namespace {
std::string outDir;

void Feed(Uint8 type, SDLKey key) {
    auto* e = new SDL_Event{};
    e->type = type;
    e->key.keysym.sym = key;
    HandlePolledEvent(e);
}

void Tap(SDLKey key) {
    Feed(SDL_KEYDOWN, key);
    // The shop takes the press in this frame's update; the release follows.
    UpdateFrame();
    Feed(SDL_KEYUP, key);
}

void Mouse(Uint8 type, int x, int y) {
    auto* e = new SDL_Event{};
    e->type = type;
    if (type == SDL_MOUSEMOTION) {
        e->motion.x = static_cast<Uint16>(x);
        e->motion.y = static_cast<Uint16>(y);
    } else {
        e->button.button = SDL_BUTTON_LEFT;
    }
    HandlePolledEvent(e);
}

void Step(int frame) {
    TickSource::Advance(frame % 3 == 0 ? 17 : 16);
    UpdateFrame();
    RenderFrame();
}

std::string prefix;

void Save(const std::string& name) {
    const std::string path = outDir + "/" + prefix + name + ".bmp";
    SDL_SaveBMP(Engine::Instance().Surface, path.c_str());
    std::printf("%s\n", path.c_str());
}

template <class T>
T* Find() {
    GameScreen* stage = Engine::Instance().FindScreen("Stage1");
    if (stage == nullptr)
        return nullptr;
    for (Entity* e : stage->Entities)
        if (T* found = As<T>(e))
            return found;
    return nullptr;
}

// Weaves up and down through the field with the trigger held.
void Pilot(int frame) {
    const int phase = (frame / 60) % 4;
    Feed(SDL_KEYUP, SDLK_w);
    Feed(SDL_KEYUP, SDLK_s);
    if (phase == 0)
        Feed(SDL_KEYDOWN, SDLK_w);
    else if (phase == 2)
        Feed(SDL_KEYDOWN, SDLK_s);
}

void UpgradeWeapons() {
    if (UI* hud = Find<UI>())
        hud->PlayerMoney += 4000;
    for (int i = 0; i < 12; ++i)
        Tap(SDLK_b);
    for (int i = 0; i < 6; ++i)
        Tap(SDLK_n);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: korvanta_shots OUTPUT_DIR [LEVEL]\n");
        return 2;
    }
    outDir = argv[1];
    const int level = argc > 2 ? std::atoi(argv[2]) : 1;
    if (level < 1 || level > Campaign::Levels)
        return 2;
    if (chdir(KORVANTA_ASSET_DIR) != 0)
        return 1;
    TickSource::UseFake(1000);
    if (!StartGame())
        return 1;
    struct Moment {
        int Ms;
        const char* Name;
    };
    std::vector<Moment> moments = {{6000, "level"}, {36500, "formation"}, {98000, "rocks"}, {124200, "swarm"}};
    if (level == 1) {
        Mouse(SDL_MOUSEMOTION, 341, 446);
        for (int f = 0; f < 30; ++f)
            Step(f);
        Save("menu");
        Mouse(SDL_MOUSEBUTTONDOWN, 0, 0);
        Step(0);
        Mouse(SDL_MOUSEBUTTONUP, 0, 0);
    } else {
        prefix = "level" + std::to_string(level) + "-";
        moments = level == 2 ? std::vector<Moment>{{24600, "vee"}, {58000, "rocks"}, {89500, "arms"}}
                             : std::vector<Moment>{{22300, "vee"}, {36000, "rocks"}, {98000, "arms"}};
        Engine::Instance().PushScreen(new LoadingScreen(Campaign::Start(level, {}, false)), "LoadingScreen");
    }
    Mouse(SDL_MOUSEMOTION, 20, 590);
    size_t next = 0;
    bool rayShown = false;
    bool bossSeen = false;
    Feed(SDL_KEYDOWN, SDLK_SPACE);
    Feed(SDL_KEYDOWN, SDLK_d);
    for (int frame = 1, ms = 0; ms < 240000; ++frame) {
        if (frame == 60)
            UpgradeWeapons();
        if (frame > 120)
            Pilot(frame);
        if (UI* hud = Find<UI>()) {
            hud->PlayerHealth = 100;
            hud->PlayerShield = 100;
        }
        Step(frame);
        ms += frame % 3 == 0 ? 17 : 16;
        if (next < moments.size() && ms >= moments[next].Ms)
            Save(moments[next++].Name);
        TheBoss* boss = Find<TheBoss>();
        if (boss != nullptr && !bossSeen) {
            // Hold fire, the upgraded cannon would end the boss before it shows its ray,
            // and stay clear of it: ramming would end it too.
            Feed(SDL_KEYUP, SDLK_SPACE);
            Feed(SDL_KEYUP, SDLK_d);
            bossSeen = true;
        }
        if (!rayShown && boss != nullptr && boss->RayActive && boss->RayClock.GetTicks() > 600) {
            Save("boss-ray");
            rayShown = true;
            break;
        }
    }
    Engine::Instance().Shutdown();
    return rayShown ? 0 : 1;
}
