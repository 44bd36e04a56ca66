#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/TickSource.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Ship.h"
#include "support/PlayerScreen.h"

namespace {

class ShipTest : public PlayerTest {
protected:
    Ship* Craft = nullptr;

    void SetUp() override {
        PlayerTest::SetUp();
        Craft = Add(new Ship());
    }

    // Drops everything but the ship.
    void ClearShots() {
        for (size_t i = Stage->Entities.size(); i-- > 0;)
            if (Stage->Entities[i] != Craft)
                TheEngine().RemoveFromScreen(Stage->Entities[i], "Stage1");
    }

    std::vector<Entity*> Shots() {
        std::vector<Entity*> shots;
        for (Entity* e : Stage->Entities)
            if (e != Craft)
                shots.push_back(e);
        return shots;
    }

    int ShotCount() { return CountOf<RedBullet>() + CountOf<GreenBullet>(); }
};

// One bullet of a volley as "<class><point><heading>": class R or G; point
// c(entre), u(pper), l(ower), t(op vertical), b(ottom vertical); heading
// 0 straight, or the direction handed to the angled constructor.
const char* const ExpectedVolleys[18] = {
    "Rc0",
    "Gc0",
    "Ru0 Rl0",
    "Gu0 Gl0",
    "Rc0 Ru-1 Rl1",
    "Gc0 Ru-1 Rl1",
    "Gc0 Gu-1 Gl1",
    "Rc0 Ru0 Rl0",
    "Gc0 Ru0 Rl0",
    "Gc0 Gu0 Gl0",
    "Rc0 Ru0 Rl0 Ru-1 Rl1",
    "Gc0 Ru0 Rl0 Ru-1 Rl1",
    "Gc0 Gu0 Gl0 Ru-1 Rl1",
    "Gc0 Gu0 Gl0 Gu-1 Gl1",
    "Gc0 Ru0 Rl0 Ru-1 Rl1 Rt-2 Rb2",
    "Gc0 Gu0 Gl0 Ru-1 Rl1 Rt-2 Rb2",
    "Gc0 Gu0 Gl0 Gu-1 Gl1 Rt-2 Rb2",
    "Gc0 Gu0 Gl0 Gu-1 Gl1 Gt-2 Gb2",
};

// Where each spawn point puts a bullet, from the ship's corner, after the
// bullet's Load.
struct Offset {
    float X, Y;
};
const std::map<char, Offset> Spawns{{'c', {65, 25}}, {'u', {65, 9}}, {'l', {65, 40}}, {'t', {35, 9}}, {'b', {35, 40}}};

// Velocity per heading, as multiples of the bullet's speed.
struct Velocity {
    float X, Y;
};
const std::map<int, Velocity> Headings{{0, {1, 0}}, {1, {1, 1.0f / 3}}, {-1, {1, -1.0f / 3}}, {2, {0, 1}}, {-2, {0, -1}}};

TEST_F(ShipTest, EveryCannonLevelFiresItsVolley) {
    Craft->PosX = 200;
    Craft->PosY = 300;
    Craft->SpeedX = 40;  // only level 7 may add it to its shots
    for (int level = 1; level <= 18; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        ClearShots();
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
            const Offset at = Spawns.at(token[1]);
            EXPECT_FLOAT_EQ(shot->PosX, 200 + at.X);
            EXPECT_FLOAT_EQ(shot->PosY, 300 + at.Y);
            shot->Update(0);
            const Velocity v = Headings.at(std::atoi(token.c_str() + 2));
            EXPECT_FLOAT_EQ(shot->SpeedX, v.X * speed);
            EXPECT_FLOAT_EQ(shot->SpeedY, v.Y * speed);
        }
        EXPECT_EQ(shots.size(), i);
    }
}

TEST_F(ShipTest, LevelsOutsideTheTableFireNothingButRestartTheClock) {
    for (int level : {0, 19}) {
        Craft->CannonLevel = level;
        TickSource::Advance(500);
        Craft->Fire();
        EXPECT_EQ(ShotCount(), 0) << "level " << level;
        EXPECT_EQ(Craft->FireClock.GetTicks(), 0) << "level " << level;
    }
}

TEST_F(ShipTest, LevelSevenAddsTheShipsSpeedDownToTheFloor) {
    struct Case {
        float ShipSpeedX;
        float BulletSpeed;
    };
    for (Case c : {Case{-150, 200}, Case{123.9f, 423}}) {
        ClearShots();
        Craft->CannonLevel = 7;
        Craft->SpeedX = c.ShipSpeedX;
        Craft->Fire();
        ASSERT_EQ(Stage->All<GreenBullet>().size(), 3u);
        for (GreenBullet* b : Stage->All<GreenBullet>())
            EXPECT_FLOAT_EQ(b->Speed, c.BulletSpeed) << "ship speed " << c.ShipSpeedX;
    }
}

TEST_F(ShipTest, ShotsNeverFlySlowerThan200) {
    struct Case {
        int Given;
        float Flies;
    };
    for (Case c : {Case{150, 200}, Case{200, 200}, Case{650, 650}, Case{-40, 200}}) {
        EXPECT_FLOAT_EQ(RedBullet(0, 0, c.Given).Speed, c.Flies) << c.Given;
        EXPECT_FLOAT_EQ(GreenBullet(0, 0, c.Given, 1).Speed, c.Flies) << c.Given;
    }
}

TEST_F(ShipTest, StaysBelowThePanelWhileClimbing) {
    KeyDown(SDLK_w);
    for (int i = 0; i < 120; ++i) {
        Frame(16);
        ASSERT_GE(Craft->PosY, 80) << "frame " << i;
    }
    EXPECT_FLOAT_EQ(Craft->PosY, 80);
}

TEST_F(ShipTest, IsHeldOutOfTheRightQuarterUnlessLeaving) {
    KeyDown(SDLK_d);
    Frames(300, 16);
    EXPECT_FLOAT_EQ(Craft->PosX, 708);
    EXPECT_FLOAT_EQ(Craft->SpeedX, 0);
    EXPECT_NE(Craft->Frame, 0);  // the exhaust burns while thrusting

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
    EXPECT_TRUE(std::isfinite(Craft->SpeedX));
    EXPECT_TRUE(std::isfinite(Craft->SpeedY));
    EXPECT_TRUE(std::isfinite(Craft->PosX));
}

TEST_F(ShipTest, FirstVolleyComesJustAfterTheFireDelay) {
    KeyDown(SDLK_SPACE);
    int elapsed = 0;
    while (ShotCount() == 0 && elapsed < 1000) {
        Frame(1);
        ++elapsed;
    }
    EXPECT_EQ(elapsed, 201);
}

TEST_F(ShipTest, HeldSpaceFiresEveryDelayPlusUpToAFrame) {
    KeyDown(SDLK_SPACE);
    std::vector<int> volleyTimes;
    int shotsBefore = 0;
    for (int t = 16; t <= 16 * 60; t += 16) {
        Frame(16);
        const int shots = ShotCount();
        if (shots > shotsBefore)
            volleyTimes.push_back(t);
        EXPECT_LE(shots - shotsBefore, 1) << "one volley per frame at most";
        shotsBefore = shots;
    }
    ASSERT_GE(volleyTimes.size(), 3u);
    for (size_t i = 1; i < volleyTimes.size(); ++i) {
        const int period = volleyTimes[i] - volleyTimes[i - 1];
        EXPECT_GT(period, 200);
        EXPECT_LE(period, 216);
    }
}

// Without its sound file the ship keeps firing, silently.
TEST_F(ShipTest, MissingShotSoundLeavesTheShipSilent) {
    const std::filesystem::path assets = std::filesystem::current_path();
    const std::filesystem::path silent = std::filesystem::temp_directory_path() /
                                         ("korvanta-silent-" + std::to_string(getpid()));
    std::filesystem::create_directories(silent);
    std::filesystem::create_directory_symlink(assets / "Image", silent / "Image");
    std::filesystem::current_path(silent);
    // Forget the chunk the fixture's ship already loaded.
    Craft->Sound = nullptr;
    TheEngine().Sounds.Clear();

    Ship* quiet = Add(new Ship());
    std::filesystem::current_path(assets);
    std::filesystem::remove_all(silent);

    EXPECT_EQ(quiet->Sound, nullptr);
    quiet->CannonLevel = 2;
    quiet->Fire();
    EXPECT_EQ(CountOf<GreenBullet>(), 1);
}

}  // namespace
