#pragma once
#include "engine/Timer.h"
#include "field/SkillRules.h"

class Engine;
class Ship;
class UI;

// Turns money into repairs, rapid fire, cannon levels and missiles on the
// keys H, N, B and M, at any moment of play, and refreshes the HUD's shop
// labels and prices. Owned by the level screen.
class Shop {
public:
    class Engine* Engine;
    // The level sets it from its skill.
    int RepairPrice = SkillRules::Of(Skill::Normal).RepairPrice;
    int RapidFirePrice = 100;
    int CannonPrice = 100;
    int RapidFireCount = 0;
    int CannonCount = 0;
    Timer MissileClock;

    Shop();
    void Update(UI& ui, Ship& ship);
    // Fits `ship` with what was bought before the level began: `cannons`
    // cannon upgrades and `rapidFires` rapid fires, at no cost, with the
    // prices they left behind.
    void Equip(Ship& ship, int cannons, int rapidFires);

private:
    void AddRapidFire(Ship& ship);
    void AddCannon(Ship& ship);
    void BuyRepair(UI& ui);
    void BuyRapidFire(UI& ui, Ship& ship);
    void BuyCannon(UI& ui, Ship& ship);
    bool MissileReady(const UI& ui) const;
    void LaunchMissile(UI& ui, Ship& ship);
    void RefreshLabels(UI& ui) const;
};
