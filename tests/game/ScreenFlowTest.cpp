#include "enemies/GunArm.h"
#include "enemies/TheBoss.h"
#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "screens/MainScreen.h"
#include "support/Playthrough.h"

// How the player moves between the screens: the overlays' Replay and Exit,
// and the two ways out of the game (ESC and closing the window).
namespace {
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t TextColour = 0xDEF6FA;
const SDL_Rect TextBand{262, 150, 500, 30};

enum class Overlay { Pause, GameOver, Victory };
enum class Choice { Replay, Exit };

const char* Name(Overlay o) {
    switch (o) {
    case Overlay::Pause:
        return "Pause";
    case Overlay::GameOver:
        return "GameOver";
    default:
        return "Victory";
    }
}

void PrintTo(Overlay o, std::ostream* out) { *out << Name(o); }
void PrintTo(Choice c, std::ostream* out) { *out << (c == Choice::Replay ? "Replay" : "Exit"); }

class OverlayChoice : public Playthrough, public ::testing::WithParamInterface<std::tuple<Overlay, Choice>> {
protected:
    void StartLevel() {
        Run(2);
        Click(341, 446);
        Run(30);
        ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
    }

    // Every frame for a while: one screen on the stack, never two.
    void ExpectOneScreenFor(int frames) {
        for (int i = 0; i < frames; ++i) {
            ASSERT_FALSE(Step());
            ASSERT_EQ(Engine::Instance().Screens.size(), 1u) << "frame " << i;
        }
    }
};
}  // namespace

TEST_P(OverlayChoice, LeadsToAFreshLevelOrTheMenu) {
    const auto [overlay, choice] = GetParam();
    StartLevel();
    // Marks of the old level, to tell a fresh one from it.
    Hud()->PlayerMoney = 777;
    Hud()->PlayerHealth = 55;
    PlayerShip()->CannonLevel = 5;
    Run(1);
    const int whiteInLevel = CountPixels(TextBand, White);

    switch (overlay) {
    case Overlay::Pause:
        Tap(SDLK_ESCAPE);
        Run(2);
        ASSERT_TRUE(GamePaused);
        break;
    case Overlay::GameOver:
        Tap(SDLK_q);
        Run(3);
        ASSERT_TRUE(Level()->GameOver);
        ASSERT_TRUE(Hud()->GameOverView);
        break;
    case Overlay::Victory: {
        Spawn(new GunArm(1024, 80));
        TheBoss* boss = Spawn(new TheBoss(1024, 150));
        Spawn(new GunArm(1024, 300));
        Run(30);
        boss->Health = 0;
        Run(3);
        ASSERT_TRUE(Level()->Victory);
        ASSERT_TRUE(Hud()->VictoryView);
        EXPECT_EQ(Count<TheBoss>(), 0);
        EXPECT_EQ(Count<GunArm>(), 0) << "the gun arms die with the boss";
        EXPECT_TRUE(PlayerShip()->Leaving);
        break;
    }
    }
    EXPECT_GT(CountPixels(TextBand, White), whiteInLevel + 100) << "no overlay text";

    if (choice == Choice::Replay)
        Click(341, 446);
    else
        Click(683, 450);
    ExpectOneScreenFor(3);

    if (choice == Choice::Replay) {
        ASSERT_EQ(StackNames(), std::vector<std::string>{"Stage1"});
        ASSERT_NE(Hud(), nullptr);
        EXPECT_EQ(Hud()->PlayerHealth, 100);
        EXPECT_EQ(Hud()->PlayerMoney, 0);
        EXPECT_FALSE(Hud()->GameOverView);
        EXPECT_FALSE(Level()->Victory);
        EXPECT_EQ(PlayerShip()->CannonLevel, 1);
        EXPECT_LT(LevelTime(), 100u);
        EXPECT_EQ(Count<TheBoss>(), 0);
        EXPECT_FALSE(GamePaused) << "a fresh level starts running, even when Replay was chosen from the pause";
    } else {
        ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"});
        EXPECT_FALSE(GamePaused);
        EXPECT_FALSE(Menu()->ShowInstructions);
        EXPECT_FALSE(Menu()->ShowCredits);
        EXPECT_GT(CountPixels({262, 150, 500, 50}, TextColour), 100) << "the title is drawn";
    }
    ExpectOneScreenFor(30);
}

INSTANTIATE_TEST_SUITE_P(Playthrough, OverlayChoice,
                         ::testing::Combine(::testing::Values(Overlay::Pause, Overlay::GameOver, Overlay::Victory),
                                            ::testing::Values(Choice::Replay, Choice::Exit)),
                         [](const auto& info) {
                             return std::string(Name(std::get<0>(info.param))) +
                                    (std::get<1>(info.param) == Choice::Replay ? "Replay" : "Exit");
                         });

namespace {
enum class Where { Menu, Instructions, Credits, Level, PausedLevel };
enum class Way { Escape, Close };

const char* Name(Where w) {
    const char* names[] = {"Menu", "Instructions", "Credits", "Level", "PausedLevel"};
    return names[static_cast<int>(w)];
}

void PrintTo(Where w, std::ostream* out) { *out << Name(w); }
void PrintTo(Way w, std::ostream* out) { *out << (w == Way::Escape ? "ESC" : "window close"); }

class WayOut : public Playthrough, public ::testing::WithParamInterface<std::tuple<Where, Way>> {
protected:
    void GoTo(Where where) {
        Run(2);
        if (where == Where::Instructions || where == Where::Credits) {
            Click(512, 446);  // Info
            Run(2);
            ASSERT_TRUE(Menu()->ShowInstructions);
            ASSERT_GT(CountPixels({0, 120, 1024, 30}, TextColour, 2), 50) << "the page's first line";
        }
        if (where == Where::Credits) {
            Run(20);
            Click(512, 300);
            Run(2);
            ASSERT_TRUE(Menu()->ShowCredits);
        }
        if (where == Where::Level || where == Where::PausedLevel) {
            Click(341, 446);
            Run(20);
            ASSERT_NE(Level(), nullptr);
        }
        if (where == Where::PausedLevel) {
            Tap(SDLK_ESCAPE);
            Run(20);
            ASSERT_TRUE(GamePaused);
        }
    }
};
}  // namespace

TEST_P(WayOut, EndsTheGameExceptEscapeInTheLevel) {
    const auto [where, way] = GetParam();
    GoTo(where);
    if (HasFatalFailure())
        return;
    const size_t screens = Engine::Instance().Screens.size();

    if (way == Way::Close) {
        CloseWindow();
        EXPECT_TRUE(Step()) << "closing the window ends the game";
        return;
    }
    Press(SDLK_ESCAPE);
    const bool inLevel = where == Where::Level || where == Where::PausedLevel;
    if (!inLevel) {
        EXPECT_TRUE(Step()) << "ESC ends the game outside the level";
        return;
    }
    EXPECT_FALSE(Step()) << "ESC in the level only toggles the pause";
    EXPECT_EQ(GamePaused, where == Where::Level);
    Release(SDLK_ESCAPE);
    EXPECT_FALSE(Run(60));
    EXPECT_EQ(GamePaused, where == Where::Level);
    EXPECT_EQ(Engine::Instance().Screens.size(), screens);
}

INSTANTIATE_TEST_SUITE_P(Playthrough, WayOut,
                         ::testing::Combine(::testing::Values(Where::Menu, Where::Instructions, Where::Credits,
                                                              Where::Level, Where::PausedLevel),
                                            ::testing::Values(Way::Escape, Way::Close)),
                         [](const auto& info) {
                             return std::string(Name(std::get<0>(info.param))) +
                                    (std::get<1>(info.param) == Way::Escape ? "Escape" : "Close");
                         });
