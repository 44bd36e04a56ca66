#include "screens/MainScreen.h"

#include "engine/Engine.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "support/GameTest.h"

namespace {
class MenuTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        TheEngine().PushScreen(new MainScreen(), "MainScreen");
    }
    MainScreen& Menu() { return *static_cast<MainScreen*>(TheEngine().FindScreen("MainScreen")); }
    bool ClickStored() { return TheEngine().Input.HasEventOfType(SDL_MOUSEBUTTONDOWN); }
    void ClickAt(int x, int y) {
        MouseTo(x, y);
        LeftDown();
    }
    void ClickOn(const SDL_Rect& r) { ClickAt(r.x + r.w / 2, r.y + r.h / 2); }
};

TEST_F(MenuTest, EdgesAndEmptySpaceTakeNoClick) {
    for (const SDL_Rect& r : {Menu().PlayRect, Menu().InfoRect, Menu().ExitRect}) {
        for (const auto& [x, y] : {std::pair<int, int>{r.x, r.y + r.h / 2}, {r.x + r.w / 2, r.y}, {10, 10}}) {
            ClickAt(x, y);
            ASSERT_FALSE(Frame());
            EXPECT_TRUE(ClickStored()) << x << "," << y;
            ASSERT_EQ(TheEngine().Screens.size(), 1u);
            EXPECT_FALSE(Menu().ShowInstructions || Menu().ExitRequested) << x << "," << y;
            LeftUp();
        }
    }
}

TEST_F(MenuTest, PressHeldElsewhereFiresTheButtonThePointerMovesOnto) {
    ClickAt(10, 10);
    Frame();
    MouseTo(Menu().InfoRect.x + 1, Menu().InfoRect.y + 1);
    Frame();
    EXPECT_TRUE(Menu().ShowInstructions);
}

TEST_F(MenuTest, InfoLeadsThroughInstructionsAndCreditsBackToTheMenu) {
    ClickOn(Menu().InfoRect);
    Frame();
    ASSERT_TRUE(Menu().ShowInstructions);
    LeftDown();  // 200 ms after Info: swallowed
    Frame(200);
    EXPECT_FALSE(ClickStored());
    EXPECT_TRUE(Menu().ShowInstructions);
    LeftDown();  // 251 ms after Info
    Frame(51);
    EXPECT_TRUE(Menu().ShowCredits && !Menu().ShowInstructions);
    LeftDown();  // exactly 250 ms after the turn: still too early
    Frame(250);
    EXPECT_TRUE(Menu().ShowCredits);
    LeftDown();
    Frame(1);
    EXPECT_FALSE(Menu().ShowCredits || Menu().ShowInstructions);
}

TEST_F(MenuTest, PlayLeavesExactlyOneFreshLevel) {
    ClickOn(Menu().PlayRect);
    EXPECT_FALSE(Frame());
    ASSERT_EQ(TheEngine().Screens.size(), 1u);
    EXPECT_EQ(TheEngine().Screens[0]->GetName(), "Stage1");
    EXPECT_EQ(CountOf<Ship>(), 1);
    EXPECT_FALSE(Frames(3));
}

TEST_F(MenuTest, ExitEndsTheProgramAtTheNextUpdate) {
    ClickOn(Menu().ExitRect);
    EXPECT_FALSE(Frame());
    EXPECT_TRUE(Frame());
}

TEST_F(MenuTest, LeavingTheLevelBuildsAFreshMenuOnItsMenuPage) {
    ClickOn(Menu().PlayRect);
    Frame();
    for (Entity* e : TheEngine().FindScreen("Stage1")->Entities)
        if (UI* hud = As<UI>(e))
            hud->ExitClicked = true;
    EXPECT_FALSE(Frame());
    ASSERT_EQ(TheEngine().Screens.size(), 1u);
    ASSERT_EQ(TheEngine().Screens[0]->GetName(), "MainScreen");
    EXPECT_FALSE(Menu().ShowInstructions || Menu().ShowCredits || Menu().ExitRequested);
    ClickOn(Menu().InfoRect);
    Frame();
    EXPECT_TRUE(Menu().ShowInstructions);
}
}  // namespace
