#include "field/Interactions.h"
#include "support/StageHelpers.h"

// The rules go by the exact class: a class derived from a rock is no rock,
// no target and no player's shot, however its base would count.
namespace {
class TameRock : public SpaceRockSmall {
public:
    TameRock() : SpaceRockSmall(0, 0, "Image/SpaceRockSmall.png") {}
};
}  // namespace

TEST(EntityKindTest, ASubclassNeverPassesForItsBase) {
    TameRock tame;
    SpaceRockSmall rock(0, 0, "Image/SpaceRockSmall.png");
    EXPECT_FALSE(Is<SpaceRockSmall>(&tame));
    EXPECT_EQ(tame.Kind(), EntityKind::Other);
    EXPECT_FALSE(IsTarget(tame));
    EXPECT_TRUE(Is<SpaceRockSmall>(&rock));
    EXPECT_TRUE(IsTarget(rock));
    EXPECT_FALSE(IsPlayerProjectile(rock));
}
