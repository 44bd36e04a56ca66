#include <functional>

#include "support/StageHelpers.h"

using ExplosionTest = StageTest;

TEST_F(ExplosionTest, StepsOneFrameOnlyAfterMoreThanTheStepAndDiesOnTheLastOne) {
    struct Blast { std::function<Unsolid*()> Make; int StepMs, Frames; };
    for (const Blast& b : {Blast{[this] { return Spawn<BigExplosion>(100.0f, 100.0f); }, 50, 14},
                           Blast{[this] { return Spawn<MedExplosion>(100.0f, 100.0f); }, 50, 9},
                           Blast{[this] { return Spawn<SmallExplosion>(100.0f, 100.0f); }, 100, 7}}) {
        SCOPED_TRACE(b.Frames);
        Unsolid* blast = b.Make();
        ASSERT_EQ(static_cast<int>(blast->Sprite->Frames.size()), b.Frames);
        TickSource::Advance(static_cast<uint32_t>(b.StepMs));
        blast->Update(0.016f);
        EXPECT_EQ(blast->Frame, 0) << "exactly one step is not yet more than one step";
        // A long stall still moves the animation on by a single frame.
        TickSource::Advance(static_cast<uint32_t>(b.StepMs * 5));
        blast->Update(0.016f);
        EXPECT_EQ(blast->Frame, 1);
        for (int i = 0; blast->Frame < b.Frames - 1 && i < 100; ++i) {
            TickSource::Advance(static_cast<uint32_t>(b.StepMs + 1));
            blast->Update(0.016f);
            ASSERT_FALSE(blast->Dead);
        }
        TickSource::Advance(static_cast<uint32_t>(b.StepMs + 1));
        blast->Update(0.016f);
        EXPECT_EQ(blast->Frame, b.Frames);
        EXPECT_TRUE(blast->Dead) << "dead in the same update, so the stage drops it before drawing";
    }
}

TEST_F(ExplosionTest, KeepsAnimatingWhileTheGameIsPaused) {
    Unsolid* blast = Spawn<BigExplosion>(300.0f, 200.0f);
    GamePaused = true;
    Frames(2, 51);
    EXPECT_EQ(blast->Frame, 2);
}

TEST_F(ExplosionTest, SmokeGoesAfterMoreThanAQuarterSecondPauseIncluded) {
    for (bool paused : {false, true}) {
        GamePaused = paused;
        Spawn<SmokeTrail>(40.0f, 60.0f);
        Frames(2, 125);
        ASSERT_EQ(CountOf<SmokeTrail>(), 1) << "250 ms is not more than 250 ms, paused " << paused;
        Frame(1);
        EXPECT_EQ(CountOf<SmokeTrail>(), 0);
    }
}
