#pragma once
#include "engine/GameScreen.h"

// Placeholder main menu until the real one lands.
class MainScreen : public GameScreen {
public:
    void Load(std::string name) override {
        Name = name;
        Visible = true;
        BlocksNext = false;
    }
    bool Update(float seconds) override { return SweepEntities(seconds); }
    void Draw(SDL_Surface* target) override { DrawEntities(target); }
};
