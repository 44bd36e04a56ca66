#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "enemies/SwarmTracker.h"
#include "support/StageHelpers.h"

using MineTest = StageTest;
using GunArmTest = StageTest;
using SpaceRockTest = StageTest;
using SwarmTest = StageTest;

TEST_F(MineTest, EachKindSwingsAboutItsEntryHeightByItsOwnAmplitude) {
    for (const auto& [kind, swing] : {std::pair{0, 0.0f}, {1, 20.0f}, {2, 40.0f}, {3, 120.0f}, {7, 0.0f}}) {
        TheFoo* mine = Spawn<TheFoo>(1024.0f, 300.0f, kind);
        float low = 300, high = 300;
        for (int i = 0; i < 80; ++i) {  // one period of the wave, ~1257 ms
            TickSource::Advance(16);
            mine->Update(0.016f);
            low = std::min(low, mine->PosY);
            high = std::max(high, mine->PosY);
        }
        EXPECT_NEAR(high - 300, swing, swing * 0.05f + 0.5f) << "kind " << kind;
        EXPECT_NEAR(300 - low, swing, swing * 0.05f + 0.5f) << "kind " << kind;
    }
}

TEST_F(GunArmTest, SlidesInOnePixelAnUpdateAndKeepsItsPost) {
    for (const auto& [startX, updatesToPost] : {std::pair{1024.0f, 150}, {874.0f, 0}, {700.0f, 0}}) {
        GunArm* arm = Spawn<GunArm>(startX, 80.0f);
        int updates = 0;
        for (; arm->PosX > 874 && updates < 1000; ++updates)
            arm->Update(updates % 2 ? 0.016f : 0);  // per update, paused or not
        EXPECT_EQ(updates, updatesToPost);
        for (int i = 0; i < 100; ++i)
            arm->Update(0.016f);
        EXPECT_EQ(arm->PosX, std::min(startX, 874.0f));
    }
}

TEST_F(GunArmTest, FiresFirstAfterMoreThanAQuarterSecondThenEveryQuarterSecondButNotPaused) {
    GunArm* arm = Spawn<GunArm>(874.0f, 300.0f);
    TickSource::Advance(250);
    arm->Update(0.25f);
    EXPECT_EQ(CountOf<BulletEnemy>(), 0);
    TickSource::Advance(1);
    arm->Update(0.001f);
    ASSERT_EQ(CountOf<BulletEnemy>(), 1);
    // From the arm's left edge, 30 px below its top, as the bullet places itself.
    BulletEnemy reference(arm->PosX, arm->PosY + 30);
    reference.Load();
    EXPECT_EQ(All<BulletEnemy>()[0]->PosX, reference.PosX);
    EXPECT_EQ(All<BulletEnemy>()[0]->PosY, reference.PosY);
    // 16 ms frames: a shot every 16th frame (256 ms). None while paused
    // (frames 33 to 64); afterwards the cadence goes on where it stood.
    for (int frame = 1; frame <= 96; ++frame) {
        TickSource::Advance(16);
        const bool paused = frame > 32 && frame <= 64;
        arm->Update(paused ? 0 : 0.016f);
        const int running = frame <= 32 ? frame : frame <= 64 ? 32 : frame - 32;
        EXPECT_EQ(CountOf<BulletEnemy>(), 1 + running / 16) << frame;
    }
}

TEST_F(SpaceRockTest, ABigRockBreaksOnceIntoOneOrTwoSmallRocksInsideItsSquare) {
    // Shot down on screen, or unharmed but gone off the left edge.
    int seen[3] = {0, 0, 0};
    for (const auto& [x, health] : {std::pair{500.0f, 0}, std::pair{-96.5f, 50}}) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            for (SpaceRockSmall* s : All<SpaceRockSmall>())
                Stage->RemoveEntity(s);
            SpaceRockBig* big = Spawn<SpaceRockBig>(x, 200.0f, "Image/BigRock.png");
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
            std::vector<std::pair<float, float>> smalls;
            for (SpaceRockSmall* s : All<SpaceRockSmall>())
                smalls.push_back({s->PosX, s->PosY});
            EXPECT_EQ(smalls, expected) << "seed " << seed;
            ++seen[smalls.size() % 3];
        }
    }
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}

TEST_F(SwarmTest, AMotherBringsTenChildrenInOffsetOrderAheadOfHerInTheList) {
    std::srand(77);
    SwarmMother* mother = Spawn<SwarmMother>(1024.0f, 300.0f);
    ASSERT_EQ(Stage->Entities.size(), 11u);
    EXPECT_EQ(Stage->Entities.back(), mother);
    std::srand(77);
    for (int i = 0; i < 10; ++i) {
        const float y = 300 + static_cast<float>(std::rand() % 50);
        const float x = 1024 + 80 + static_cast<float>(i * 32 + std::rand() % 20);
        ASSERT_TRUE(Is<SwarmChildren>(Stage->Entities[i]));
        EXPECT_EQ(std::make_pair(Stage->Entities[i]->PosX, Stage->Entities[i]->PosY), std::make_pair(x, y)) << i;
    }
}

TEST_F(SwarmTest, ChildrenFollowTheMotherThenHuntTheShipForSixSecondsThenLeave) {
    SwarmMother* mother = Spawn<SwarmMother>(800.0f, 300.0f);
    SwarmChildren* child = All<SwarmChildren>().front();
    child->PosX = 500;
    child->PosY = 200;
    SwarmTracker tracker;
    tracker.ShipX = 100;
    tracker.ShipY = 500;
    enum class Mother { Alive, SeenDead, Removed };
    struct Step { uint32_t AdvanceMs; Mother State; float TowardX, TowardY; };
    for (const Step& s : {Step{0, Mother::Alive, 800, 300},            // rally on her
                          Step{10, Mother::SeenDead, 100, 500},        // she dies: hunt the ship
                          Step{6000, Mother::Removed, 100, 500},       // still hunting at 6000 ms
                          Step{1, Mother::Removed, -100, 300},         // then off the left edge
                          Step{20000, Mother::Removed, -100, 300}}) {  // for good
        TickSource::Advance(s.AdvanceMs);
        mother->Dead = s.State == Mother::SeenDead;
        if (s.State != Mother::Removed)
            tracker.Steer(mother);
        const float dx = s.TowardX - child->PosX, dy = s.TowardY - child->PosY;
        const float length = std::sqrt(dx * dx + dy * dy);
        const float x = child->PosX + dx / length * 0.04f, y = child->PosY + dy / length * 0.05f;
        tracker.Steer(child);
        EXPECT_FLOAT_EQ(child->PosX, x) << s.AdvanceMs;
        EXPECT_FLOAT_EQ(child->PosY, y) << s.AdvanceMs;
    }
    // Sitting on its target, a child stays put.
    child->SteerToward(child->PosX, child->PosY);
    EXPECT_FALSE(std::isnan(child->PosX) || std::isnan(child->PosY));
}
