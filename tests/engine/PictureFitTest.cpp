#include <gtest/gtest.h>

#include "engine/PictureFit.h"

namespace {
struct Desk {
    int W, H, Auto;
};
}  // namespace

// The window at the largest whole scale that still leaves the desktop room
// for its panels and the window's title bar; never below 1.
TEST(PictureFit, AutoScaleIsTheLargestWindowThatFitsWithRoomForPanels) {
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

TEST(PictureFit, AWindowIsTheScaledPictureAndMapsEveryPointBack) {
    for (int scale : {1, 2, 3, 4}) {
        const PictureFit fit = PictureFit::Window(scale);
        EXPECT_EQ(fit.WindowWidth, 1024 * scale);
        EXPECT_EQ(fit.WindowHeight, 600 * scale);
        EXPECT_EQ(fit.Identity(), scale == 1);
        int x = -1, y = -1;
        for (int game : {0, 1, 511, 1023}) {
            // Every window pixel of a game pixel's square shows that pixel.
            for (int within = 0; within < scale; ++within) {
                EXPECT_TRUE(fit.ToGame(game * scale + within, (game % 600) * scale + within, x, y));
                EXPECT_EQ(x, game);
                EXPECT_EQ(y, game % 600);
            }
        }
    }
}

// 1920 x 1080: the height decides (1.8 times), 1843 x 1080 centred with
// bars of 38 and 39 pixels left and right.
TEST(PictureFit, FullScreenKeepsTheShapeCentredAndItsBorderReachesNothing) {
    const PictureFit wide = PictureFit::Screen(1920, 1080);
    EXPECT_EQ(wide.WindowWidth, 1920);
    EXPECT_EQ(wide.WindowHeight, 1080);
    EXPECT_EQ(wide.Picture.x, 38);
    EXPECT_EQ(wide.Picture.y, 0);
    EXPECT_EQ(wide.Picture.w, 1843);
    EXPECT_EQ(wide.Picture.h, 1080);
    EXPECT_FALSE(wide.Identity());
    int x = -1, y = -1;
    EXPECT_FALSE(wide.ToGame(37, 500, x, y));
    EXPECT_EQ(x, 0) << "a point on the border lands on the nearest edge";
    EXPECT_TRUE(wide.ToGame(38, 0, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_TRUE(wide.ToGame(38 + 1842, 1079, x, y));
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 599);
    EXPECT_FALSE(wide.ToGame(38 + 1843, 1079, x, y));
    EXPECT_EQ(x, 1023);
    EXPECT_TRUE(wide.ToGame(960, 540, x, y));
    EXPECT_EQ(x, (960 - 38) * 1024 / 1843);
    EXPECT_EQ(y, 300);

    // Taller than the game: bars above and below.
    const PictureFit tall = PictureFit::Screen(1024, 768);
    EXPECT_EQ(tall.Picture.x, 0);
    EXPECT_EQ(tall.Picture.y, 84);
    EXPECT_EQ(tall.Picture.w, 1024);
    EXPECT_EQ(tall.Picture.h, 600);
    EXPECT_FALSE(tall.Identity()) << "bars to draw";
    EXPECT_FALSE(tall.ToGame(500, 83, x, y));
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(tall.ToGame(500, 684, x, y));
    EXPECT_EQ(y, 599);

    // A screen of exactly twice the game: no border.
    const PictureFit twice = PictureFit::Screen(2048, 1200);
    EXPECT_EQ(twice.Picture.x, 0);
    EXPECT_EQ(twice.Picture.y, 0);
    EXPECT_EQ(twice.Picture.w, 2048);
    EXPECT_EQ(twice.Picture.h, 1200);
}
