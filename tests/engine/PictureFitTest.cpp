#include <gtest/gtest.h>

#include <string>

#include "engine/PictureFit.h"

// The window at the largest whole scale that still leaves the desktop room
// for its panels and the window's title bar; never below 1.
TEST(PictureFit, AutoScaleIsTheLargestWindowThatFitsWithRoomForPanels) {
    struct Desk { int W, H, Auto; };
    for (const Desk& d : {Desk{2560, 1440, 2}, Desk{1920, 1080, 1}, Desk{3840, 2160, 3}, Desk{5120, 2880, 4},
                          Desk{7680, 4320, 4}, Desk{1366, 768, 1}, Desk{800, 480, 1}, Desk{0, 0, 1},
                          // A desktop exactly the window's size has no room for the panels.
                          Desk{2048, 1200, 1}, Desk{2048 + 80, 1200 + 120, 2}, Desk{2048 + 79, 1200 + 120, 1},
                          Desk{2048 + 80, 1200 + 119, 1}, Desk{3072 + 80, 1800 + 120, 3}})
        EXPECT_EQ(PictureFit::AutoScale(d.W, d.H), d.Auto) << d.W << "x" << d.H;
}

TEST(PictureFit, AChosenScaleIsLoweredOnlyWhenItsWindowIsLargerThanTheDesktop) {
    EXPECT_EQ(PictureFit::Capped(4, 1920, 1080), 1);
    EXPECT_EQ(PictureFit::Capped(2, 2048, 1200), 2) << "a window the desktop's size is usable";
    EXPECT_EQ(PictureFit::Capped(4, 3840, 2160), 3);
    EXPECT_EQ(PictureFit::Capped(3, 0, 0), 3) << "an unknown desktop takes the choice";
    EXPECT_EQ(PictureFit::Capped(1, 640, 480), 1);
}

namespace {
// Where the picture lies, as "x,y wxh"; where a window point lands, as
// "x,y" and whether it is on the picture.
std::string Placed(const PictureFit& fit) {
    const SDL_Rect& p = fit.Picture;
    return std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.w) + "x" + std::to_string(p.h);
}
std::string Lands(const PictureFit& fit, int x, int y) {
    int gx = -1, gy = -1;
    const bool on = fit.ToGame(x, y, gx, gy);
    return std::to_string(gx) + "," + std::to_string(gy) + (on ? "" : " border");
}
}  // namespace

// 1920 x 1080: the height decides (1.8 times), 1843 x 1080 centred with
// bars of 38 and 39 pixels left and right. A point on a bar lands on the
// picture's nearest edge, and says so.
TEST(PictureFit, FullScreenKeepsTheShapeCentredAndItsBorderReachesNothing) {
    const PictureFit wide = PictureFit::Screen(1920, 1080);
    EXPECT_EQ(wide.WindowWidth, 1920);
    EXPECT_EQ(wide.WindowHeight, 1080);
    EXPECT_EQ(Placed(wide), "38,0 1843x1080");
    EXPECT_FALSE(wide.Identity());
    EXPECT_EQ(Lands(wide, 37, 500), "0,277 border");
    EXPECT_EQ(Lands(wide, 38, 0), "0,0");
    EXPECT_EQ(Lands(wide, 38 + 1842, 1079), "1023,599");
    EXPECT_EQ(Lands(wide, 38 + 1843, 1079), "1023,599 border");
    EXPECT_EQ(Lands(wide, 960, 540), std::to_string((960 - 38) * 1024 / 1843) + ",300");

    // Taller than the game: bars above and below.
    const PictureFit tall = PictureFit::Screen(1024, 768);
    EXPECT_EQ(Placed(tall), "0,84 1024x600");
    EXPECT_FALSE(tall.Identity()) << "bars to draw";
    EXPECT_EQ(Lands(tall, 500, 83), "500,0 border");
    EXPECT_EQ(Lands(tall, 500, 684), "500,599 border");

    // A screen of exactly twice the game: no border.
    EXPECT_EQ(Placed(PictureFit::Screen(2048, 1200)), "0,0 2048x1200");
}
