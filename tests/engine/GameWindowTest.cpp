#include <vector>

#include "screens/MainScreen.h"
#include "support/StageHelpers.h"

// The game shown in a larger window and full screen, with events through
// SDL's queue and the main loop's pump as a player's reach it: the picture
// the game draws, the window it is enlarged into, and the pointer mapped
// back onto the picture.
namespace {
WindowMode Scaled(int scale) { return {scale, false, false}; }
WindowMode FullScreen(bool smooth = false) { return {1, true, smooth}; }

class GameWindowTest : public Playthrough {
protected:
    void SetUp() override {
        Playthrough::SetUp();
        // A 4K desktop, whatever the dummy driver says of its own: windows
        // up to scale 3, full screen 3.6 times.
        TheEngine().Window.AssumeDesktop(3840, 2160);
        Run(2);
    }
    void Show(const WindowMode& mode) {
        ASSERT_TRUE(TheEngine().SetWindowMode(mode)) << TheEngine().LastError;
    }
    // The window point that shows game point (x, y).
    ScreenPoint OnWindow(ScreenPoint game) const {
        const SDL_Rect& p = TheWindow().Fit().Picture;
        return {p.x + (game.X * p.w + 1023) / 1024, p.y + (game.Y * p.h + 599) / 600};
    }
    const GameWindow& TheWindow() const { return Engine::Instance().Window; }
    static Uint32 RawAt(SDL_Surface* s, int x, int y) {
        SDL_LockSurface(s);
        const Uint32 raw = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch)[x];
        SDL_UnlockSurface(s);
        return raw & 0xFFFFFF;
    }
    std::vector<Uint32> PictureNow() {
        std::vector<Uint32> all;
        for (int y = 0; y < 600; y += 3)
            for (int x = 0; x < 1024; x += 3)
                all.push_back(RawAt(TheEngine().Surface, x, y));
        return all;
    }
    bool StoresAClick() {
        return TheEngine().Input.HasEventOfType(SDL_MOUSEBUTTONDOWN) ||
               TheEngine().Input.HasEventOfType(SDL_MOUSEBUTTONUP);
    }
};
}  // namespace

// The menu stands still, so every frame of it draws the same picture: at
// any scale and full screen it must be today's picture at scale 1, and the
// window must show it, each game pixel a square at a whole scale, smooth
// or not. Through SDL's queue, Info opens the instructions page where the
// window shows it.
TEST_F(GameWindowTest, EveryModeShowsTheSamePictureAndItsButtonsWorkWhereTheyShow) {
    ASSERT_EQ(TheEngine().Surface, DisplaySurface);
    const std::vector<Uint32> today = PictureNow();
    const size_t pictures = TheEngine().Cache.Size();
    struct Case {
        int DeskW, DeskH;
        WindowMode Mode;
    };
    for (const Case& c : {Case{3840, 2160, Scaled(2)}, Case{3840, 2160, {3, false, true}},
                          Case{3840, 2160, FullScreen()}, Case{3840, 2160, FullScreen(true)},
                          Case{1920, 1080, FullScreen()}, Case{1920, 1080, FullScreen(true)},
                          Case{3840, 2160, Scaled(1)}}) {
        SCOPED_TRACE(std::to_string(c.DeskW) + " x " + std::to_string(c.DeskH) + ", scale " +
                     std::to_string(c.Mode.Scale) + (c.Mode.Fullscreen ? ", full screen" : ""));
        TheEngine().Window.AssumeDesktop(c.DeskW, c.DeskH);
        Show(c.Mode);
        Run(2);
        SDL_Surface* picture = TheEngine().Surface;
        ASSERT_EQ(picture->w, 1024);
        ASSERT_EQ(picture->h, 600);
        EXPECT_EQ(picture == DisplaySurface, c.Mode == Scaled(1));
        EXPECT_EQ(picture->format->BitsPerPixel, DisplaySurface->format->BitsPerPixel);
        EXPECT_EQ(picture->format->Rmask, DisplaySurface->format->Rmask);
        EXPECT_EQ(picture->format->Bmask, DisplaySurface->format->Bmask);
        EXPECT_TRUE(PictureNow() == today) << "the game drew another picture";
        if (!c.Mode.Fullscreen) {
            ASSERT_EQ(DisplaySurface->w, 1024 * c.Mode.Scale);
            ASSERT_EQ(DisplaySurface->h, 600 * c.Mode.Scale);
            int wrong = 0;
            for (int y = 0; y < DisplaySurface->h; y += 7)
                for (int x = 0; x < DisplaySurface->w; x += 5)
                    wrong += RawAt(DisplaySurface, x, y) != RawAt(picture, x / c.Mode.Scale, y / c.Mode.Scale);
            EXPECT_EQ(wrong, 0);
        }
        Click(OnWindow(Layout::InfoButton));
        Run(2);
        ASSERT_NE(Menu(), nullptr);
        EXPECT_TRUE(Menu()->ShowInstructions);
        EXPECT_EQ(TheEngine().Input.MouseX, float(Layout::InfoButton.X));
        EXPECT_EQ(TheEngine().Input.MouseY, float(Layout::InfoButton.Y));
        // Today's menu again for the next mode, the pointer on no button and
        // no double click with this click.
        MouseTo(0, 0);
        FreshMenu();
        Run(25);
    }
    EXPECT_EQ(TheEngine().Cache.Size(), pictures) << "pictures were loaded again";
    // The window's far corner is the game's.
    Show(Scaled(3));
    MouseTo(3 * 1024 - 1, 3 * 600 - 1);
    Step();
    EXPECT_EQ(TheEngine().Input.MouseX, 1023.f);
    EXPECT_EQ(TheEngine().Input.MouseY, 599.f);
}

// 1920 x 1080: the picture 1843 pixels wide between black bars of 38 and
// 39 pixels, whatever the level draws.
TEST_F(GameWindowTest, FullScreenFillsTheDesktopWithBlackBarsLeftAndRight) {
    TheEngine().Window.AssumeDesktop(1920, 1080);
    StartLevel(30);
    Show(FullScreen());
    ASSERT_TRUE(DisplaySurface->flags & SDL_FULLSCREEN);
    ASSERT_EQ(DisplaySurface->w, 1920);
    ASSERT_EQ(DisplaySurface->h, 1080);
    // The bars stay black however often the frame is drawn.
    SDL_FillRect(DisplaySurface, nullptr, SDL_MapRGB(DisplaySurface->format, 255, 255, 255));
    Run(3);
    int bars = 0, lit = 0;
    for (int y = 0; y < 1080; y += 9) {
        for (int x : {0, 20, 37, 1920 - 39, 1900, 1919})
            bars += RawAt(DisplaySurface, x, y) != 0;
        lit += RawAt(DisplaySurface, 38, y) != 0xFFFFFF && RawAt(DisplaySurface, 38 + 1842, y) != 0xFFFFFF;
    }
    EXPECT_EQ(bars, 0);
    EXPECT_EQ(lit, 120) << "the picture reaches both bars";
    const uint32_t clock = LevelTime();
    Run(10);
    EXPECT_GT(LevelTime(), clock) << "the level stopped";
    Show(Scaled(1));
    EXPECT_FALSE(DisplaySurface->flags & SDL_FULLSCREEN);
    EXPECT_EQ(TheEngine().Surface, DisplaySurface);
}

// A click on a bar reaches nothing, not even with its release on the
// picture; a press on the picture released on a bar is released all the
// same: no click is left behind to fire the next button the pointer meets.
TEST_F(GameWindowTest, TheBorderTakesNoClickAndLeavesNoneBehind) {
    TheEngine().Window.AssumeDesktop(1920, 1080);
    Show(FullScreen());
    const ScreenPoint info = OnWindow(Layout::InfoButton), play = OnWindow(Layout::PlayButton);
    const ScreenPoint empty = OnWindow({100, 100});
    Click(10, info.Y);  // on the left bar, level with Info
    Run(2);
    EXPECT_FALSE(StoresAClick());
    EXPECT_EQ(TheEngine().Input.MouseX, 0.f) << "the pointer on the bar stands on the picture's edge";

    // Pressed on the bar, dragged onto Info and released there.
    MouseTo(1915, info.Y);
    LeftDown();
    Step();
    MouseTo(info.X, info.Y);
    Step();
    LeftUp();
    Run(2);
    EXPECT_FALSE(Menu()->ShowInstructions);
    EXPECT_FALSE(StoresAClick());

    // Pressed on empty space of the picture, released on the bar: a press
    // left standing would fire Play as the pointer crosses it.
    MouseTo(empty.X, empty.Y);
    LeftDown();
    Step();
    MouseTo(5, empty.Y);
    Step();
    LeftUp();
    Step();
    MouseTo(play.X, play.Y);
    Run(3);
    ASSERT_EQ(StackNames(), std::vector<std::string>{"MainScreen"}) << "a press was left standing";
    EXPECT_FALSE(StoresAClick());

    // And an ordinary click still works.
    Click(info);
    Run(2);
    EXPECT_TRUE(Menu()->ShowInstructions);
}
