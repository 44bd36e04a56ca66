#include <cstdlib>
#include <functional>

#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "support/EnemyScreen.h"

using SpaceRockTest = EnemyTest;

TEST_F(SpaceRockTest, EachSizeHoldsStillOneFrameThenFliesStraightLeft) {
    const std::pair<std::function<Enemy*()>, float> rocks[] = {
        {[] { return new SpaceRockBig(1044, 300, "Image/BigRock.png"); }, 150},
        {[] { return new SpaceRockMedium(1044, 300, "Image/SpaceRockMedium.png"); }, 200},
        {[] { return new SpaceRockSmall(1044, 300, "Image/SpaceRockSmall.png"); }, 250},
    };
    for (const auto& [make, speed] : rocks) {
        Enemy* rock = Add(make());
        rock->Update(0.5f);
        EXPECT_EQ(rock->PosX, 1044);
        rock->Update(0.5f);
        EXPECT_EQ(rock->PosX, 1044 - speed / 2);
        EXPECT_EQ(rock->PosY, 300);
    }
}

TEST_F(SpaceRockTest, ABigRockBreaksOnceIntoOneOrTwoSmallRocksInsideItsSquare) {
    // Shot down on screen, or unharmed but gone off the left edge.
    const std::pair<float, int> ends[] = {{500, 0}, {-96.5f, 50}};
    int seen[3] = {0, 0, 0};
    for (const auto& [x, health] : ends) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            Screen->Clear();
            SpaceRockBig* big = Add(new SpaceRockBig(x, 200, "Image/BigRock.png"));
            big->Health = health;

            // A count is drawn before every small rock; positions y first.
            std::srand(seed);
            std::rand();
            std::vector<std::pair<float, float>> expected;
            do {
                const float y = 200 + static_cast<float>(std::rand() % 96);
                expected.push_back({x + static_cast<float>(std::rand() % 96), y});
            } while (static_cast<int>(expected.size()) < std::rand() % 2 + 1);

            std::srand(seed);
            big->Update(0.016f);
            big->Update(0.016f);  // already dead: no second break-up
            ASSERT_TRUE(big->Dead);
            const std::vector<SpaceRockSmall*> smalls = All<SpaceRockSmall>();
            ASSERT_EQ(smalls.size(), expected.size()) << "seed " << seed;
            ++seen[smalls.size()];
            for (size_t i = 0; i < smalls.size(); ++i)
                EXPECT_EQ(std::make_pair(smalls[i]->PosX, smalls[i]->PosY), expected[i]) << "seed " << seed;
        }
    }
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}
