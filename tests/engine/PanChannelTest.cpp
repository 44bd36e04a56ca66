#include <gtest/gtest.h>

#include "engine/PanChannel.h"

TEST(PanChannel, LevelsFollowTheHorizontalPosition) {
    struct Case {
        float x;
        int left, right;
    };
    const Case cases[] = {{100, 255, 50}, {300, 255, 255}, {900, 62, 255}, {0, 255, 0},   {255, 255, 127},
                          {256, 255, 255}, {512, 255, 255}, {708, 158, 255}, {1024, 0, 255}, {1500, 0, 255},
                          {-40, 255, 0}};
    for (const Case& c : cases) {
        const Panning p = PanLevels(c.x);
        EXPECT_EQ(p.Left, c.left) << "x = " << c.x;
        EXPECT_EQ(p.Right, c.right) << "x = " << c.x;
    }
}
