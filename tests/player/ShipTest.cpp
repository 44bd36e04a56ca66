#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/StageHelpers.h"

namespace {

class ShipTest : public StageTest {
protected:
    Ship* Craft = nullptr;

    void SetUp() override {
        StageTest::SetUp();
        Craft = Spawn<Ship>();
    }
    // Everything but the ship, in list order.
    std::vector<Entity*> Shots() {
        std::vector<Entity*> shots = Stage->Entities;
        std::erase(shots, Craft);
        return shots;
    }
};

// The cannon's muzzles (from the ship's corner) and the headings each fires
// in, as velocity over the shot's speed.
struct Muzzle { float X, Y; std::vector<std::pair<float, float>> Headings; };
const Muzzle Muzzles[] = {{65, 25, {{1, 0}}},  // centre
                          {65, 9, {{1, 0}, {1, -1.0f / 3}}}, {65, 40, {{1, 0}, {1, 1.0f / 3}}},  // upper, lower
                          {35, 9, {{0, -1}}}, {35, 40, {{0, 1}}}};  // top and bottom, straight up and down

// Every level fires a fan from the muzzles, each shot the way its muzzle
// points, mirrored about the ship's axis (the shots above and below pair up
// in colour and slant), never fewer shots than the level below, and seven
// green ones at the top.
TEST_F(ShipTest, EveryCannonLevelFiresAMirroredFanFromTheMuzzles) {
    Craft->PosX = 200;
    Craft->PosY = 300;
    Craft->SpeedX = 40;  // only level 7 may add it to its shots
    size_t fewest = 1;
    for (int level = 1; level <= 18; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        for (Entity* shot : Shots())
            TheEngine().RemoveFromScreen(shot, "Stage1");
        Craft->CannonLevel = level;
        Craft->Fire();
        const float speed = level == 7 ? 340.0f : 300.0f;
        std::multiset<std::tuple<bool, float, float, float>> above, below;
        int green = 0;
        for (Entity* shot : Shots()) {
            shot->Update(0);
            const float x = shot->PosX - 200, y = shot->PosY - 300, vx = shot->SpeedX / speed, vy = shot->SpeedY / speed;
            const auto muzzle = std::find_if(std::begin(Muzzles), std::end(Muzzles), [&](const Muzzle& m) { return m.X == x && m.Y == y; });
            ASSERT_NE(muzzle, std::end(Muzzles)) << "a shot at " << x << ", " << y;
            EXPECT_TRUE(std::any_of(muzzle->Headings.begin(), muzzle->Headings.end(),
                                    [&](auto h) { return std::abs(h.first - vx) < 1e-4 && std::abs(h.second - vy) < 1e-4; }))
                << x << ", " << y << " flies " << vx << ", " << vy;
            green += Is<GreenBullet>(shot);
            if (y != 25)
                (y < 25 ? above : below).insert({Is<GreenBullet>(shot), x, vx, std::abs(vy)});
        }
        EXPECT_EQ(above, below);
        EXPECT_GE(Shots().size(), fewest);
        fewest = Shots().size();
        EXPECT_TRUE(level < 18 || (green == 7 && Shots().size() == 7));
    }
}

// Level 7 adds the ship's speed to its shots (see the volleys), but no shot
// flies slower than 200.
TEST_F(ShipTest, NoShotFliesSlowerThan200) {
    for (const auto& [given, flies] : {std::pair{150, 200.0f}, std::pair{650, 650.0f}, std::pair{-40, 200.0f}}) {
        EXPECT_FLOAT_EQ(RedBullet(0, 0, given).Speed, flies) << given;
        EXPECT_FLOAT_EQ(GreenBullet(0, 0, given, 1).Speed, flies) << given;
    }
}

TEST_F(ShipTest, StaysBelowThePanelAndOutOfTheRightQuarterUnlessLeaving) {
    KeyDown(SDLK_w);
    KeyDown(SDLK_d);
    for (int i = 0; i < 300; ++i) {
        Frame(16);
        ASSERT_GE(Craft->PosY, 80) << "frame " << i;
    }
    EXPECT_FLOAT_EQ(Craft->PosY, 80);
    EXPECT_FLOAT_EQ(Craft->PosX, 708);
    KeyUp(SDLK_d);
    Craft->Leaving = true;
    Craft->PosX = 1020;
    Craft->SpeedX = 500;
    Frame(16);
    EXPECT_FLOAT_EQ(Craft->PosX, 1524);
    // Right on the exit point the pull has no direction: no NaN.
    Craft->PosX = 1024;
    Craft->PosY = 300;
    Craft->Update(0);
    EXPECT_TRUE(std::isfinite(Craft->SpeedX) && std::isfinite(Craft->SpeedY));
}

TEST_F(ShipTest, HeldSpaceFiresFirstAfterTheDelayThenEveryDelayPlusUpToAFrame) {
    KeyDown(SDLK_SPACE);
    int elapsed = 0;
    for (; Shots().size() == 0 && elapsed < 1000; ++elapsed)
        Frame(1);
    EXPECT_EQ(elapsed, 201);  // more than the 200 ms delay
    std::vector<int> volleyTimes;
    for (int t = 16; t <= 16 * 60; t += 16) {
        const size_t before = Shots().size();
        Frame(16);
        if (Shots().size() > before)
            volleyTimes.push_back(t);
    }
    ASSERT_GE(volleyTimes.size(), 3u);
    for (size_t i = 1; i < volleyTimes.size(); ++i) {
        EXPECT_GT(volleyTimes[i] - volleyTimes[i - 1], 200);
        EXPECT_LE(volleyTimes[i] - volleyTimes[i - 1], 216);
    }
}

// Without its sound file the ship keeps firing, silently.
}  // namespace
