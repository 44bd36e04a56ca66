#include "enemies/TheBoss.h"

#include <algorithm>
#include <vector>

#include "support/StageHelpers.h"

namespace {

// Pixels of row y left of xEnd that are not black.
int LitPixels(SDL_Surface* s, int y, int xEnd) {
    SDL_LockSurface(s);
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
    const int lit = static_cast<int>(std::count_if(row, row + xEnd, [](Uint32 p) { return (p & 0xFFFFFF) != 0; }));
    SDL_UnlockSurface(s);
    return lit;
}

class BossTest : public StageTest {
protected:
    // Idle at its post, so the beam and ray rows sit at known places.
    void SetUp() override {
        StageTest::SetUp();
        Boss = Spawn<TheBoss>(724.0f, 150.0f);
        LoadedAt = TickSource::Now();
    }
    // What one draw of the boss put on an otherwise black window: the ray
    // (axis at +64) is wide enough to cover the upper beam row (middle at
    // +56); the beam rows leave the ray's axis dark.
    enum Look { Nothing, Beam, Flash, Ray };
    Look DrawOnce() {
        SDL_Surface* window = TheEngine().Surface;
        SDL_FillRect(window, nullptr, 0);
        Boss->Draw(window);
        if (PixelAt(0, 0) == 0xFFFFFF && PixelAt(window->w - 1, window->h - 1) == 0xFFFFFF)
            return Flash;
        if (LitPixels(window, 150 + 64, 724 - 80) > 0)
            return Ray;
        return LitPixels(window, 150 + 56, 724 - 60) > 0 ? Beam : Nothing;
    }
    TheBoss* Boss = nullptr;
    uint32_t LoadedAt = 0;
};

}  // namespace

TEST_F(BossTest, AttackCycleRunsFromDraw) {
    std::vector<int32_t> at[4];  // draw times (ms since loading) of each look
    // 17 ms frames, so no draw lands exactly on a phase boundary.
    while (TickSource::Now() - LoadedAt < 45000) {
        TickSource::Advance(17);
        Boss->Update(0.017f);
        Boss->PosY = 150;  // the hover would move the rows looked at
        const Look look = DrawOnce();
        const int32_t now = static_cast<int32_t>(TickSource::Now() - LoadedAt);
        at[look].push_back(now);
        // RayActive and the firing frame exactly while the ray is on screen.
        EXPECT_EQ(Boss->RayActive, look == Ray) << now;
        EXPECT_EQ(Boss->Frame, look == Ray ? 1 : 0) << now;
    }
    const std::vector<int32_t>&beams = at[Beam], &flashes = at[Flash], &rays = at[Ray];
    ASSERT_TRUE(!beams.empty() && !flashes.empty() && !rays.empty());
    EXPECT_GT(beams.front(), 10000);
    EXPECT_LE(beams.front(), 10017);
    // A white flash 100..200 ms after the charge, then the ray for ~7.8 s.
    EXPECT_GT(flashes.front(), 13000 + 100 - 17);
    EXPECT_LT(flashes.front(), 13000 + 200);
    EXPECT_GT(rays.front(), flashes.front());
    const int32_t rayEnd = *std::prev(std::lower_bound(rays.begin(), rays.end(), 30000));
    EXPECT_NEAR(rayEnd - rays.front(), 7800, 40);
    // The next cycle starts as the ray ends: charging again 10 s later.
    const int32_t secondCharge = *std::upper_bound(beams.begin(), beams.end(), rayEnd);
    EXPECT_NEAR(secondCharge - rayEnd, 10000 + 2 * 17, 34);
}

TEST_F(BossTest, ABossRemovedWhileSoundingLeavesTheBeamChannelPaused) {
    if (!TheEngine().AudioOpen || Boss->Sound == nullptr)
        GTEST_SKIP() << "no sound device or beam sound";
    TickSource::Advance(9460);
    DrawOnce();
    EXPECT_EQ(Mix_Playing(4), 1);
    Stage->RemoveEntity(Boss);
    EXPECT_EQ(Mix_Paused(4), 1);
}
