#include <gtest/gtest.h>

#include "engine/FramePacer.h"
#include "engine/TickSource.h"

TEST(FramePacer, HoldsSixtyFramesPerSecondAndDoesNotRushAfterAStall) {
    TickSource::UseFake(1000);
    FramePacer pacer(60);
    const uint32_t start = TickSource::Now();
    for (int i = 0; i < 60; ++i) {
        TickSource::Advance(3);  // the frame's own work
        pacer.Wait();
    }
    const uint32_t second = TickSource::Now() - start;
    EXPECT_GE(second, 995u);
    EXPECT_LE(second, 1005u);

    TickSource::Advance(500);  // a stall: the next frames must not come back to back
    pacer.Wait();
    const uint32_t before = TickSource::Now();
    TickSource::Advance(1);
    pacer.Wait();
    EXPECT_GE(TickSource::Now() - before, 15u);
    TickSource::UseReal();
}
