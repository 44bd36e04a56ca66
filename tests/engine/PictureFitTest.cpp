#include <gtest/gtest.h>

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
