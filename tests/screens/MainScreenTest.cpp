#include "screens/MainScreen.h"

#include "support/StageHelpers.h"

namespace {
class MenuTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        TheEngine().PushScreen(new MainScreen(), "MainScreen");
    }
    MainScreen& Menu() { return *static_cast<MainScreen*>(TheEngine().FindScreen("MainScreen")); }
    void ClickAt(int x, int y) {
        MouseTo(x, y);
        LeftDown();
    }
    void ClickOn(const SDL_Rect& r) { ClickAt(r.x + r.w / 2, r.y + r.h / 2); }
    bool OnlyScreenIs(const char* name) { return TheEngine().Screens.size() == 1 && TheEngine().Screens[0]->GetName() == name; }
};

TEST_F(MenuTest, EdgesAndEmptySpaceTakeNoClickButAHeldPressFiresTheButtonItMovesOnto) {
    for (const SDL_Rect& r : {Menu().PlayRect, Menu().InfoRect, Menu().ExitRect}) {
        for (const auto& [x, y] : {std::pair<int, int>{r.x, r.y + r.h / 2}, {r.x + r.w / 2, r.y}, {10, 10}}) {
            ClickAt(x, y);
            ASSERT_FALSE(Frame());
            EXPECT_TRUE(TheEngine().Input.HasEventOfType(SDL_MOUSEBUTTONDOWN)) << x << "," << y;
            ASSERT_TRUE(OnlyScreenIs("MainScreen"));
            EXPECT_FALSE(Menu().ShowInstructions || Menu().ExitRequested) << x << "," << y;
            LeftUp();
        }
    }
    ClickAt(10, 10);
    Frame();
    MouseTo(Menu().InfoRect.x + 1, Menu().InfoRect.y + 1);
    Frame();
    EXPECT_TRUE(Menu().ShowInstructions);
}

TEST_F(MenuTest, PagesTurnOnlyMoreThan250MsAfterTheLastTurn) {
    ClickOn(Menu().InfoRect);
    Frame();
    ASSERT_TRUE(Menu().ShowInstructions);
    struct Step { uint32_t Ms; bool Instructions, Credits; };
    for (const Step& s : {Step{200, true, false}, Step{51, false, true}, Step{250, false, true}, Step{1, false, false}}) {
        LeftDown();
        Frame(s.Ms);
        EXPECT_EQ(Menu().ShowInstructions, s.Instructions) << s.Ms;
        EXPECT_EQ(Menu().ShowCredits, s.Credits) << s.Ms;
    }
}

}  // namespace
