#pragma once
#include "engine/Timer.h"
#include "field/Solid.h"
#include "player/Volleys.h"

// The player's craft. It flies under W, A, S, D with per-frame thrust and
// damping, drifts back to the left unless held forward, stays inside the
// play area, fires the volley of its cannon level while the space bar is
// held, and flies off to the right once the level is won. Health, shield and
// money live in the HUD; the ship keeps the weapon state the shop upgrades.
class Ship : public Solid {
public:
    int CannonLevel = 0;
    int FireDelay = 0;
    float Thrust = 0;
    int BulletSpeed = 0;
    bool Leaving = false;
    Timer ThrustClock;
    Timer FireClock;

    Ship();
    void Load() override;
    bool Update(float seconds) override;

    void Steer();
    void AnimateThrust();
    void KeepInBounds();
    void PanSound();
    // Creates the volley of CannonLevel and restarts FireClock.
    void Fire();

private:
    // Where a shot of the volley starts, relative to the ship's square.
    float SpawnX(VolleyShot::Point point) const;
    float SpawnY(VolleyShot::Point point) const;
    Entity* MakeBullet(const VolleyShot& shot, int speed) const;
};
