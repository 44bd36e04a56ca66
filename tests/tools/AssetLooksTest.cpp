// What the game's drawing code takes for granted about the generated art
// and sound: which frame shows what, where the boss's ray leaves, which way
// the missile points, that beams tile, and that effects start and end
// without a click.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/AssetPicture.h"

using assettest::AssetPicture;

TEST(AssetLooks, ShipShowsItsEngineFlameOnlyInFramesOneAndTwo)
{
    AssetPicture ship("Image/ship.png");
    ASSERT_TRUE(ship.loaded());
    // The flame trails to the left of the hull, in the first 14 columns.
    EXPECT_LT(ship.light(0, 0, 14, 64), 0.5);
    EXPECT_GT(ship.light(64, 0, 14, 64), 3.0);
    EXPECT_GT(ship.light(128, 0, 14, 64), 3.0);
    // The hull itself is the same in every frame.
    EXPECT_NEAR(ship.light(30, 0, 34, 64), ship.light(94, 0, 34, 64), 0.5);
}

TEST(AssetLooks, RocketFramesPointOppositeWays)
{
    // Frame 0 is used while flying left, frame 1 while flying right: one is
    // the mirror image of the other (up to anti-aliasing), and the glowing
    // exhaust is at the back.
    AssetPicture rocket("Image/Rocket.png");
    ASSERT_TRUE(rocket.loaded());
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 18; ++x)
            ASSERT_NEAR(rocket.alpha(x, y), rocket.alpha(35 - x, y), 8) << x << "," << y;
    auto orange = [&](int x0) {
        double sum = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = x0; x < x0 + 4; ++x)
                sum += (rocket.red(x, y) - rocket.blue(x, y)) * rocket.alpha(x, y) / 255.0;
        return sum;
    };
    EXPECT_GT(orange(18), orange(32)) << "frame 1 should burn at its left end";
    EXPECT_GT(orange(14), orange(0)) << "frame 0 should burn at its right end";
}

TEST(AssetLooks, BossRayLeavesFromTheBowAtTheRayHeight)
{
    // The ray is drawn from y = top + 53 to top + 75; its source is the
    // middle of the boss's left edge, and it blazes only in the firing frame.
    AssetPicture boss("Image/TheBoss.png");
    ASSERT_TRUE(boss.loaded());
    double idle = boss.light(0, 58, 12, 12), firing = boss.light(260, 58, 12, 12);
    EXPECT_GT(firing, 150.0);
    EXPECT_GT(firing, idle * 1.3);
    EXPECT_LT(boss.light(0, 0, 12, 12), 5.0) << "the bow should be a point, not a wall";
}

TEST(AssetLooks, BeamsJoinWhenLaidEndToEnd)
{
    // The ray is repeated every 75 px and the charging beam every 100 px, so
    // the last column must run on into the first.
    for (const char* path : {"Image/Ray.png", "Image/ChargingBeam.png"}) {
        SCOPED_TRACE(path);
        AssetPicture beam(path);
        ASSERT_TRUE(beam.loaded());
        const int w = beam.width();
        double worstNeighbour = 0;
        for (int x = 0; x + 1 < w; ++x)
            worstNeighbour = std::max(worstNeighbour, beam.columnDistance(x, x + 1));
        EXPECT_LE(beam.columnDistance(w - 1, 0), worstNeighbour);
        EXPECT_GT(beam.light(0, beam.height() / 2 - 1, 1, 2), 60.0) << "the beam must reach the edge";
    }
}

TEST(AssetLooks, HighlightedAndStateFramesStandApart)
{
    // Menu buttons: frame 1 (under the mouse) is brighter than frame 0.
    struct Button {
        const char* path;
        int frameWidth, height;
    } buttons[] = {{"Image/Play.png", 134, 92}, {"Image/Info.png", 128, 92}, {"Image/ExitButton.png", 128, 81},
        {"Image/Replay.png", 193, 93}};
    for (const Button& b : buttons) {
        AssetPicture picture(b.path);
        ASSERT_TRUE(picture.loaded()) << b.path;
        EXPECT_GT(picture.light(b.frameWidth, 0, b.frameWidth, b.height), picture.light(0, 0, b.frameWidth, b.height) * 1.2)
            << b.path;
    }
    // Shop buttons: lit (1) outshines unavailable (0); sold out (2) is red.
    for (const char* path : {"Image/ButtonH.png", "Image/ButtonB.png", "Image/ButtonN.png", "Image/ButtonM.png"}) {
        AssetPicture picture(path);
        ASSERT_TRUE(picture.loaded()) << path;
        EXPECT_GT(picture.light(25, 0, 25, 25), picture.light(0, 0, 25, 25) * 1.5) << path;
        EXPECT_GT(picture.red(62, 12) + picture.red(62, 16), picture.blue(62, 12) + picture.blue(62, 16)) << path;
    }
}

TEST(AssetLooks, BarsAndPickupsKeepTheirColours)
{
    AssetPicture health("Image/Health.png"), shield("Image/Shield.png");
    ASSERT_TRUE(health.loaded() && shield.loaded());
    EXPECT_GT(health.green(0, 12), health.blue(0, 12) + 60);
    EXPECT_GT(shield.blue(0, 12), shield.red(0, 12) + 60);

    // The explosions burn out: the last frame is far dimmer than the first.
    struct Strip {
        const char* path;
        int frameWidth, frames;
    } strips[] = {{"Image/BigExplosion.png", 40, 14}, {"Image/MedExplosion.png", 20, 9}, {"Image/SmallExplosion.png", 21, 7}};
    for (const Strip& s : strips) {
        AssetPicture picture(s.path);
        ASSERT_TRUE(picture.loaded()) << s.path;
        int h = picture.height(), last = (s.frames - 1) * s.frameWidth;
        EXPECT_LT(picture.light(last, 0, s.frameWidth, h) * 4, picture.light(0, 0, s.frameWidth, h)) << s.path;
    }
}

namespace {

// 16-bit mono samples of a generated WAV, scaled to [-1, 1].
std::vector<double> wavSamples(const char* relative)
{
    std::ifstream in(assettest::assetPath(relative), std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<double> samples;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8) / 32768.0);
    return samples;
}

} // namespace

TEST(AssetLooks, EffectsAreLoudWithoutClippingAndEndInSilence)
{
    for (const char* path : {"Sound/bullet.wav", "Sound/explosion.wav", "Sound/Raybeam.wav"}) {
        SCOPED_TRACE(path);
        std::vector<double> s = wavSamples(path);
        ASSERT_GT(s.size(), 1000u);
        double peak = 0;
        for (double v : s)
            peak = std::max(peak, std::fabs(v));
        EXPECT_GT(peak, 0.5);
        EXPECT_LT(peak, 0.99);
        // No click at either end: the first and last samples are near zero.
        EXPECT_LT(std::fabs(s.front()), 0.01);
        EXPECT_LT(std::fabs(s.back()), 0.01);
    }
}
