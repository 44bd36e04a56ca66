#include "screens/MainScreen.h"

#include <functional>
#include <string>
#include <vector>

#include "engine/MenuPages.h"
#include "support/StageHelpers.h"

namespace {
// The program's pages as the menu sees them: what it opened (a page that
// stays open), how often it asked for a demo.
struct FakePages : MenuPages {
    struct StubPage : MenuPage {
        bool Update() override { return true; }
        void Draw(SDL_Surface*) override {}
    };
    std::string Opened;
    int Demos = 0;
    std::unique_ptr<MenuPage> Open(Page page) override {
        if (page == Page::Levels)
            return nullptr;  // no levels of the player's own
        Opened += page == Page::Options ? "O" : "S";
        return std::make_unique<StubPage>();
    }
    bool StartChosenLevel() override { return false; }
    bool StartDemo() override {
        ++Demos;
        return true;
    }
};

class MenuTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        TheEngine().Pages = &Pages;
        Reopen();
    }
    // A fresh menu alone on the stack.
    void Reopen() {
        TheEngine().ClearScreens();
        TheEngine().PushScreen(new MainScreen(), "MainScreen");
    }
    FakePages Pages;
    MainScreen& Menu() { return *static_cast<MainScreen*>(TheEngine().FindScreen("MainScreen")); }
    void ClickAt(int x, int y) {
        MouseTo(x, y);
        LeftDown();
    }
    bool OnlyScreenIs(const char* name) { return TheEngine().Screens.size() == 1 && TheEngine().Screens[0]->GetName() == name; }
    void Press(SDLKey key) {
        KeyDown(key);
        Frame();
        KeyUp(key);
    }
};

// Left and Right move along a row, Up and Down to the nearest button of the
// other row; Enter fires the button reached, Play before any arrow.
TEST_F(MenuTest, ArrowKeysWalkTheTwoRowsAndEnterFiresTheButtonReached) {
    using B = MainScreen::Button;
    const struct {
        std::vector<SDLKey> Keys;
        B Reached;
    } walks[] = {
        {{SDLK_LEFT, SDLK_UP}, B::PlayButton},        {{SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT}, B::ExitButton},
        {{SDLK_DOWN}, B::OptionsButton},              {{SDLK_RIGHT, SDLK_DOWN}, B::PracticeButton},
        {{SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN}, B::ScoresButton}, {{SDLK_DOWN, SDLK_RIGHT, SDLK_UP}, B::InfoButton},
        {{SDLK_DOWN, SDLK_DOWN, SDLK_LEFT}, B::OptionsButton},
    };
    for (const auto& walk : walks) {
        Reopen();
        for (SDLKey key : walk.Keys)
            Press(key);
        EXPECT_EQ(Menu().Focus, walk.Reached) << "after " << walk.Keys.size() << " keys";
        EXPECT_TRUE(Menu().FocusShown);
    }
    const std::string opened = Pages.Opened;
    KeyDown(SDLK_RETURN);
    Frame();
    EXPECT_EQ(Pages.Opened, opened + "O") << "Enter on Options";
    Reopen();
    KeyUp(SDLK_RETURN);
    KeyDown(SDLK_KP_ENTER);
    Frame();
    EXPECT_TRUE(TheEngine().HasScreen("Stage1")) << "Enter before any arrow plays";
}

// One button is lit at a time, the one the last input chose (an arrow key,
// the pointer moving onto it), and Enter fires that one.
TEST_F(MenuTest, TheLastInputLightsOneButtonAndEnterFiresIt) {
    Frame();
    const uint64_t scoresUnlit = Look(Menu().ScoresRect);
    Press(SDLK_DOWN);
    MouseTo(Layout::ScoresButton.X, Layout::ScoresButton.Y);
    Frame();
    EXPECT_NE(Look(Menu().ScoresRect), scoresUnlit) << "the pointer moved onto Scores after the keys";
    Press(SDLK_UP);
    EXPECT_EQ(Look(Menu().ScoresRect), scoresUnlit) << "lit under a resting pointer after the keys moved on";
    MouseTo(Layout::ScoresButton.X + 1, Layout::ScoresButton.Y);
    Frame();
    Press(SDLK_RETURN);
    EXPECT_EQ(Pages.Opened, "S");
}

// The demo is asked for once the buttons have been left alone for more
// than a minute: not on a page, and every kind of input starts the minute
// again.
TEST_F(MenuTest, LeftAloneOnItsButtonsForAMinuteTheMenuAsksForADemo) {
    // From the second input on, each comes a minute after the last: a demo
    // asked for then, and again before another minute, is counted there.
    const std::function<void()> inputs[] = {
        [this] { KeyDown(SDLK_x); }, [this] { KeyUp(SDLK_x); }, [this] { MouseTo(20, 20); },
        [this] { ClickAt(20, 20); }, [this] { LeftUp(); },      [this] { TheEngine().Input.NoteInput(); }};
    for (const auto& input : inputs) {
        Idle(200);
        const int asked = Pages.Demos;
        Idle(30'000);
        input();
        Frame();  // the minute starts again with the frame that sees it
        Idle(59'900);
        EXPECT_EQ(Pages.Demos, asked) << "input " << (&input - inputs);
    }
    // On a page the minute does not run, and it starts again on the buttons.
    const int asked = Pages.Demos;
    ClickAt(Layout::InfoButton.X, Layout::InfoButton.Y);
    Idle(300);
    LeftUp();
    Idle(120'000);
    EXPECT_EQ(Pages.Demos, asked);
    for (int turn = 0; turn < 2; ++turn) {
        LeftDown();
        Idle(300);
        LeftUp();
    }
    Frame();
    ASSERT_TRUE(Menu().OnButtons());
    Idle(59'900);
    EXPECT_EQ(Pages.Demos, asked);
    Idle(200);
    EXPECT_EQ(Pages.Demos, asked + 1);
}

TEST_F(MenuTest, PagesTurnByClickOrEnterOnlyMoreThan250MsAfterTheLastTurn) {
    for (const bool byEnter : {false, true}) {
        Frame(EveHandler::DoubleClickMs + 1);  // no double click with the last turn's
        ClickAt(Layout::InfoButton.X, Layout::InfoButton.Y);
        Frame();
        LeftUp();
        ASSERT_TRUE(OnlyScreenIs("MainScreen") && Menu().ShowInstructions);
        struct Step { uint32_t Ms; bool Instructions, Credits; };
        for (const Step& s : {Step{200, true, false}, Step{51, false, true}, Step{250, false, true}, Step{1, false, false}}) {
            if (byEnter)
                KeyDown(SDLK_RETURN);
            else
                LeftDown();
            Frame(s.Ms);
            ASSERT_TRUE(OnlyScreenIs("MainScreen")) << "Enter on the buttons started a level";
            EXPECT_EQ(Menu().ShowInstructions, s.Instructions) << s.Ms;
            EXPECT_EQ(Menu().ShowCredits, s.Credits) << s.Ms;
            if (byEnter)
                KeyUp(SDLK_RETURN);
            else
                LeftUp();
        }
    }
}

}  // namespace
