#include "support/StageHelpers.h"
#include "screens/MainScreen.h"

// How the player moves between the screens: the overlays' Replay and Exit,
// and the two ways out of the game (ESC and closing the window).
namespace {
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t TextColour = 0xDEF6FA;
const SDL_Rect TextBand{262, Layout::HeadlineTop, 500, 30};

enum Overlay { Pause, GameOver, Victory };
enum Where { InMenu, InInstructions, InCredits, InLevel, InPausedLevel };
const char* const OverlayNames[] = {"Pause", "GameOver", "Victory"};
const char* const WhereNames[] = {"Menu", "Instructions", "Credits", "Level", "PausedLevel"};

// (overlay, Replay rather than Exit)
class OverlayChoice : public Playthrough, public ::testing::WithParamInterface<std::tuple<Overlay, bool>> {};
// (screen, window close rather than ESC)
class WayOut : public Playthrough, public ::testing::WithParamInterface<std::tuple<Where, bool>> {};
}  // namespace

TEST_P(OverlayChoice, LeadsToAFreshLevelOrTheMenu) {
    const auto [overlay, replay] = GetParam();
    StartLevel(30);
    // Marks of the old level, to tell a fresh one from it.
    Hud()->PlayerMoney = 777;
    Hud()->PlayerHealth = 55;
    PlayerShip()->CannonLevel = 5;
    Run(1);
    const int whiteInLevel = CountPixels(TextBand, White);

    if (overlay == Pause) {
        Tap(SDLK_ESCAPE);
        Run(2);
        ASSERT_TRUE(GamePaused);
    } else if (overlay == GameOver) {
        Tap(SDLK_q);
        Run(3);
        ASSERT_TRUE(Level()->GameOver && Hud()->GameOverView);
    } else {
        Spawn<GunArm>(1024, 80);
        TheBoss* boss = Spawn<TheBoss>(1024, 150);
        Spawn<GunArm>(1024, 300);
        Run(30);
        boss->Health = 0;
        Run(3);
        ASSERT_TRUE(Level()->Victory && Hud()->VictoryView);  // the rest of a victory: BossDeathTest
    }
    EXPECT_GT(CountPixels(TextBand, White), whiteInLevel + 100) << "no overlay text";

    Click(replay ? Layout::ReplayButton : Layout::OverlayExitButton);
    // Every frame from then on: one screen on the stack, never two. A double
    // click ends nothing: its second click comes 150 ms after the first, on
    // the menu's own Exit when the first was on the overlay's.
    for (int i = 0; i < 32; ++i) {
        if (i == 8)
            LeftDown();
        if (i == 9)
            LeftUp();
        ASSERT_FALSE(Step()) << "frame " << i;
        ASSERT_EQ(TheEngine().Screens.size(), 1u) << "frame " << i;
        if (i != 2)
            continue;
        if (replay) {
            // Where Replay sits, a won level of the campaign offers the next
            // one, and the ship goes on with what it had.
            const bool next = overlay == Victory;
            ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
            EXPECT_EQ(Level()->Start.Number, next ? 2 : 1);
            EXPECT_EQ(std::pair(Hud()->PlayerHealth, Hud()->PlayerMoney), next ? std::pair(55.0f, 777) : std::pair(100.0f, 0));
            EXPECT_EQ(PlayerShip()->CannonLevel, 1);
            EXPECT_FALSE(Hud()->GameOverView || Level()->Victory);
            EXPECT_LT(LevelTime(), 100u);
            EXPECT_EQ(CountOf<TheBoss>(), 0);
            EXPECT_FALSE(GamePaused) << "a fresh level starts running, even when Replay was chosen from the pause";
        } else {
            ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"});
            EXPECT_FALSE(GamePaused);
            EXPECT_FALSE(Menu()->ShowInstructions);
            EXPECT_FALSE(Menu()->ShowCredits);
            EXPECT_GT(CountPixels({262, Layout::TitleTop, 500, 50}, TextColour), 100) << "the title is drawn";
        }
    }
    if (!replay) {
        Click(Layout::MenuExitButton);
        EXPECT_TRUE(Step()) << "a click of its own on the menu's Exit";
    }
}

INSTANTIATE_TEST_SUITE_P(Playthrough, OverlayChoice, ::testing::Combine(::testing::Values(Pause, GameOver, Victory), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(OverlayNames[std::get<0>(info.param)]) +
                                    (std::get<1>(info.param) ? "Replay" : "Exit");
                         });

TEST_P(WayOut, EndsTheGameExceptEscapeInTheLevel) {
    const auto [where, close] = GetParam();
    const bool inLevel = where == InLevel || where == InPausedLevel;
    Run(2);
    if (where == InInstructions || where == InCredits) {
        Click(Layout::InfoButton);
        Run(2);
        ASSERT_TRUE(Menu()->ShowInstructions);
        ASSERT_GT(CountPixels({0, 120, 1024, 30}, TextColour, 2), 50) << "the page's first line";
    }
    if (where == InCredits) {
        Run(20);
        Click(512, 300);
        Run(2);
        ASSERT_TRUE(Menu()->ShowCredits);
    }
    if (inLevel)
        StartLevel(20);
    if (where == InPausedLevel) {
        Tap(SDLK_ESCAPE);
        Run(20);
        ASSERT_TRUE(GamePaused);
    }
    const size_t screens = TheEngine().Screens.size();

    if (close) {
        Quit();
        EXPECT_TRUE(Step()) << "closing the window ends the game";
        return;
    }
    KeyDown(SDLK_ESCAPE);
    if (!inLevel) {
        EXPECT_TRUE(Step()) << "ESC ends the game outside the level";
        return;
    }
    EXPECT_FALSE(Step()) << "ESC in the level only toggles the pause";
    EXPECT_EQ(GamePaused, where == InLevel);
    KeyUp(SDLK_ESCAPE);
    EXPECT_FALSE(Run(60));
    EXPECT_EQ(GamePaused, where == InLevel);
    EXPECT_EQ(TheEngine().Screens.size(), screens);
}

INSTANTIATE_TEST_SUITE_P(Playthrough, WayOut,
                         ::testing::Combine(::testing::Values(InMenu, InInstructions, InCredits, InLevel, InPausedLevel), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(WhereNames[std::get<0>(info.param)]) + (std::get<1>(info.param) ? "Close" : "Escape");
                         });
