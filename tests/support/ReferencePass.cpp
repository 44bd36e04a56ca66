#include "support/ReferencePass.h"

#include <typeinfo>

#include "enemies/GunArm.h"
#include "enemies/TheBoss.h"
#include "engine/Engine.h"
#include "field/Interactions.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Rocket.h"
#include "player/Ship.h"
#include "screens/LoadingScreen.h"
#include "screens/MainScreen.h"

namespace {
template <class T>
bool Exactly(const Entity* e) {
    return typeid(*e) == typeid(T);
}

UI* FirstHud(Stage1& stage) {
    for (Entity* e : stage.Entities)
        if (Exactly<UI>(e))
            return static_cast<UI*>(e);
    return nullptr;
}

void ShipTurn(Stage1& stage, UI& hud, Ship& ship, Entity& b) {
    stage.Shop.Update(hud, ship);
    ShipContact(hud, ship, b, stage.Name);
    PullMoney(b, ship.PosX, ship.PosY);
    stage.Tracker.ShipX = ship.PosX;
    stage.Tracker.ShipY = ship.PosY;
    if (ship.Dead)
        stage.GameOver = true;
    ship.Leaving = stage.Victory;
    hud.VictoryView = stage.Victory;
}

// The boss's death wins the level with or without a gun arm left to clear.
void BossChecks(Stage1& stage, Entity& b, bool settlesVictory) {
    if (Exactly<TheBoss>(&b) && b.Dead) {
        stage.Tracker.BossDead = true;
        if (settlesVictory)
            stage.Victory = true;
    }
    if (Exactly<GunArm>(&b) && stage.Tracker.BossDead) {
        b.Dead = true;
        if (settlesVictory)
            stage.Victory = true;
    }
}

void PairRules(Stage1& stage, UI& hud, Entity& a, Entity& b) {
    if (Exactly<Ship>(&a))
        ShipTurn(stage, hud, static_cast<Ship&>(a), b);
    ProjectileHit(hud, a, b, stage.Name);
    HomeRockets(&a, &b);
    BossChecks(stage, b, false);
    stage.Tracker.Steer(&b);
    BossChecks(stage, b, true);
}
}  // namespace

bool ReferenceUpdate(Stage1& stage, float seconds) {
    if (stage.GameOver)
        seconds = 0;
    std::vector<Entity*>& list = stage.Entities;
    if (UI* hud = FirstHud(stage)) {
        if (hud->Update(seconds))
            return true;
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i]->Update(seconds))
                return true;
            for (size_t j = 0; j < list.size() && i < list.size(); ++j) {
                Entity* b = list[j];
                PairRules(stage, *hud, *list[i], *b);
                if (b->Dead)
                    stage.Engine->RemoveFromScreen(b, stage.Name);
            }
            if (i < list.size() && list[i]->Dead)
                stage.Engine->RemoveFromScreen(list[i], stage.Name);
        }
        if (hud->ReplayClicked) {
            stage.Engine->PushScreen(new LoadingScreen(), "LoadingScreen");
            return false;
        }
        if (hud->ExitClicked) {
            stage.Engine->PushScreen(new MainScreen(), "MainScreen");
            return false;
        }
    }
    if (!stage.Victory || stage.GameOver)
        stage.Waves.Update(seconds);
    return false;
}
