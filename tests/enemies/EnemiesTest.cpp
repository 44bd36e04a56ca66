#include <SDL/SDL_mixer.h>

#include "engine/Random.h"
#include "support/StageHelpers.h"

using EnemiesTest = StageTest;

TEST_F(EnemiesTest, ABigRockBreaksOnceIntoOneOrTwoSmallRocks) {
    // Shot down on screen, or unharmed but gone off the left edge.
    int seen[3] = {0, 0, 0};
    for (const auto& [x, health] : {std::pair{500.0f, 0}, std::pair{-96.5f, 50}}) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            for (SpaceRockSmall* s : All<SpaceRockSmall>())
                Stage->RemoveEntity(s);
            SpaceRockBig* big = Spawn<SpaceRockBig>(x, 200.0f, "Image/BigRock.png");
            big->Health = health;
            Random::Seed(seed);
            big->Update(0.016f);
            big->Update(0.016f);  // already dead: no second break-up
            ASSERT_TRUE(big->Dead);
            const std::vector<SpaceRockSmall*> smalls = All<SpaceRockSmall>();
            ASSERT_TRUE(smalls.size() == 1 || smalls.size() == 2) << smalls.size() << ", seed " << seed;
            ++seen[smalls.size()];
        }
    }
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}

// The beam's sound belongs to the channel, not the boss: a boss taken off the
// field while it sounds must leave the channel paused, not playing on.
TEST_F(EnemiesTest, ABossRemovedWhileSoundingLeavesTheBeamChannelPaused) {
    TheBoss* boss = Spawn<TheBoss>(724.0f, 150.0f);
    if (!TheEngine().AudioOpen || boss->Sound == nullptr)
        GTEST_SKIP() << "no sound device or beam sound";
    TickSource::Advance(9460);
    boss->Draw(TheEngine().Surface);
    EXPECT_EQ(Mix_Playing(4), 1);
    Stage->RemoveEntity(boss);
    EXPECT_EQ(Mix_Paused(4), 1);
}

// The attack is a cycle: once a ray is over the boss charges and fires
// again, as often as it lives, every cycle as long as the first.
TEST_F(EnemiesTest, TheBossChargesAndFiresItsRayAgainAfterEachRay) {
    TheBoss* boss = Spawn<TheBoss>(724.0f, 150.0f);
    std::vector<int> rayStarts;
    bool firing = false;
    for (int ms = 0; ms < 70000; ms += 16) {
        TickSource::Advance(16);
        boss->Update(0.016f);
        boss->Draw(TheEngine().Surface);
        if (boss->RayActive && !firing)
            rayStarts.push_back(ms);
        firing = boss->RayActive;
    }
    ASSERT_EQ(rayStarts.size(), 3u);
    const int cycle = rayStarts[1] - rayStarts[0];
    EXPECT_NEAR(rayStarts[0], 13200, 50);
    EXPECT_NEAR(cycle, 21000, 100);
    EXPECT_NEAR(rayStarts[2] - rayStarts[1], cycle, 20);
}
