#include <cmath>
#include <cstdlib>

#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/SwarmTracker.h"
#include "engine/TickSource.h"
#include "support/EnemyScreen.h"

using SwarmTest = EnemyTest;

TEST_F(SwarmTest, AMotherBringsTenChildrenInOffsetOrderAheadOfHerInTheList) {
    std::srand(77);
    SwarmMother* mother = Add(new SwarmMother(1024, 300));
    ASSERT_EQ(Screen->Entities.size(), 11u);
    EXPECT_EQ(Screen->Entities.back(), mother);

    std::srand(77);
    const std::vector<SwarmChildren*> children = All<SwarmChildren>();
    ASSERT_EQ(children.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        const float y = 300 + static_cast<float>(std::rand() % 50);
        const float x = 1024 + 80 + static_cast<float>(i * 32 + std::rand() % 20);
        EXPECT_EQ(Screen->Entities[i], children[i]);
        EXPECT_EQ(std::make_pair(children[i]->PosX, children[i]->PosY), std::make_pair(x, y)) << i;
    }
}

TEST_F(SwarmTest, ChildrenFollowTheMotherThenHuntTheShipForSixSecondsThenLeave) {
    SwarmMother* mother = Add(new SwarmMother(800, 300));
    SwarmChildren* child = All<SwarmChildren>().front();
    child->PosX = 500;
    child->PosY = 200;
    SwarmTracker tracker;
    tracker.ShipX = 100;
    tracker.ShipY = 500;

    enum class Mother { Alive, SeenDead, Removed };
    struct Step {
        uint32_t AdvanceMs;
        Mother State;
        float TowardX, TowardY;
    };
    const Step steps[] = {
        {0, Mother::Alive, 800, 300},        // rally on her
        {10, Mother::SeenDead, 100, 500},    // she dies: hunt the ship
        {6000, Mother::Removed, 100, 500},   // still hunting at 6000 ms
        {1, Mother::Removed, -100, 300},     // then off the left edge
        {20000, Mother::Removed, -100, 300}, // for good
    };
    for (const Step& s : steps) {
        TickSource::Advance(s.AdvanceMs);
        mother->Dead = s.State == Mother::SeenDead;
        if (s.State != Mother::Removed)
            tracker.Steer(mother);
        const float dx = s.TowardX - child->PosX, dy = s.TowardY - child->PosY;
        const float length = std::sqrt(dx * dx + dy * dy);
        const float x = child->PosX + dx / length * 0.04f, y = child->PosY + dy / length * 0.05f;
        tracker.Steer(child);
        EXPECT_FLOAT_EQ(child->PosX, x) << s.AdvanceMs;
        EXPECT_FLOAT_EQ(child->PosY, y) << s.AdvanceMs;
    }

    // Sitting on its target, a child stays put.
    child->SteerToward(child->PosX, child->PosY);
    EXPECT_FALSE(std::isnan(child->PosX) || std::isnan(child->PosY));
}
