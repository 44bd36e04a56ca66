
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
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

// One bullet of a volley as "<class><point><heading>": class R or G; point
// c(entre), u(pper), l(ower), t(op vertical), b(ottom vertical); heading
// 0 straight, or the direction handed to the angled constructor.
const char* const ExpectedVolleys[18] = {
    "Rc0", "Gc0", "Ru0 Rl0", "Gu0 Gl0", "Rc0 Ru-1 Rl1", "Gc0 Ru-1 Rl1", "Gc0 Gu-1 Gl1", "Rc0 Ru0 Rl0", "Gc0 Ru0 Rl0",
    "Gc0 Gu0 Gl0", "Rc0 Ru0 Rl0 Ru-1 Rl1", "Gc0 Ru0 Rl0 Ru-1 Rl1", "Gc0 Gu0 Gl0 Ru-1 Rl1", "Gc0 Gu0 Gl0 Gu-1 Gl1",
    "Gc0 Ru0 Rl0 Ru-1 Rl1 Rt-2 Rb2", "Gc0 Gu0 Gl0 Ru-1 Rl1 Rt-2 Rb2", "Gc0 Gu0 Gl0 Gu-1 Gl1 Rt-2 Rb2",
    "Gc0 Gu0 Gl0 Gu-1 Gl1 Gt-2 Gb2",
};
// Where each spawn point puts a bullet from the ship's corner, and the
// velocity of each heading in multiples of the bullet's speed.
const std::map<char, std::pair<float, float>> Spawns{
    {'c', {65, 25}}, {'u', {65, 9}}, {'l', {65, 40}}, {'t', {35, 9}}, {'b', {35, 40}}};
const std::map<int, std::pair<float, float>> Headings{
    {0, {1, 0}}, {1, {1, 1.0f / 3}}, {-1, {1, -1.0f / 3}}, {2, {0, 1}}, {-2, {0, -1}}};

TEST_F(ShipTest, EveryCannonLevelFiresItsVolley) {
    Craft->PosX = 200;
    Craft->PosY = 300;
    Craft->SpeedX = 40;  // only level 7 may add it to its shots
    for (int level = 1; level <= 18; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        for (Entity* shot : Shots())
            TheEngine().RemoveFromScreen(shot, "Stage1");
        Craft->CannonLevel = level;
        Craft->Fire();
        std::istringstream expected(ExpectedVolleys[level - 1]);
        const std::vector<Entity*> shots = Shots();
        const float speed = level == 7 ? 340.0f : 300.0f;
        size_t i = 0;
        for (std::string token; expected >> token; ++i) {
            SCOPED_TRACE("bullet " + token);
            ASSERT_LT(i, shots.size());
            Entity* shot = shots[i];
            EXPECT_TRUE(token[0] == 'G' ? Is<GreenBullet>(shot) : Is<RedBullet>(shot));
            EXPECT_FLOAT_EQ(shot->PosX, 200 + Spawns.at(token[1]).first);
            EXPECT_FLOAT_EQ(shot->PosY, 300 + Spawns.at(token[1]).second);
            shot->Update(0);
            const auto [vx, vy] = Headings.at(std::atoi(token.c_str() + 2));
            EXPECT_FLOAT_EQ(shot->SpeedX, vx * speed);
            EXPECT_FLOAT_EQ(shot->SpeedY, vy * speed);
        }
        EXPECT_EQ(shots.size(), i);
    }
}

TEST_F(ShipTest, LevelSevenAddsTheShipsSpeedAndNoShotFliesSlowerThan200) {
    Craft->CannonLevel = 7;
    Craft->SpeedX = -150;
    Craft->Fire();
    for (GreenBullet* b : All<GreenBullet>())
        EXPECT_FLOAT_EQ(b->Speed, 200);
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
}

// Right on the exit point the pull has no direction; the ship must not be
// thrown into NaN and lost.
TEST_F(ShipTest, LeavingShipOnTheExitPointKeepsAFiniteSpeed) {
    Craft->Leaving = true;
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
