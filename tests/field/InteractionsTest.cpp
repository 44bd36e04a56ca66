#include "field/Interactions.h"

#include <cstdlib>
#include <functional>
#include <vector>

#include "field/Loot.h"
#include "support/StageHelpers.h"

namespace {
struct Square : Solid {
    Square(float x, float y, int size) { PosX = x, PosY = y, Size = size; }
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

// What ramming each kind of thing costs the player (shield emptied first, so
// the damage shows in health), which blast it leaves, and that it ends.
TEST_F(DamageTest, EachKindRamsTheShipByItsOwnRow) {
    enum Blast { None, Small, Medium, Big };
    struct Row { std::function<Entity*()> make; float healthLost; int paid; Blast blast; };
    const std::vector<Row> rows = {
        {[] { return new TheFoo(0, 0, 0); }, 20, 0, Medium},
        {[] { return new SpaceRockSmall(0, 0, "Image/SpaceRockSmall.png"); }, 25, 0, Medium},
        {[] { return new SpaceRockMedium(0, 0, "Image/SpaceRockMedium.png"); }, 50, 0, Medium},
        {[] { return new SpaceRockBig(0, 0, "Image/BigRock.png"); }, 75, 0, Big},
        {[] { return new SwarmMother(0, 0); }, 25, 0, Medium},
        {[] { return new SwarmChildren(0, 0); }, 20, 0, Small},
        {[] { return new TheBoss(0, 0); }, 200, 0, Big},
        {[] { return new GunArm(0, 0); }, 50, 0, Big},
        {[] { return new BulletEnemy(0, 0); }, 10, 0, Small},
        {[] { return new HugeMoney(0, 0); }, 0, 25, None},
    };
    for (const Row& row : rows) {
        Entity* other = Add(row.make());
        OnShip(other);
        Hud().PlayerShield = 0;
        Hud().PlayerHealth = 500;
        Hud().PlayerMoney = 0;
        const int blasts[] = {0, CountOf<SmallExplosion>(), CountOf<MedExplosion>(), CountOf<BigExplosion>()};
        ShipContact(Hud(), PlayerShip(), *other, "Stage1");
        EXPECT_FLOAT_EQ(Hud().PlayerHealth, 500 - row.healthLost) << typeid(*other).name();
        EXPECT_EQ(Hud().PlayerMoney, row.paid) << typeid(*other).name();
        EXPECT_TRUE(other->Dead) << typeid(*other).name();
        const int after[] = {0, CountOf<SmallExplosion>(), CountOf<MedExplosion>(), CountOf<BigExplosion>()};
        for (int kind = Small; kind <= Big; ++kind)
            EXPECT_EQ(after[kind] - blasts[kind], kind == row.blast ? 1 : 0) << typeid(*other).name();
    }
}

// The drops a kill makes from the current random sequence: per kind a fresh
// limit before every piece (and the one that stops), and for each piece its
// y and x offsets and then the two speeds its constructor draws.
struct Piece {
    int Value;
    float X, Y, SpeedX, SpeedY;
    bool operator==(const Piece&) const = default;
};
std::vector<Piece> ExpectedDrops(const Enemy& b) {
    std::vector<Piece> pieces;
    for (const auto& [value, modulo, shift] : {std::tuple{1, 4, 1}, std::tuple{10, 4, -2}, std::tuple{25, 7, -5}}) {
        for (int k = 0; k < std::rand() % modulo + shift; ++k) {
            const int dy = std::rand() % b.Size;
            const int dx = std::rand() % b.Size;
            const int sx = 10 - std::rand() % 20;
            const int sy = 10 - std::rand() % 20;
            pieces.push_back({value, b.PosX + dx, b.PosY + dy, float(sx), float(sy)});
        }
    }
    return pieces;
}

TEST_F(DamageTest, ASeedReplaysTheSameKillRewards) {
    auto* rock = Add(new SpaceRockSmall(400.5f, 250, "Image/SpaceRockSmall.png"));
    auto* boss = Add(new TheBoss(600, 150));
    for (unsigned seed : {1u, 42u, 99991u}) {
        for (Enemy* victim : {static_cast<Enemy*>(rock), static_cast<Enemy*>(boss)}) {
            std::srand(seed);
            const std::vector<Piece> expected = ExpectedDrops(*victim);
            const int next = std::rand();
            std::srand(seed);
            const size_t before = Level().Entities.size();
            DropLoot(Hud(), *victim, "Stage1");
            EXPECT_EQ(std::rand(), next) << "seed " << seed;
            std::vector<Piece> dropped;
            for (size_t i = before; i < Level().Entities.size(); ++i)
                if (const Money* m = dynamic_cast<const Money*>(Level().Entities[i]))
                    dropped.push_back({m->Value, m->PosX, m->PosY, m->SpeedX, m->SpeedY});
            EXPECT_TRUE(dropped == expected) << "seed " << seed;
        }
    }
}

using MoneyTest = StageTest;

TEST_F(MoneyTest, EachPieceDrawsItsScatterVelocityXFirst) {
    const std::function<Money*()> pieces[] = {[] { return new SmallMoney(300, 400); },
                                              [] { return new MedMoney(300, 400); }, [] { return new HugeMoney(300, 400); }};
    for (const auto& make : pieces) {
        std::srand(1234);
        const float speedX = static_cast<float>(10 - std::rand() % 20);
        const float speedY = static_cast<float>(10 - std::rand() % 20);
        std::srand(1234);
        Money* piece = Add(make());
        EXPECT_FLOAT_EQ(piece->SpeedX, speedX);
        EXPECT_FLOAT_EQ(piece->SpeedY, speedY);
    }
}

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
}  // namespace
