#include "enemies/TheBoss.h"

#include <algorithm>
#include <vector>

#include "engine/TickSource.h"
#include "support/EnemyScreen.h"

namespace {

// Pixels of row y left of xEnd that are not black, or -1 when the whole
// window is white.
int LitPixels(SDL_Surface* s, int y, int xEnd) {
    const Uint32 white = SDL_MapRGB(s->format, 255, 255, 255);
    SDL_LockSurface(s);
    auto row = [s](int r) { return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + r * s->pitch); };
    bool allWhite = true;
    for (int r = 0; r < s->h && allWhite; ++r)
        allWhite = std::all_of(row(r), row(r) + s->w, [white](Uint32 p) { return p == white; });
    const int lit = allWhite ? -1 : static_cast<int>(std::count_if(row(y), row(y) + xEnd, [](Uint32 p) { return (p & 0xFFFFFF) != 0; }));
    SDL_UnlockSurface(s);
    return lit;
}

// What one draw of the boss put on an otherwise black window.
struct Look {
    int32_t At;  // ms since the boss was loaded
    bool Beam, Flash, Ray, RayActive, Sounding;
    int Frame;
};

class BossTest : public EnemyTest {
protected:
    // Idle at its post, so the beam and ray rows sit at known places.
    void SetUp() override {
        EnemyTest::SetUp();
        Boss = Add(new TheBoss(724, 150));
        LoadedAt = TickSource::Now();
        HasSound = TheEngine().AudioOpen && Boss->Sound != nullptr;
    }

    Look DrawOnce() {
        SDL_Surface* window = TheEngine().Surface;
        SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
        Boss->Draw(window);
        // The ray (axis at +64) is wide enough to cover the upper beam row
        // (middle at +56); the beam rows leave the ray's axis dark.
        const int rayAxis = LitPixels(window, 150 + 64, 724 - 80);
        const bool beam = rayAxis == 0 && LitPixels(window, 150 + 56, 724 - 60) > 0;
        return Look{static_cast<int32_t>(TickSource::Now() - LoadedAt), beam, rayAxis < 0, rayAxis > 0,
                    Boss->RayActive, HasSound && Mix_Playing(4) != 0, Boss->Frame};
    }

    TheBoss* Boss = nullptr;
    uint32_t LoadedAt = 0;
    bool HasSound = false;
};

std::vector<int32_t> When(const std::vector<Look>& looks, bool Look::*what) {
    std::vector<int32_t> at;
    for (const Look& l : looks)
        if (l.*what)
            at.push_back(l.At);
    return at;
}

}  // namespace

TEST_F(BossTest, AttackCycleRunsFromDrawAndIgnoresThePause) {
    std::vector<Look> looks;
    // 17 ms frames, so no draw lands exactly on a phase boundary.
    while (TickSource::Now() - LoadedAt < 45000) {
        TickSource::Advance(17);
        Boss->Update(0);  // paused all along: the attack keeps real time
        looks.push_back(DrawOnce());
    }

    // The beam sound starts within 9450..9500 ms of the cycle, not before.
    for (const Look& l : looks) {
        if (HasSound && l.At < 9500) {
            EXPECT_EQ(l.Sounding, l.At > 9450) << l.At;
        }
    }

    // The charging beam flickers in single draws more than 100 ms apart.
    const std::vector<int32_t> beams = When(looks, &Look::Beam);
    const std::vector<int32_t> flashes = When(looks, &Look::Flash);
    const std::vector<int32_t> rays = When(looks, &Look::Ray);
    ASSERT_TRUE(!beams.empty() && !flashes.empty() && !rays.empty());
    EXPECT_GT(beams.front(), 10000);
    EXPECT_LE(beams.front(), 10017);
    const auto firstCycleBeams = std::count_if(beams.begin(), beams.end(), [](int32_t at) { return at < 13000; });
    EXPECT_GE(firstCycleBeams, 25);
    EXPECT_LE(firstCycleBeams, 30);
    for (size_t i = 1; i < beams.size(); ++i)
        EXPECT_GT(beams[i] - beams[i - 1], 100);

    // A white flash 100..200 ms after the charge, then the ray for ~7.8 s.
    EXPECT_GT(flashes.front(), 13000 + 100 - 17);
    EXPECT_LT(flashes.front(), 13000 + 200);
    EXPECT_GT(rays.front(), flashes.front());
    const int32_t rayEnd = *std::prev(std::lower_bound(rays.begin(), rays.end(), 30000));
    EXPECT_NEAR(rayEnd - rays.front(), 7800, 40);

    // RayActive and the firing frame exactly while the ray is on screen.
    for (const Look& l : looks) {
        EXPECT_EQ(l.RayActive, l.Ray) << l.At;
        EXPECT_EQ(l.Frame, l.Ray ? 1 : 0) << l.At;
    }

    // The next cycle starts as the ray ends: charging again 10 s later.
    const int32_t secondCharge = *std::upper_bound(beams.begin(), beams.end(), rayEnd);
    EXPECT_NEAR(secondCharge - rayEnd, 10000 + 2 * 17, 34);
    EXPECT_GT(rays.back(), 40000);
}

TEST_F(BossTest, ABossRemovedWhileSoundingLeavesTheBeamChannelPaused) {
    if (!HasSound)
        GTEST_SKIP() << "no sound device or beam sound";
    TickSource::Advance(9460);
    EXPECT_TRUE(DrawOnce().Sounding);
    Screen->RemoveEntity(Boss);
    EXPECT_EQ(Mix_Paused(4), 1);
}
