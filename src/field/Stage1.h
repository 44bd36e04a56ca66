#pragma once
#include <SDL/SDL_mixer.h>

#include "engine/GameScreen.h"
#include "enemies/SwarmTracker.h"
#include "enemies/WaveScript.h"
#include "player/Shop.h"

class Engine;

// The playable level. It owns its entities, its music, the shop, the wave
// script and the swarm tracker. Each frame it updates every entity, applies
// the interaction rules to every ordered pair, removes finished entities,
// acts on the overlays' Replay and Exit and lets the wave script spawn.
class Stage1 : public GameScreen {
public:
    bool GameOver = false;
    bool Victory = false;
    class Engine* Engine;
    Mix_Music* Music = nullptr;
    class Shop Shop;
    WaveScript Waves;
    SwarmTracker Tracker;

    Stage1();
    ~Stage1() override;
    void Load(std::string name) override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;
};
