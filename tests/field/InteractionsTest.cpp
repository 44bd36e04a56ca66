#include "field/Interactions.h"

#include <functional>

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
#include "player/BulletEnemy.h"
#include "player/RedBullet.h"
#include "support/StageHelpers.h"

namespace {
struct Square : Solid {
    Square(float x, float y, int size) { PosX = x, PosY = y, Size = size; }
};

TEST(BoxesOverlap, TouchingEdgesOverlapAndAGapDoesNot) {
    struct Case { float bx, by; int sizeA; bool overlap; };
    const Case cases[] = {{20, 0, 20, true},  {20.01f, 0, 20, false}, {0, 20, 20, true},
                          {20, 20, 20, true}, {20, 0, 21, true},      {20.5f, 0, 21, false}};
    for (const Case& c : cases) {
        const Square a(0, 0, c.sizeA), b(c.bx, c.by, 20);
        EXPECT_EQ(BoxesOverlap(a, b), c.overlap) << c.bx << "," << c.by;
        EXPECT_EQ(BoxesOverlap(b, a), c.overlap) << c.bx << "," << c.by;
    }
}

TEST(PullMoney, ReachesJustUnderTheLengthOf200By200) {
    for (const auto& [distance, pulled] : {std::pair{282.8f, true}, std::pair{282.9f, false}}) {
        SmallMoney money(100 + distance, 300);
        PullMoney(money, 100, 300);
        EXPECT_FLOAT_EQ(money.PosX, 100 + distance - (pulled ? 3 : 0)) << distance;
    }
}

class DamageTest : public StageTest {};

TEST_F(DamageTest, ShieldTakesDamageFirstAndHealthTheWholePointsBeyond) {
    struct Case { float shield; int damage; float shieldAfter, healthAfter; };
    for (const Case& c : {Case{100, 75, 25, 100}, Case{25, 75, 0, 50}, Case{10.3f, 25, 0, 86}, Case{0, 20, 0, 80}}) {
        Hud().PlayerShield = c.shield;
        Hud().PlayerHealth = 100;
        Hud().TakeDamage(c.damage);
        EXPECT_FLOAT_EQ(Hud().PlayerShield, c.shieldAfter) << c.shield << " / " << c.damage;
        EXPECT_FLOAT_EQ(Hud().PlayerHealth, c.healthAfter) << c.shield << " / " << c.damage;
    }
}

TEST_F(DamageTest, TheShipEndsOnceHealthTruncatesToZero) {
    auto* farRock = Add(new SpaceRockSmall(600, 300, "Image/SpaceRockSmall.png"));
    for (const auto& [health, dead] : {std::pair{0.5f, true}, std::pair{0.9f, true}, std::pair{1.0f, false}}) {
        Hud().PlayerHealth = health;
        PlayerShip().Dead = false;
        ShipContact(Hud(), PlayerShip(), *farRock, "Stage1");
        EXPECT_EQ(PlayerShip().Dead, dead) << health;
    }
}

TEST_F(DamageTest, ContactRowsByExactClass) {
    enum Blast { None, SmallBlast, MedBlast, BigBlast };
    struct Row { const char* name; std::function<Entity*()> make; int damage; Blast blast; int money; };
    const Row rows[] = {
        {"TheFoo", [] { return new TheFoo(0, 0, 0); }, 20, MedBlast, 0},
        {"SmallMoney", [] { return new SmallMoney(0, 0); }, 0, None, 1},
        {"MedMoney", [] { return new MedMoney(0, 0); }, 0, None, 10},
        {"HugeMoney", [] { return new HugeMoney(0, 0); }, 0, None, 25},
        {"SpaceRockSmall", [] { return new SpaceRockSmall(0, 0, "Image/SpaceRockSmall.png"); }, 25, MedBlast, 0},
        {"SpaceRockMedium", [] { return new SpaceRockMedium(0, 0, "Image/SpaceRockMedium.png"); }, 50, MedBlast, 0},
        {"SpaceRockBig", [] { return new SpaceRockBig(0, 0, "Image/BigRock.png"); }, 75, BigBlast, 0},
        {"SwarmMother", [] { return new SwarmMother(0, 0); }, 25, MedBlast, 0},
        {"SwarmChildren", [] { return new SwarmChildren(0, 0); }, 20, SmallBlast, 0},
        {"TheBoss", [] { return new TheBoss(0, 0); }, 200, BigBlast, 0},
        {"GunArm", [] { return new GunArm(0, 0); }, 50, BigBlast, 0},
        {"BulletEnemy", [] { return new BulletEnemy(0, 0); }, 10, SmallBlast, 0},
        {"RedBullet", [] { return new RedBullet(0, 0, 300); }, 0, None, 0},
    };
    for (const Row& row : rows) {
        Entity* other = Add(row.make());
        OnShip(other);
        Hud().PlayerShield = 0;
        Hud().PlayerHealth = 1000;
        Hud().PlayerMoney = 0;
        const int blasts[] = {0, CountOf<SmallExplosion>(), CountOf<MedExplosion>(), CountOf<BigExplosion>()};
        ShipContact(Hud(), PlayerShip(), *other, "Stage1");
        const int after[] = {0, CountOf<SmallExplosion>(), CountOf<MedExplosion>(), CountOf<BigExplosion>()};
        for (int kind = SmallBlast; kind <= BigBlast; ++kind)
            EXPECT_EQ(after[kind] - blasts[kind], row.blast == kind ? 1 : 0) << row.name << " blast " << kind;
        EXPECT_FLOAT_EQ(Hud().PlayerHealth, 1000.0f - row.damage) << row.name;
        EXPECT_EQ(Hud().PlayerMoney, row.money) << row.name;
        EXPECT_EQ(other->Dead, row.damage > 0 || row.money > 0) << row.name;
        if (row.blast != None) {
            EXPECT_FLOAT_EQ(Level().Entities.back()->PosX, other->CentreX()) << row.name;
            EXPECT_FLOAT_EQ(Level().Entities.back()->PosY, other->CentreY()) << row.name;
        }
    }
}
}  // namespace
