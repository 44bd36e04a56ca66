#include <functional>
#include <memory>

#include "support/StageHelpers.h"

using ProjectileTest = StageTest;

TEST_F(ProjectileTest, RocketsHomeOnMinesRocksBossAndGunArmsOnlyAndKeepTheirCourseOnTheTarget) {
    Rocket* missile = Spawn<Rocket>(100.0f, 308.0f);
    using Make = std::function<Entity*(float, float)>;
    const std::pair<Make, bool> cases[] = {
        {[](float x, float y) { return new TheFoo(x, y, 0); }, true},
        {[](float x, float y) { return new SpaceRockSmall(x, y, "Image/rock.png"); }, true},
        {[](float x, float y) { return new TheBoss(x, y); }, true},
        {[](float x, float y) { return new GunArm(x, y); }, true},
        {[](float x, float y) { return new SwarmMother(x, y); }, false},
        {[](float x, float y) { return new SmallMoney(x, y); }, false},
        {[](float x, float y) { return new Rocket(x, y); }, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [make, attracts] = cases[i];
        missile->SpeedX = 500;
        missile->SpeedY = 0;
        // 500 away on a 3-4-5 triangle: a pull of exactly (3, 4).
        std::unique_ptr<Entity> target(make(missile->PosX + 300, missile->PosY + 400));
        HomeRockets(missile, target.get());
        HomeRockets(target.get(), missile);  // the pair is ordered: never toward the rocket
        EXPECT_FLOAT_EQ(missile->SpeedX, attracts ? 503 : 500) << "case " << i;
        EXPECT_FLOAT_EQ(missile->SpeedY, attracts ? 4 : 0) << "case " << i;
    }
    missile->SteerToward(missile->PosX, missile->PosY);
    EXPECT_FLOAT_EQ(missile->SpeedX, 500);
    EXPECT_FLOAT_EQ(missile->SpeedY, 0);
}
