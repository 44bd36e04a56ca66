#include <gtest/gtest.h>

#include "engine/TickSource.h"
#include "engine/Timer.h"

namespace {
struct FakeClock : ::testing::Test {
    void SetUp() override { TickSource::UseFake(5000); }
    void TearDown() override { TickSource::UseReal(); }
};
}  // namespace

TEST_F(FakeClock, StoppedTimerReadsZeroAndIgnoresPause) {
    Timer t;
    EXPECT_EQ(t.GetTicks(), 0);
    t.Pause();
    t.Unpause();
    EXPECT_FALSE(t.Paused);
    TickSource::Advance(100);
    EXPECT_EQ(t.GetTicks(), 0);
}

TEST_F(FakeClock, PauseFreezesAndUnpauseContinuesFromTheFrozenTime) {
    Timer t;
    t.Start();
    TickSource::Advance(300);
    t.Pause();
    TickSource::Advance(10000);
    EXPECT_EQ(t.GetTicks(), 300);
    t.Pause();  // a second pause must not move the frozen time
    EXPECT_EQ(t.GetTicks(), 300);
    t.Unpause();
    EXPECT_EQ(t.PausedTicks, 0u);
    TickSource::Advance(50);
    EXPECT_EQ(t.GetTicks(), 350);
}

TEST_F(FakeClock, RestartingCountsFromZeroAgain) {
    Timer t;
    t.Start();
    TickSource::Advance(700);
    t.Pause();
    t.Start();
    EXPECT_FALSE(t.Paused);
    EXPECT_EQ(t.GetTicks(), 0);
}

TEST_F(FakeClock, SleepMovesTheFakeClock) {
    const uint32_t before = TickSource::Now();
    TickSource::Sleep(17);
    EXPECT_EQ(TickSource::Now(), before + 17);
    EXPECT_EQ(TickSource::Seed(), before + 17);
}
