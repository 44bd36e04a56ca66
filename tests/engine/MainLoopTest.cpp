#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "support/GameTest.h"

namespace {
class StillScreen : public GameScreen {
public:
    float LastSeconds = -1;
    void Load(std::string name) override {
        Name = name;
        Visible = true;
    }
    bool Update(float seconds) override {
        LastSeconds = seconds;
        return false;
    }
    void Draw(SDL_Surface*) override {}
};

class MainLoopTest : public GameTest {
protected:
    StillScreen* Screen = nullptr;
    void Show(const std::string& name) {
        Screen = new StillScreen();
        TheEngine().PushScreen(Screen, name);
    }
};
}  // namespace

TEST_F(MainLoopTest, FrameTimeIsMeasuredOnTheGameClock) {
    Show("Stage1");
    Frame(40);
    EXPECT_FLOAT_EQ(DeltaSeconds, 0.040f);
    EXPECT_FLOAT_EQ(Screen->LastSeconds, 0.040f);
    Frame(2500);  // a long stall is one large step
    EXPECT_FLOAT_EQ(DeltaSeconds, 2.5f);
}

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
    EXPECT_GT(Screen->LastSeconds, 0.0f);
}

TEST_F(MainLoopTest, EscapeOutsideTheLevelEndsTheProgram) {
    Show("MainScreen");
    EXPECT_FALSE(Frame());
    KeyDown(SDLK_ESCAPE);
    EXPECT_TRUE(Frame());
    EXPECT_FALSE(GamePaused);
}

TEST_F(MainLoopTest, ClosingTheWindowEndsTheProgramFromTheLevel) {
    Show("Stage1");
    Quit();
    Quit();
    EXPECT_TRUE(Frame());
}

TEST_F(MainLoopTest, FocusLossPausesTheLevelButNotTheMenu) {
    Show("Stage1");
    Focus(false);
    Frame();
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(Screen->LastSeconds, 0.0f);
    Focus(true);
    Frame();
    EXPECT_FALSE(GamePaused);

    TheEngine().RemoveScreen("Stage1");
    Show("MainScreen");
    Focus(false);
    EXPECT_TRUE(GamePaused);  // set by the event ...
    Frame();
    EXPECT_FALSE(GamePaused);  // ... and cleared by the next frame outside the level
}

TEST_F(MainLoopTest, AllQueuedEventsArriveBeforeTheFrame) {
    Show("Stage1");
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_w;
    SDL_PushEvent(&e);
    e.key.keysym.sym = SDLK_s;
    SDL_PushEvent(&e);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 321;
    motion.motion.y = 123;
    SDL_PushEvent(&motion);
    EXPECT_FALSE(RunFrame());
    EXPECT_TRUE(TheEngine().Input.IsKeyHeld(SDLK_w));
    EXPECT_TRUE(TheEngine().Input.IsKeyHeld(SDLK_s));
    EXPECT_FLOAT_EQ(TheEngine().Input.MouseX, 321);
    EXPECT_FLOAT_EQ(TheEngine().Input.MouseY, 123);
}
