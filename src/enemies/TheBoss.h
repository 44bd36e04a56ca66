#pragma once
#include "engine/PauseHold.h"
#include "engine/Timer.h"
#include "field/Enemy.h"
#include "field/SkillRules.h"
#include "levels/Level.h"

// The last enemy: slides in to x 724, hovers, and every attack cycle of its
// level's plan (about 21 s at the first level) sounds its beam, flickers a
// charging beam, flashes the screen white and fires a ray across the
// screen. The attack cycle runs from Draw; it stands still while the game
// is paused, as the hover does.
class TheBoss : public Enemy {
public:
    // True while the ray is drawn; the ray then costs the ship 1 point a frame.
    bool RayActive = false;
    // The white flash before the ray is a short dim tint instead.
    bool DimFlash = false;
    Timer CycleClock;
    Timer FlickerClock;
    Timer RayClock;
    Timer Clock;
    // Its attack cycle, and its hit points as it comes, by its skill.
    const Level::BossPlan Plan;
    const int FullHealth;

    TheBoss(float x, float y, const Level::BossPlan& plan = {},
            const SkillRules& rules = SkillRules::Of(Skill::Normal));
    // When the charge ends and when the ray stops burning, counted from the
    // start of a cycle and from the end of the charge.
    int ChargeEndMs() const { return Plan.ChargeAtMs + Plan.ChargeMs; }
    int RayEndMs() const;
    ~TheBoss() override;
    void Load() override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;
    void DrawCharging(SDL_Surface* target);
    void DrawRay(SDL_Surface* target);

private:
    void DrawFlash(SDL_Surface* target);

    // Holds the three attack clocks through a pause.
    PauseHold AttackHold;
    // The dim tint, made when first needed.
    SDL_Surface* Tint = nullptr;
};
