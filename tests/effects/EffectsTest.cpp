#include "support/StageHelpers.h"

using EffectsTest = StageTest;

// A star field, built bare and given its picture as the level does it.
template <class T>
T* StarField(const char* path) {
    T* layer = new T;
    layer->ImagePath = path;
    Engine::Instance().AddToScreen(layer, "Stage1");
    return layer;
}

TEST_F(EffectsTest, StarFieldsScrollAfterTheirFirstUpdateAndSnapBackToExactlyZero) {
    for (const auto& [layer, speed] : {std::pair<Background*, float>{StarField<Background>("Image/stars1.png"), 20},
                                       {StarField<BackgroundLayer2>("Image/stars2.png"), 75}}) {
        SCOPED_TRACE(speed);
        layer->Update(1.0f);
        EXPECT_FLOAT_EQ(layer->PosX, 0) << "the first update only sets the speed";
        const float w = static_cast<float>(layer->Sprite->Width());
        layer->PosX = -w + 0.5f;
        layer->Update(0);
        EXPECT_FLOAT_EQ(layer->PosX, -w + 0.5f);
        layer->PosX = -w + speed / 2;
        layer->Update(0.5f);
        EXPECT_EQ(layer->PosX, 0.0f) << "landing exactly on -w";
        layer->PosX = -w + 1;
        layer->Update(1.0f);
        EXPECT_EQ(layer->PosX, 0.0f) << "the overshoot is dropped";
    }
}

// Explosions and smoke run on the clock, not on the game's time: a pause
// neither freezes a blast halfway nor keeps a puff hanging around.
TEST_F(EffectsTest, StepsAFrameAnUpdateAfterItsStepPausedOrNotAndEndsPastTheStrip) {
    Unsolid* blast = Spawn<BigExplosion>(300.0f, 200.0f);
    GamePaused = true;
    Frames(2, 51);
    EXPECT_EQ(blast->Frame, 2);
    Frame(500);  // a stall moves it on by one frame only
    EXPECT_EQ(blast->Frame, 3);
    Frames(10, 51);
    EXPECT_EQ(CountOf<BigExplosion>(), 1) << "on the strip's last frame";
    Frame(51);
    EXPECT_EQ(CountOf<BigExplosion>(), 0);
}

TEST_F(EffectsTest, SmokeGoesAfterMoreThanAQuarterSecondPauseIncluded) {
    for (bool paused : {false, true}) {
        GamePaused = paused;
        Spawn<SmokeTrail>(40.0f, 60.0f);
        Frames(2, 125);
        ASSERT_EQ(CountOf<SmokeTrail>(), 1) << "250 ms is not more than 250 ms, paused " << paused;
        Frame(1);
        EXPECT_EQ(CountOf<SmokeTrail>(), 0);
    }
}
