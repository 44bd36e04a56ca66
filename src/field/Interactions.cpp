#include "field/Interactions.h"

#include <cmath>

#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedExplosion.h"
#include "effects/MedMoney.h"
#include "effects/SmallExplosion.h"
#include "effects/SmallMoney.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "field/Loot.h"
#include "field/UI.h"
#include "player/BulletEnemy.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Rocket.h"
#include "player/Ship.h"

namespace {
enum class Blast { None, Small, Medium, Big };

// What touching the ship does to the player, by the exact class of what it
// touched. Money pays its value instead of hurting.
struct ContactRow {
    int Damage;
    Blast Explosion;
    bool Pays;
    bool OwnDamage;  // enemy shots hurt by their own Damage
};

const ContactRow* ContactRowOf(const Entity& e) {
    static const ContactRow foo{20, Blast::Medium, false, false}, money{0, Blast::None, true, false},
        smallRock{25, Blast::Medium, false, false}, mediumRock{50, Blast::Medium, false, false},
        bigRock{75, Blast::Big, false, false}, mother{25, Blast::Medium, false, false},
        child{20, Blast::Small, false, false}, boss{200, Blast::Big, false, false}, arm{50, Blast::Big, false, false},
        enemyShot{0, Blast::Small, false, true};
    switch (e.Kind()) {
    case EntityKind::TheFoo:
        return &foo;
    case EntityKind::SmallMoney:
    case EntityKind::MedMoney:
    case EntityKind::HugeMoney:
        return &money;
    case EntityKind::SpaceRockSmall:
        return &smallRock;
    case EntityKind::SpaceRockMedium:
        return &mediumRock;
    case EntityKind::SpaceRockBig:
        return &bigRock;
    case EntityKind::SwarmMother:
        return &mother;
    case EntityKind::SwarmChildren:
        return &child;
    case EntityKind::TheBoss:
        return &boss;
    case EntityKind::GunArm:
        return &arm;
    case EntityKind::BulletEnemy:
        return &enemyShot;
    default:
        return nullptr;
    }
}

void AddExplosion(Blast kind, float x, float y, const std::string& screen) {
    Entity* blast = nullptr;
    switch (kind) {
    case Blast::Small:
        blast = new SmallExplosion(x, y);
        break;
    case Blast::Medium:
        blast = new MedExplosion(x, y);
        break;
    case Blast::Big:
        blast = new BigExplosion(x, y);
        break;
    case Blast::None:
        return;
    }
    Engine::Instance().AddToScreen(blast, screen);
}

bool IsMoney(const Entity& e) { return Is<SmallMoney>(&e) || Is<MedMoney>(&e) || Is<HugeMoney>(&e); }

void Ram(UI& ui, Entity& other, const ContactRow& row, const std::string& screen) {
    if (row.Pays) {
        ui.PlayerMoney += static_cast<Money&>(other).Value;
    } else {
        ui.TakeHit(row.OwnDamage ? static_cast<Weapon&>(other).Damage : row.Damage);
        AddExplosion(row.Explosion, other.CentreX(), other.CentreY(), screen);
    }
    other.Dead = true;
}

// The boss's ray covers a horizontal band around its centre line, across
// the whole screen. Only the main loop's pause counts as paused here: a
// frame of 0 seconds also follows a game over.
void BossRay(UI& ui, const Ship& ship, Entity& other) {
    if (GamePaused)
        return;
    const TheBoss* boss = As<TheBoss>(&other);
    if (boss == nullptr || !boss->RayActive)
        return;
    const float centreY = boss->PosY + static_cast<float>(boss->Size / 2);
    if (centreY - ship.Size < ship.PosY && ship.PosY < centreY + 6)
        ui.TakeDamage(1);
}
}  // namespace

bool IsPlayerProjectile(const Entity& e) { return Is<RedBullet>(&e) || Is<GreenBullet>(&e) || Is<Rocket>(&e); }

bool IsTarget(const Entity& e) {
    return Is<TheFoo>(&e) || Is<SpaceRockSmall>(&e) || Is<SpaceRockMedium>(&e) || Is<SpaceRockBig>(&e) ||
           Is<SwarmMother>(&e) || Is<SwarmChildren>(&e) || Is<TheBoss>(&e) || Is<GunArm>(&e);
}

bool BoxesOverlap(const Entity& a, const Entity& b) {
    const float ha = static_cast<float>(a.Size / 2);
    const float hb = static_cast<float>(b.Size / 2);
    const float ax = a.CentreX(), ay = a.CentreY();
    const float bx = b.CentreX(), by = b.CentreY();
    return ax - ha <= bx + hb && bx - hb <= ax + ha && ay - ha <= by + hb && by - hb <= ay + ha;
}

void ShipContact(UI& ui, Ship& ship, Entity& other, const std::string& screen) {
    if (const ContactRow* row = ContactRowOf(other)) {
        // Nothing harms a paused ship; what drifted onto it meets it when the
        // game runs again. Money is no harm and is still collected.
        const bool meets = row->Pays || !GamePaused;
        if (meets && BoxesOverlap(ship, other))
            Ram(ui, other, *row, screen);
        BossRay(ui, ship, other);
    }
    // Checked on every meeting (the ship meets itself each frame too), so
    // health lost to the self-destruct key ends the ship in the next frame
    // even when nothing else is on the field.
    if (static_cast<int>(ui.PlayerHealth) <= 0)
        ship.Dead = true;
}

void ProjectileHit(UI& ui, Entity& a, Entity& b, const std::string& screen) {
    if (!IsPlayerProjectile(a) || !IsTarget(b) || !BoxesOverlap(a, b))
        return;
    Weapon& shot = static_cast<Weapon&>(a);
    Enemy& target = static_cast<Enemy&>(b);
    target.Health -= shot.Damage;
    shot.Dead = true;
    AddExplosion(Is<Rocket>(&a) ? Blast::Medium : Blast::Small, a.CentreX(), a.CentreY(), screen);
    // The target only marks itself dead in its next update, so further hits
    // in this frame pay the reward again.
    if (target.Health <= 0)
        DropLoot(ui, target, screen);
}

void PullMoney(Entity& e, float shipX, float shipY) {
    if (!IsMoney(e))
        return;
    // The pull reaches as far as the length of the vector (200, 200).
    const float reach = 282.8427f;
    const float dx = shipX - e.PosX;
    const float dy = shipY - e.PosY;
    if (std::sqrt(dx * dx + dy * dy) >= reach)
        return;
    Money& money = static_cast<Money&>(e);
    for (int step = 0; step < 3; ++step)
        money.MoveToward(shipX, shipY);
}
