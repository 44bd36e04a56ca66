#pragma once
#include "engine/GameScreen.h"
#include "levels/LevelStart.h"

// The hand-over to a fresh level, the one way a level is started. Its Load
// deletes the menu or the old level, pushes a new Stage1 for its start
// (which level, with what ship), and is itself deleted by that stage's
// Load, all inside the one push that started it: it is never updated or
// drawn in a frame. Whoever pushed it must return at once without touching
// itself.
class LoadingScreen : public GameScreen {
public:
    // A new campaign: its first level with a new game's ship.
    LoadingScreen();
    explicit LoadingScreen(LevelStart start);
    void Load(std::string name) override;
    bool Update(float seconds) override;
    // A plain red screen; only seen if a level ever failed to replace it.
    void Draw(SDL_Surface* target) override;

private:
    LevelStart Start;
};
