#include <gtest/gtest.h>

#include "engine/FramePacer.h"
#include "engine/PanChannel.h"
#include "engine/TickSource.h"
#include "engine/Timer.h"

TEST(Timer, PauseFreezesUnpauseContinuesAndStartCountsFromZero) {
    TickSource::UseFake(5000);
    Timer t;
    t.Start();
    TickSource::Advance(300);
    t.Pause();
    TickSource::Advance(10000);
    t.Pause();  // a second pause must not move the frozen time
    EXPECT_EQ(t.GetTicks(), 300);
    t.Unpause();
    TickSource::Advance(50);
    EXPECT_EQ(t.GetTicks(), 350);
    t.Pause();
    t.Start();
    EXPECT_FALSE(t.Paused);
    EXPECT_EQ(t.GetTicks(), 0);
    TickSource::UseReal();
}

TEST(FramePacer, HoldsSixtyFramesPerSecondAndDoesNotRushAfterAStall) {
    TickSource::UseFake(1000);
    FramePacer pacer(60);
    for (int i = 0; i < 60; ++i) {
        TickSource::Advance(3);  // the frame's own work
        pacer.Wait();
    }
    EXPECT_NEAR(TickSource::Now(), 2000, 5);
    TickSource::Advance(500);  // a stall: the next frames must not come back to back
    pacer.Wait();
    const uint32_t before = TickSource::Now();
    TickSource::Advance(1);
    pacer.Wait();
    EXPECT_GE(TickSource::Now() - before, 15u);
    TickSource::UseReal();
}

TEST(PanChannel, LevelsFollowTheHorizontalPosition) {
    struct Case { float x; int left, right; };
    for (const Case& c : {Case{-40, 255, 0}, Case{255, 255, 127}, Case{256, 255, 255}, Case{512, 255, 255},
                          Case{708, 158, 255}, Case{1500, 0, 255}}) {
        EXPECT_EQ(PanLevels(c.x).Left, c.left) << "x = " << c.x;
        EXPECT_EQ(PanLevels(c.x).Right, c.right) << "x = " << c.x;
    }
}
