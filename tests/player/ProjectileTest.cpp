#include <functional>
#include <memory>
#include <string>

#include "effects/SmallMoney.h"
#include "effects/SmokeTrail.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "player/BulletEnemy.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Rocket.h"
#include "support/PlayerScreen.h"

namespace {

using ProjectileTest = PlayerTest;

TEST_F(ProjectileTest, ShotsHoldStillInTheirFirstUpdateThenKeepTheirVelocity) {
    RedBullet* red = Add(new RedBullet(100, 108, 300));
    GreenBullet* green = Add(new GreenBullet(100, 108, 300, -1));
    EXPECT_EQ(red->Damage, 2);
    EXPECT_EQ(green->Damage, 4);
    EXPECT_FLOAT_EQ(red->PosY, 100);

    red->Update(0.5f);
    green->Update(0.5f);
    EXPECT_FLOAT_EQ(red->PosX, 100);
    EXPECT_FLOAT_EQ(green->PosY, 100);

    red->Update(0.5f);
    green->Update(0.5f);
    EXPECT_FLOAT_EQ(red->PosX, 250);
    EXPECT_FLOAT_EQ(red->PosY, 100);
    EXPECT_FLOAT_EQ(green->PosX, 250);
    EXPECT_FLOAT_EQ(green->PosY, 50);
}

TEST_F(ProjectileTest, EnemyBulletWaitsOneUpdateThenFliesLeftUntilPastTheEdge) {
    BulletEnemy* shot = Add(new BulletEnemy(10, 308));
    EXPECT_FLOAT_EQ(shot->PosY, 300);
    EXPECT_EQ(shot->Damage, 10);

    shot->Update(0.02f);
    EXPECT_FLOAT_EQ(shot->PosX, 10);
    EXPECT_FLOAT_EQ(shot->SpeedX, -400);
    shot->Update(0.02f);  // x 2
    EXPECT_FALSE(shot->Dead);
    shot->Update(0.02f);  // x -6
    EXPECT_TRUE(shot->Dead);
}

class RocketTest : public PlayerTest {
protected:
    Rocket* Missile = nullptr;

    void SetUp() override {
        PlayerTest::SetUp();
        Missile = Add(new Rocket(100, 308));
    }
};

TEST_F(RocketTest, HomesOnMinesRocksBossAndGunArmsOnly) {
    struct Case {
        std::string Name;
        std::function<Entity*(float, float)> Make;
        bool Attracts;
    };
    const Case cases[] = {
        {"TheFoo", [](float x, float y) { return new TheFoo(x, y, 0); }, true},
        {"SpaceRockSmall", [](float x, float y) { return new SpaceRockSmall(x, y, "Image/rock.png"); }, true},
        {"SpaceRockMedium", [](float x, float y) { return new SpaceRockMedium(x, y, "Image/rock.png"); }, true},
        {"SpaceRockBig", [](float x, float y) { return new SpaceRockBig(x, y, "Image/rock.png"); }, true},
        {"TheBoss", [](float x, float y) { return new TheBoss(x, y); }, true},
        {"GunArm", [](float x, float y) { return new GunArm(x, y); }, true},
        {"SwarmMother", [](float x, float y) { return new SwarmMother(x, y); }, false},
        {"SwarmChildren", [](float x, float y) { return new SwarmChildren(x, y); }, false},
        {"SmallMoney", [](float x, float y) { return new SmallMoney(x, y); }, false},
        {"RedBullet", [](float x, float y) { return new RedBullet(x, y, 300); }, false},
        {"Rocket", [](float x, float y) { return new Rocket(x, y); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Missile->SpeedX = 500;
        Missile->SpeedY = 0;
        // 500 away on a 3-4-5 triangle: a pull of exactly (3, 4).
        std::unique_ptr<Entity> target(c.Make(Missile->PosX + 300, Missile->PosY + 400));
        HomeRockets(Missile, target.get());
        EXPECT_FLOAT_EQ(Missile->SpeedX, c.Attracts ? 503 : 500);
        EXPECT_FLOAT_EQ(Missile->SpeedY, c.Attracts ? 4 : 0);
        // The pair is ordered: the target never steers toward the rocket.
        HomeRockets(target.get(), Missile);
        EXPECT_FLOAT_EQ(Missile->SpeedX, c.Attracts ? 503 : 500);
    }
}

TEST_F(RocketTest, TargetRightOnTheRocketLeavesItsCourse) {
    Missile->SteerToward(Missile->PosX + 3, Missile->PosY - 4);
    const float aimX = Missile->AimX, aimY = Missile->AimY;
    const float speedX = Missile->SpeedX, speedY = Missile->SpeedY;
    Missile->SteerToward(Missile->PosX, Missile->PosY);
    EXPECT_FLOAT_EQ(Missile->SpeedX, speedX);
    EXPECT_FLOAT_EQ(Missile->SpeedY, speedY);
    EXPECT_FLOAT_EQ(Missile->AimX, aimX);
    EXPECT_FLOAT_EQ(Missile->AimY, aimY);
}

TEST_F(RocketTest, SmokeComesFromTheTailWhicheverWayItFlies) {
    struct Case {
        float SpeedX;
        int Frame;
        float SmokeOffsetX;
    };
    for (Case c : {Case{500, 1, 0}, Case{-100, 0, 10}, Case{0, 0, 10}}) {
        SCOPED_TRACE(c.SpeedX);
        for (SmokeTrail* puff : Stage->All<SmokeTrail>())
            TheEngine().RemoveFromScreen(puff, "Stage1");
        Missile->PosX = 500;
        Missile->SpeedX = c.SpeedX;
        Missile->Update(0.1f);
        EXPECT_EQ(Missile->Frame, c.Frame);
        const auto puffs = Stage->All<SmokeTrail>();
        ASSERT_EQ(puffs.size(), 1u);
        EXPECT_FLOAT_EQ(puffs[0]->PosX, Missile->PosX + c.SmokeOffsetX);
        EXPECT_FLOAT_EQ(puffs[0]->PosY, Missile->PosY + 5);
    }
}

}  // namespace
