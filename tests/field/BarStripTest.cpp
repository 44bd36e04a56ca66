#include "field/BarStrip.h"

#include <cmath>
#include <limits>

#include "support/StageHelpers.h"

// The joined strip must paint exactly what the segments drawn one by one
// paint, for any bar length the HUD can be asked to show.
TEST_F(GameTest, JoinedBarPaintsWhatSegmentByBlitsPaint) {
    Image& segment = *TheEngine().Cache.Get("Image/Shield.png");
    BarStrip joined, loose;
    joined.Build(segment, 50);
    ASSERT_TRUE(joined.Joined());
    SDL_Surface* window = TheEngine().Surface;
    const auto paint = [&](const BarStrip& bar, float points) {
        SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 40, 0, 90));
        bar.Draw(window, segment, points, 50, 39);
        std::vector<uint32_t> row;
        for (int x = 0; x < 1024; x += 1)
            row.push_back(PixelAt(x, 39 + x % 24));
        return row;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float points : {0.0f, 0.4f, 1.0f, 37.2f, 99.15f, 100.0f, 486.5f, 487.0f, 5000.0f, 1e9f, -3.0f, nan})
        EXPECT_EQ(paint(joined, points), paint(loose, points)) << points;
}
