#include <SDL/SDL_mixer.h>

#include "support/StageHelpers.h"

namespace {
class StillScreen : public TestStage {
public:
    float LastSeconds = -1;
    bool Update(float seconds) override { return LastSeconds = seconds, false; }
};

class MainLoopTest : public GameTest {
protected:
    StillScreen* Screen = nullptr;
    void Show(const std::string& name) { TheEngine().PushScreen(Screen = new StillScreen(), name); }
};
}  // namespace

TEST_F(MainLoopTest, EscapeTogglesThePauseInTheLevelAtMostEvery251Ms) {
    Show("Stage1");
    Frame(300);
    KeyDown(SDLK_ESCAPE);
    EXPECT_FALSE(Frame(16));
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(Screen->LastSeconds, 0.0f);
    KeyUp(SDLK_ESCAPE);
    Frame(100);
    KeyDown(SDLK_ESCAPE);  // too soon after the last toggle
    Frame(100);
    EXPECT_TRUE(GamePaused);
    Frame(60);  // still held: toggles once more than 250 ms have passed
    EXPECT_FALSE(GamePaused);
}

TEST_F(MainLoopTest, FocusLossPausesTheLevelButNotTheMenu) {
    Show("Stage1");
    Focus(false);
    Frame();
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(Screen->LastSeconds, 0.0f);
    EXPECT_EQ(Mix_PausedMusic(), TheEngine().AudioOpen ? 1 : 0);
    Focus(true);
    Frame();
    EXPECT_FALSE(GamePaused);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    TheEngine().RemoveScreen("Stage1");
    Show("MainScreen");
    Focus(false);
    Frame();
    EXPECT_FALSE(GamePaused);
}
