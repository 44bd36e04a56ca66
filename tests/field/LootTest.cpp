#include "field/Loot.h"

#include <cstdlib>
#include <vector>

#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedMoney.h"
#include "effects/SmallMoney.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/TheBoss.h"
#include "support/StageHelpers.h"

namespace {
struct Piece {
    int Value;
    float X, Y, SpeedX, SpeedY;
    bool operator==(const Piece&) const = default;
};

// The drops a kill makes from the current random sequence: per kind a fresh
// limit before every piece (and the one that stops), and for each piece its
// y and x offsets and then the two speeds its constructor draws.
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

class LootTest : public StageTest {};

TEST_F(LootTest, ASeedReplaysTheSameKillRewards) {
    auto* rock = Add(new SpaceRockSmall(400.5f, 250, "Image/SpaceRockSmall.png"));
    auto* boss = Add(new TheBoss(600, 150));
    int kills = 0;
    for (unsigned seed : {1u, 7u, 42u, 1234u, 99991u}) {
        for (Enemy* victim : {static_cast<Enemy*>(rock), static_cast<Enemy*>(boss)}) {
            std::srand(seed);
            const std::vector<Piece> expected = ExpectedDrops(*victim);
            const int next = std::rand();
            std::srand(seed);
            const size_t before = Level().Entities.size();
            DropLoot(Hud(), *victim, "Stage1");
            EXPECT_EQ(std::rand(), next) << "seed " << seed;
            EXPECT_EQ(Hud().PlayerScore, 50 * ++kills);

            const Entity* blast = Level().Entities[before];
            ASSERT_TRUE(Is<BigExplosion>(blast));
            EXPECT_FLOAT_EQ(blast->PosX, victim->CentreX());
            std::vector<Piece> dropped;
            for (size_t i = before + 1; i < Level().Entities.size(); ++i) {
                auto* m = static_cast<Money*>(Level().Entities[i]);
                dropped.push_back({m->Value, m->PosX, m->PosY, m->SpeedX, m->SpeedY});
            }
            EXPECT_TRUE(dropped == expected) << "seed " << seed;
            EXPECT_GE(dropped.size(), 1u);
        }
    }
}
}  // namespace
