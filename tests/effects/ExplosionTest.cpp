#include <functional>

#include "effects/BigExplosion.h"
#include "effects/MedExplosion.h"
#include "effects/SmallExplosion.h"
#include "engine/Image.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "support/EffectsScreen.h"

namespace {
struct Blast {
    const char* Name;
    std::function<Unsolid*(float, float)> Make;
    int StepMs;
    int Frames;
    int FrameWidth;
};

template <class T>
Unsolid* Make(float x, float y) {
    T* blast = new T(x, y);
    Engine::Instance().AddToScreen(blast, "Stage1");
    return blast;
}

const Blast Blasts[] = {
    {"big", Make<BigExplosion>, 50, 14, 40},
    {"medium", Make<MedExplosion>, 50, 9, 20},
    {"small", Make<SmallExplosion>, 100, 7, 21},
};
}  // namespace

using ExplosionTest = EffectsTest;

TEST_F(ExplosionTest, StepsOneFrameOnlyAfterMoreThanTheStepAndDiesOnTheLastOne) {
    for (const Blast& b : Blasts) {
        SCOPED_TRACE(b.Name);
        Unsolid* blast = b.Make(100, 100);
        ASSERT_EQ(static_cast<int>(blast->Sprite->Frames.size()), b.Frames);
        EXPECT_EQ(blast->Sprite->Frames[1].x, b.FrameWidth);
        EXPECT_TRUE(blast->Animated);

        TickSource::Advance(static_cast<uint32_t>(b.StepMs));
        blast->Update(0.016f);
        EXPECT_EQ(blast->Frame, 0) << "exactly one step is not yet more than one step";
        TickSource::Advance(1);
        blast->Update(0.016f);
        EXPECT_EQ(blast->Frame, 1);

        // A long stall still moves the animation on by a single frame.
        TickSource::Advance(static_cast<uint32_t>(b.StepMs * 5));
        blast->Update(0.016f);
        EXPECT_EQ(blast->Frame, 2);

        while (blast->Frame < b.Frames - 1) {
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
    Unsolid* blast = Make<BigExplosion>(300, 200);
    blast->SpeedX = 100;
    GamePaused = true;
    Frame(51);
    Frame(51);
    EXPECT_EQ(blast->Frame, 2);
    EXPECT_FLOAT_EQ(blast->PosX, 300) << "a paused game moves nothing";
}

TEST_F(ExplosionTest, BigAndMediumBlastsPlayOnTheirOwnChannelsAtTheirOwnVolumes) {
    Make<BigExplosion>(100, 0);
    Make<MedExplosion>(900, 0);
    Mix_Chunk* loud = TheEngine().Sounds.Get("Sound/explosion.wav", 75);
    if (loud == nullptr)
        GTEST_SKIP() << "no sound device or sound file";
    EXPECT_EQ(Mix_GetChunk(3), loud);
    EXPECT_EQ(Mix_GetChunk(2), TheEngine().Sounds.Get("Sound/explosion.wav", 50));
}
