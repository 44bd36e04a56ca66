#include "field/PairIndex.h"

#include "support/StageHelpers.h"

// The pair index must mirror the entity list through the level's swap-with-
// last removals, also where the slots cross from one 64-slot word to the
// next, and must tell each class apart exactly.
namespace {
class PairIndexTest : public StageTest {};

// A subclass the rules know nothing about.
class TameRock : public SpaceRockSmall {
public:
    TameRock() : SpaceRockSmall(0, 0, "Image/SpaceRockSmall.png") {}
};
}  // namespace

TEST_F(PairIndexTest, FollowsSwapRemovalsAcrossWordsAndKnowsExactClasses) {
    std::vector<Entity*> list;
    for (int k = 0; k < 130; ++k)
        list.push_back(Spawn<SmallMoney>(0.0f, 0.0f));
    list[5] = Spawn<GunArm>(0.0f, 0.0f);
    list[64] = Spawn<SpaceRockBig>(0.0f, 0.0f, "Image/BigRock.png");
    list[129] = Spawn<SwarmChildren>(0.0f, 0.0f);
    list[70] = Spawn<TameRock>();
    list[71]->Dead = true;

    PairIndex index;
    index.Rebuild(list);
    EXPECT_EQ(index.NextWatched(0), 5u);
    EXPECT_EQ(index.NextWatched(6), 71u);  // the rock is a target, not watched
    EXPECT_EQ(index.NextTargetOrWatched(6), 64u);
    EXPECT_EQ(index.NextTargetOrWatched(65), 71u);  // a subclass is not a rock
    EXPECT_EQ(index.NextWatched(72), 129u);

    // Slot 5 is removed: the insect from slot 129 takes it.
    list[5] = list.back();
    list.pop_back();
    index.Removed(5);
    EXPECT_EQ(index.Size(), 129u);
    EXPECT_EQ(index.NextWatched(0), 5u);
    EXPECT_EQ(index.NextWatched(72), 129u);  // past the end

    // Down to 127: the last word goes, and the next appended slot is clean.
    for (int k = 0; k < 2; ++k) {
        list.pop_back();
        index.Removed(list.size());
    }
    index.MarkDead(126);
    list.push_back(Spawn<SmallMoney>(0.0f, 0.0f));
    index.Sync(list);
    EXPECT_EQ(index.NextWatched(72), 126u);
    EXPECT_EQ(index.NextWatched(127), 128u);
}
