#include <vector>

#include "screens/MainScreen.h"
#include "support/StageHelpers.h"

// How the player moves between the screens: the overlays (drawn over the
// action), their Replay and Exit, and the two ways out of the game (ESC and
// closing the window).
namespace {
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t TextColour = 0xDEF6FA;
const SDL_Rect TextBand{262, Layout::HeadlineTop, 500, 30};

enum Overlay { Pause, GameOver, Victory };
enum Where { InMenu, InInstructions, InLevel, InPausedLevel };
const char* const OverlayNames[] = {"Pause", "GameOver", "Victory"};
const char* const WhereNames[] = {"Menu", "Instructions", "Level", "PausedLevel"};

// (overlay, Replay rather than Exit)
class OverlayChoice : public Playthrough, public ::testing::WithParamInterface<std::tuple<Overlay, bool>> {
protected:
    // The points the overlays paint opaquely: the same colour whether they
    // are drawn over black or over white.
    std::vector<std::pair<int, int>> OverlayPoints() {
        SDL_Surface* window = TheEngine().Surface;
        std::vector<uint32_t> overBlack;
        std::vector<std::pair<int, int>> points;
        for (Uint8 shade : {0, 255}) {
            SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, shade, shade, shade));
            Hud()->DrawOverlays(window);
            for (int y = 140, i = 0; y < 520; ++y)
                for (int x = 0; x < window->w; ++x, ++i)
                    if (shade == 0)
                        overBlack.push_back(PixelAt(x, y));
                    else if (PixelAt(x, y) == overBlack[i])
                        points.push_back({x, y});
        }
        return points;
    }
    // The overlay up is drawn over everything that flies under it, its
    // second line (on the pause, how to resume) on a dark plate.
    void ExpectOverTheAction() {
        UI& hud = *Hud();
        MouseTo(10, 300);  // the buttons in their plain look
        Run(1);
        const std::vector<std::pair<int, int>> overlay = OverlayPoints();
        ASSERT_GT(overlay.size(), 800u);
        // Drawn over white last.
        const SDL_Rect secondLine{412, Layout::SecondLineTop, 200, 30};
        EXPECT_LT(CountPixels(secondLine, 0xFFFFFF, 2), 1000) << "no plate";
        int secondLineText = 0;
        for (const auto& [x, y] : overlay)
            secondLineText += y >= secondLine.y && y < secondLine.y + secondLine.h;
        EXPECT_GT(secondLineText, 300) << "no second line";
        Run(1);
        std::vector<uint32_t> before;
        for (const auto& [x, y] : overlay)
            before.push_back(PixelAt(x, y));
        // Mines over the first letters and over both buttons.
        std::vector<TheFoo*> mines;
        for (const auto& [x, y] : {std::pair{300, 150}, std::pair{400, 190}, std::pair{hud.ReplayRect.x + 20, 410},
                                   std::pair{hud.ExitRect.x + 20, 410}})
            mines.push_back(Spawn<TheFoo>(float(x), float(y), 0));
        Run(1);
        int changed = 0;
        for (size_t i = 0; i < overlay.size(); ++i)
            changed += PixelAt(overlay[i].first, overlay[i].second) != before[i];
        EXPECT_EQ(changed, 0);
        for (TheFoo* mine : mines)
            mine->Dead = true;
    }
};
// (screen, window close rather than ESC); the main loop decides, whatever
// page of its own the menu shows.
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
    if (!replay && overlay != Victory)
        ExpectOverTheAction();

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
    if (where == InInstructions) {
        Click(Layout::InfoButton);
        Run(2);
        ASSERT_TRUE(Menu()->ShowInstructions);
        ASSERT_GT(CountPixels({0, 120, 1024, 30}, TextColour, 2), 50) << "the page's first line";
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
                         ::testing::Combine(::testing::Values(InMenu, InInstructions, InLevel, InPausedLevel),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(WhereNames[std::get<0>(info.param)]) + (std::get<1>(info.param) ? "Close" : "Escape");
                         });
