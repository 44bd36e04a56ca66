#include "player/Shop.h"

#include <SDL/SDL.h>

#include "engine/Engine.h"
#include "field/UI.h"
#include "player/Rocket.h"
#include "player/Ship.h"

namespace {
// The repair label lights up only with a comfortable reserve, not at the
// bare price.
constexpr int RepairLabelMoney = 1000;
constexpr int MissilePrice = 25;
constexpr int MissileCooldown = 1000;
constexpr int RapidFireLimit = 14;
constexpr int CannonLimit = 17;

int LabelState(bool affordable, int count, int limit) {
    if (affordable && count < limit)
        return 1;
    return count == limit ? 2 : 0;
}
}  // namespace

Shop::Shop() : Engine(&Engine::Instance()) { MissileClock.Start(); }

void Shop::Update(UI& ui, Ship& ship) {
    EveHandler& input = Engine->Input;
    // Each key press is used up here whether or not the purchase succeeds.
    if (input.TakeKeyPress(SDLK_h))
        BuyRepair(ui);
    if (input.TakeKeyPress(SDLK_n))
        BuyRapidFire(ui, ship);
    if (input.TakeKeyPress(SDLK_b))
        BuyCannon(ui, ship);
    if (input.TakeKeyPress(SDLK_m))
        LaunchMissile(ui, ship);
    RefreshLabels(ui);
}

void Shop::BuyRepair(UI& ui) {
    if (ui.PlayerMoney < RepairPrice || static_cast<int>(ui.PlayerHealth) >= 100)
        return;
    ui.PlayerHealth = 100.0f;
    ui.PlayerMoney -= RepairPrice;
}

void Shop::BuyRapidFire(UI& ui, Ship& ship) {
    if (ui.PlayerMoney < RapidFirePrice || RapidFireCount >= RapidFireLimit)
        return;
    ui.PlayerMoney -= RapidFirePrice;
    AddRapidFire(ship);
}

void Shop::BuyCannon(UI& ui, Ship& ship) {
    if (ui.PlayerMoney < CannonPrice || CannonCount >= CannonLimit)
        return;
    ui.PlayerMoney -= CannonPrice;
    AddCannon(ship);
}

void Shop::AddRapidFire(Ship& ship) {
    ship.BulletSpeed += 25;
    ship.FireDelay -= 5;
    RapidFirePrice = static_cast<int>(RapidFirePrice * 1.5);
    RapidFireCount += 1;
}

void Shop::AddCannon(Ship& ship) {
    ship.CannonLevel += 1;
    CannonPrice = static_cast<int>(CannonPrice * 1.25);
    CannonCount += 1;
}

void Shop::Equip(Ship& ship, int cannons, int rapidFires) {
    for (int i = 0; i < cannons && CannonCount < CannonLimit; ++i)
        AddCannon(ship);
    for (int i = 0; i < rapidFires && RapidFireCount < RapidFireLimit; ++i)
        AddRapidFire(ship);
}

bool Shop::MissileReady(const UI& ui) const {
    return ui.PlayerMoney >= MissilePrice && MissileClock.Started && MissileClock.GetTicks() > MissileCooldown;
}

void Shop::LaunchMissile(UI& ui, Ship& ship) {
    if (!MissileReady(ui))
        return;
    ui.PlayerMoney -= MissilePrice;
    const float x = ship.PosX + static_cast<float>(ship.Size + 5);
    const float y = ship.PosY + static_cast<float>(ship.Size / 2);
    Engine->AddToScreen(new Rocket(x, y), "Stage1");
    MissileClock.Start();
}

void Shop::RefreshLabels(UI& ui) const {
    ui.RepairState = ui.PlayerMoney >= RepairLabelMoney ? 1 : 0;
    ui.CannonState = LabelState(ui.PlayerMoney >= CannonPrice, CannonCount, CannonLimit);
    ui.RapidFireState = LabelState(ui.PlayerMoney >= RapidFirePrice, RapidFireCount, RapidFireLimit);
    ui.MissileState = MissileReady(ui) ? 1 : 0;
    ui.RepairCost = RepairPrice;
    ui.CannonCost = CannonPrice;
    ui.RapidFireCost = RapidFirePrice;
    ui.MissileCost = MissilePrice;
}
