#include "effects/SmokeTrail.h"
#include "engine/MainLoop.h"
#include "support/EffectsScreen.h"

using SmokeTrailTest = EffectsTest;

TEST_F(SmokeTrailTest, StaysPutAndGoesAfterMoreThanAQuarterSecondPauseIncluded) {
    for (bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "running");
        GamePaused = paused;
        SmokeTrail* puff = Spawn<SmokeTrail>(40.0f, 60.0f);
        Frame(150);
        Frame(100);
        ASSERT_EQ(CountOf<SmokeTrail>(), 1) << "250 ms is not more than 250 ms";
        EXPECT_FLOAT_EQ(puff->PosX, 40);
        EXPECT_FLOAT_EQ(puff->PosY, 60);
        EXPECT_FALSE(puff->Animated);
        Frame(1);
        EXPECT_EQ(CountOf<SmokeTrail>(), 0);
    }
}
