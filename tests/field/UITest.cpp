#include "field/UI.h"

#include "engine/MainLoop.h"
#include "support/StageHelpers.h"

namespace {
class HudTest : public StageTest {
protected:
    // The panel drawn alone, one pixel per bar slot (x = 50 + 2k) across
    // the middle row of the bar.
    std::vector<uint32_t> BarRow(int y) {
        SDL_FillRect(TheEngine().Surface, nullptr, 0);
        Hud().Draw(TheEngine().Surface);
        std::vector<uint32_t> row;
        for (int k = 0; k < 110; ++k)
            row.push_back(PixelAt(50 + 2 * k, y + 12));
        return row;
    }
    void AgeShieldClock(int ms) { Hud().ShieldClock.StartTicks = TickSource::Now() - static_cast<uint32_t>(ms); }
};

TEST_F(HudTest, BarsDrawOneSegmentPerStartedPoint) {
    for (bool health : {true, false}) {
        float& value = health ? Hud().PlayerHealth : Hud().PlayerShield;
        const int y = health ? 7 : 39;
        value = 0;
        const std::vector<uint32_t> empty = BarRow(y);
        for (const auto& [points, segments] : {std::pair{100.0f, 100}, std::pair{99.5f, 100}, std::pair{0.2f, 1},
                                               std::pair{-4.0f, 0}}) {
            value = points;
            const std::vector<uint32_t> row = BarRow(y);
            int drawn = 0;
            for (size_t k = 0; k < row.size(); ++k)
                drawn += row[k] != empty[k];
            EXPECT_EQ(drawn, segments) << (health ? "health " : "shield ") << points;
        }
    }
}

TEST_F(HudTest, ShieldRechargesPerFrameBelow99AfterThreeQuietSeconds) {
    struct Case { float shield; int quietMs; float after; };
    for (const Case& c : {Case{98.9f, 3001, 99.05f}, Case{98.9f, 3000, 98.9f}, Case{99, 9000, 99},
                          Case{99.05f, 9000, 99.05f}}) {
        Hud().PlayerShield = c.shield;
        AgeShieldClock(c.quietMs);
        Hud().Update(0.016f);
        Hud().Draw(TheEngine().Surface);
        EXPECT_FLOAT_EQ(Hud().PlayerShield, c.after) << c.shield << " after " << c.quietMs << " ms";
    }
}

TEST_F(HudTest, RechargeDelayStandsStillWhilePaused) {
    Hud().PlayerShield = 50;
    Frame();
    AgeShieldClock(2800);
    GamePaused = true;
    Frames(20, 100);
    EXPECT_FLOAT_EQ(Hud().PlayerShield, 50);
    GamePaused = false;
    // Frozen at 2900 ms: 7 frames of 16 ms end the delay, then one
    // recharge per frame.
    Frames(20);
    EXPECT_NEAR(Hud().PlayerShield, 50 + 13 * 0.15f, 0.01f);
}
}  // namespace
