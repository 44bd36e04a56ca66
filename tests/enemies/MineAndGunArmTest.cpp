#include <algorithm>

#include "enemies/GunArm.h"
#include "enemies/TheFoo.h"
#include "engine/TickSource.h"
#include "player/BulletEnemy.h"
#include "support/EnemyScreen.h"

using MineTest = EnemyTest;
using GunArmTest = EnemyTest;

TEST_F(MineTest, EachKindSwingsAboutItsEntryHeightByItsOwnAmplitude) {
    const std::pair<int, float> kinds[] = {{0, 0}, {1, 20}, {2, 40}, {3, 120}, {7, 0}};
    for (const auto& [kind, swing] : kinds) {
        TheFoo* mine = Add(new TheFoo(1024, 300, kind));
        float low = 300, high = 300;
        for (int i = 0; i < 80; ++i) {  // one period of the wave, ~1257 ms
            TickSource::Advance(16);
            mine->Update(0.016f);
            low = std::min(low, mine->PosY);
            high = std::max(high, mine->PosY);
        }
        EXPECT_NEAR(high - 300, swing, swing * 0.05f + 0.5f) << "kind " << kind;
        EXPECT_NEAR(300 - low, swing, swing * 0.05f + 0.5f) << "kind " << kind;
        EXPECT_NEAR(mine->PosX, 1024 - 79 * 0.016f * 300, 0.1f) << "still for one frame, then 300 px/s";
    }
}

TEST_F(GunArmTest, SlidesInOnePixelAnUpdateAndKeepsItsPost) {
    for (const auto& [startX, updatesToPost] : {std::pair{1024.0f, 150}, {874.0f, 0}, {700.0f, 0}}) {
        GunArm* arm = Add(new GunArm(startX, 80));
        int updates = 0;
        for (; arm->PosX > 874 && updates < 1000; ++updates)
            arm->Update(updates % 2 ? 0.016f : 0);  // per update, paused or not
        EXPECT_EQ(updates, updatesToPost);
        for (int i = 0; i < 100; ++i)
            arm->Update(0.016f);
        EXPECT_EQ(arm->PosX, std::min(startX, 874.0f));
    }
}

TEST_F(GunArmTest, FiresFirstAfterMoreThanAQuarterSecondThenEveryQuarterSecondEvenPaused) {
    GunArm* arm = Add(new GunArm(874, 300));
    TickSource::Advance(250);
    arm->Update(0.25f);
    EXPECT_EQ(All<BulletEnemy>().size(), 0u);
    TickSource::Advance(1);
    arm->Update(0.001f);
    ASSERT_EQ(All<BulletEnemy>().size(), 1u);
    // From the arm's left edge, 30 px below its top, as the bullet places itself.
    BulletEnemy reference(arm->PosX, arm->PosY + 30);
    reference.Load();
    EXPECT_EQ(All<BulletEnemy>()[0]->PosX, reference.PosX);
    EXPECT_EQ(All<BulletEnemy>()[0]->PosY, reference.PosY);

    // 16 ms frames: a shot every 16th frame (256 ms), paused or not.
    for (int frame = 1; frame <= 64; ++frame) {
        TickSource::Advance(16);
        arm->Update(frame > 32 ? 0 : 0.016f);
        EXPECT_EQ(All<BulletEnemy>().size(), 1u + frame / 16) << frame;
    }
}
