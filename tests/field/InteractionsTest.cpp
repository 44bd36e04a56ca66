#include "field/Interactions.h"

#include <algorithm>
#include <functional>

#include "support/StageHelpers.h"

namespace {
struct Square : Solid {
    Square(float x, float y, int size) { PosX = x, PosY = y, Size = size; }
};

class TameRock : public SpaceRockSmall {
public:
    TameRock() : SpaceRockSmall(0, 0, "Image/SpaceRockSmall.png") {}
};

TEST(BoxesOverlap, TouchingEdgesOverlapAndAGapDoesNot) {
    struct Case { float bx, by; int sizeA; bool overlap; };
    for (const Case& c : {Case{20, 0, 20, true}, Case{20.01f, 0, 20, false}, Case{20, 20, 20, true},
                          Case{20, 0, 21, true}, Case{20.5f, 0, 21, false}}) {
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

using DamageTest = LevelTest;

TEST_F(DamageTest, ShieldTakesDamageFirstAndTheShipEndsOnceHealthTruncatesToZero) {
    struct Case { float shield; int damage; float shieldAfter, healthAfter; };
    for (const Case& c : {Case{100, 75, 25, 100}, Case{25, 75, 0, 50}, Case{10.3f, 25, 0, 86}, Case{0, 20, 0, 80}}) {
        Hud().PlayerShield = c.shield;
        Hud().PlayerHealth = 100;
        Hud().TakeDamage(c.damage);
        EXPECT_FLOAT_EQ(Hud().PlayerShield, c.shieldAfter) << c.shield << " / " << c.damage;
        EXPECT_FLOAT_EQ(Hud().PlayerHealth, c.healthAfter) << c.shield << " / " << c.damage;
    }
    auto* farRock = Add(new SpaceRockSmall(600, 300, "Image/SpaceRockSmall.png"));
    for (const auto& [health, dead] : {std::pair{1.0f, false}, std::pair{0.9f, true}}) {
        Hud().PlayerHealth = health;
        ShipContact(Hud(), PlayerShip(), *farRock, "Stage1");
        EXPECT_EQ(PlayerShip().Dead, dead) << health;
    }
}

// What touches the ship meets it once and goes: a mine costs its 20 points,
// an enemy shot its own damage, money pays its value instead.
TEST_F(DamageTest, WhatTouchesTheShipHurtsOrPaysOnceAndGoes) {
    struct Case { std::function<Entity*()> Make; float HealthLost; int Paid; };
    for (const Case& c : {Case{[] { return new TheFoo(0, 0, 0); }, 20, 0}, Case{[] { return new BulletEnemy(0, 0); }, 10, 0},
                          Case{[] { return new HugeMoney(0, 0); }, 0, 25}}) {
        Entity* other = Add(c.Make());
        OnShip(other);
        Hud().PlayerShield = 0;
        Hud().PlayerHealth = 100;
        Hud().PlayerMoney = 0;
        StillUpdate();
        StillUpdate();
        EXPECT_FLOAT_EQ(Hud().PlayerHealth, 100 - c.HealthLost) << c.HealthLost;
        EXPECT_EQ(Hud().PlayerMoney, c.Paid);
        EXPECT_EQ(std::count(Level().Entities.begin(), Level().Entities.end(), other), 0);
    }
}

using MoneyTest = StageTest;

TEST_F(MoneyTest, ScatteredNearTheRightEdgeItLivesOnlyInsideTheLimit) {
    Spawn<SmallMoney>(1030.0f, 300.0f);
    Frame(16);
    EXPECT_EQ(CountOf<SmallMoney>(), 1);
    Spawn<SmallMoney>(1045.0f, 300.0f);
    Frame(16);
    EXPECT_EQ(CountOf<SmallMoney>(), 1);
}

TEST_F(MoneyTest, MoveTowardStepsExactlyOnePixelAndStaysPutOnTheTarget) {
    Money* piece = Spawn<SmallMoney>(100.0f, 100.0f);
    piece->MoveToward(103, 104);
    EXPECT_FLOAT_EQ(piece->PosX, 100.6f);
    EXPECT_FLOAT_EQ(piece->PosY, 100.8f);
    piece->MoveToward(piece->PosX, piece->PosY);
    EXPECT_FLOAT_EQ(piece->PosX, 100.6f);
    EXPECT_FLOAT_EQ(piece->PosY, 100.8f);
}

// The rules go by the exact class: a class derived from a rock is no rock,
// no target and no player's shot, however its base would count.
TEST(EntityKindTest, ASubclassNeverPassesForItsBase) {
    TameRock tame;
    SpaceRockSmall rock(0, 0, "Image/SpaceRockSmall.png");
    EXPECT_FALSE(Is<SpaceRockSmall>(&tame));
    EXPECT_EQ(tame.Kind(), EntityKind::Other);
    EXPECT_FALSE(IsTarget(tame));
    EXPECT_TRUE(Is<SpaceRockSmall>(&rock));
    EXPECT_TRUE(IsTarget(rock));
    EXPECT_FALSE(IsPlayerProjectile(rock));
}
}  // namespace
