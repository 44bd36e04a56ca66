#pragma once
#include "engine/PauseHold.h"
#include "engine/Timer.h"
#include "field/Enemy.h"
#include "field/SkillRules.h"

// The last enemy: slides in to x 724, hovers, and every cycle of about 21 s
// sounds its beam, flickers a charging beam, flashes the screen white and
// fires a ray across the screen. The attack cycle runs from Draw; it stands
// still while the game is paused, as the hover does.
class TheBoss : public Enemy {
public:
    // True while the ray is drawn; the ray then costs the ship 1 point a frame.
    bool RayActive = false;
    Timer CycleClock;
    Timer FlickerClock;
    Timer RayClock;
    Timer Clock;
    // Its hit points as it comes, by its skill.
    const int FullHealth;

    TheBoss(float x, float y, const SkillRules& rules = SkillRules::Of(Skill::Normal));
    ~TheBoss() override;
    void Load() override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;
    void DrawCharging(SDL_Surface* target);
    void DrawRay(SDL_Surface* target);

private:
    // Holds the three attack clocks through a pause.
    PauseHold AttackHold;
};
