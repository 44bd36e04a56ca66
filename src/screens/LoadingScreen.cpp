#include "screens/LoadingScreen.h"

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "levels/Campaign.h"

LoadingScreen::LoadingScreen() : LoadingScreen(Campaign::Start(1)) {}

LoadingScreen::LoadingScreen(LevelStart start) : Start(std::move(start)) {}

void LoadingScreen::Load(std::string name) {
    Name = std::move(name);
    Visible = true;
    BlocksNext = false;
    Engine& engine = Engine::Instance();
    // Starting over deletes the running level first, so the new one starts
    // from scratch; starting from the menu deletes the menu and its music.
    engine.RemoveScreen("Stage1");
    engine.RemoveScreen("MainScreen");
    // Replay chosen from the pause overlay must not carry the pause over:
    // the fresh level starts running.
    GamePaused = false;
    // The stage's Load deletes this screen: nothing of it may be touched
    // after the push.
    engine.PushScreen(new Stage1(std::move(Start)), "Stage1");
}

bool LoadingScreen::Update(float seconds) {
    SweepEntities(seconds);
    return false;
}

void LoadingScreen::Draw(SDL_Surface* target) {
    DrawEntities(target);
    SDL_FillRect(target, &target->clip_rect, SDL_MapRGB(target->format, 255, 0, 0));
}
