#include <vector>

#include "field/SkillRules.h"
#include "support/StageHelpers.h"

// A level plays the difficulty that was coming when it was created: each
// number the difficulty changes is measured here where the level uses it,
// on a level started the way the menu starts one, and easy and hard are held
// to be kinder and harsher than normal at every one of them.
namespace {

// What a level did to the player, measured through the game's own rules.
struct Measured {
    float RammingCost = 0;   // shield and health a medium rock took
    float ShotCost = 0;      // and an enemy shot after it
    int QuietMs = 0;         // game time after the shot until the shield rose
    float RechargeRate = 0;  // shield points won back in the first second
    int RepairCost = 0;
    int BossHealth = 0;      // of the boss the wave script brought
    int ArmShotGap = 0;      // frames between a gun arm's shots
    int LabelPixels = 0;     // gold pixels where the HUD names the difficulty
};

class SkillLevels : public GameTest {
protected:
    Stage1& Level() { return *static_cast<Stage1*>(TheEngine().FindScreen("Stage1")); }
    UI& Hud() { return *All<UI>().front(); }
    Ship& PlayerShip() { return *All<Ship>().front(); }

    // A fresh level of `skill`, as the menu's Play starts one.
    void StartLevel(Skill skill) {
        TheEngine().ClearScreens();
        Stage1::SetComingSkill(skill);
        TheEngine().PushScreen(new LoadingScreen(), "LoadingScreen");
        Stage1::SetComingSkill(Skill::Normal);
    }

    float Worn() { return 200 - Hud().PlayerHealth - Hud().PlayerShield; }

    // What meeting `e` on the ship costs it, in a level update in which no
    // time passes.
    float Meet(Entity* e) {
        const float before = Worn();
        Add(e);
        e->PosX = PlayerShip().CentreX() - static_cast<float>(e->Size / 2);
        e->PosY = PlayerShip().CentreY() - static_cast<float>(e->Size / 2);
        Level().Update(0);
        return Worn() - before;
    }

    // One frame of the HUD alone (the rest of the level would move on).
    void HudFrame(uint32_t ms) {
        TickSource::Advance(ms);
        Hud().Update(static_cast<float>(ms) / 1000);
        Hud().Draw(TheEngine().Surface);
    }

    void MeasureShield(Measured& m) {
        const float after = Hud().PlayerShield;
        for (m.QuietMs = 0; Hud().PlayerShield == after && m.QuietMs < 10000; m.QuietMs += 10)
            HudFrame(10);
        const float rising = Hud().PlayerShield;
        for (int frame = 0; frame < 60; ++frame)
            HudFrame(16);
        m.RechargeRate = Hud().PlayerShield - rising;
    }

    void MeasureRepair(Measured& m) {
        Hud().PlayerHealth = 40;
        Hud().PlayerMoney = 2000;
        KeyDown(SDLK_h);
        Level().Update(0);
        KeyUp(SDLK_h);
        m.RepairCost = 2000 - Hud().PlayerMoney;
    }

    // The level's own wave script brings the boss group 160 s in.
    void MeasureBossGroup(Measured& m) {
        WaveScript& waves = Level().Waves;
        waves.LevelClock.Unpause();  // stopped by the still updates
        waves.LaneClocks[0].Unpause();
        waves.LevelClock.StartTicks = TickSource::Now() - 160100;
        waves.LaneClocks[0].StartTicks = TickSource::Now() - 2000;
        waves.Update(0.016f);
        const std::vector<TheBoss*> bosses = All<TheBoss>();
        const std::vector<GunArm*> arms = All<GunArm>();
        ASSERT_EQ(bosses.size(), 1u);
        ASSERT_EQ(arms.size(), 2u);
        m.BossHealth = bosses[0]->Health;
        std::vector<int> shots;
        for (int frame = 1; shots.size() < 3 && frame < 200; ++frame) {
            const int before = CountOf<BulletEnemy>();
            TickSource::Advance(frame % 3 == 0 ? 16 : 17);
            arms[0]->Update(1.0f / 60);
            if (CountOf<BulletEnemy>() > before)
                shots.push_back(frame);
        }
        ASSERT_EQ(shots.size(), 3u);
        m.ArmShotGap = shots[2] - shots[1];
    }

    Measured Measure(Skill skill) {
        Measured m;
        StartLevel(skill);
        Frame();
        m.LabelPixels = CountPixels({940, 0, 84, 24}, 0xFFD65A);
        m.RammingCost = Meet(new SpaceRockMedium(0, 0, "Image/SpaceRockMedium.png"));
        m.ShotCost = Meet(new BulletEnemy(0, 0));
        MeasureShield(m);
        MeasureRepair(m);
        MeasureBossGroup(m);
        return m;
    }
};

TEST_F(SkillLevels, EasyIsKinderThanNormalWhereverItDiffersAndSaysSo) {
    const Measured normal = Measure(Skill::Normal);
    const Measured easy = Measure(Skill::Easy);
    EXPECT_EQ(normal.LabelPixels, 0) << "a normal level looks as it always did";
    EXPECT_GT(easy.LabelPixels, 20) << "the HUD names the difficulty";
    EXPECT_LT(easy.RammingCost, normal.RammingCost);
    EXPECT_GT(easy.RammingCost, 0);
    EXPECT_LT(easy.ShotCost, normal.ShotCost);
    EXPECT_GT(easy.ShotCost, 0);
    EXPECT_LT(easy.QuietMs, normal.QuietMs);
    EXPECT_GT(easy.RechargeRate, normal.RechargeRate);
    EXPECT_LT(easy.RepairCost, normal.RepairCost);
    EXPECT_LT(easy.BossHealth, normal.BossHealth);
    EXPECT_GT(easy.ArmShotGap, normal.ArmShotGap);
}

TEST_F(SkillLevels, HardIsHarsherThanNormalWhereverItDiffersAndSaysSo) {
    const Measured normal = Measure(Skill::Normal);
    const Measured hard = Measure(Skill::Hard);
    EXPECT_GT(hard.LabelPixels, 20);
    EXPECT_GT(hard.RammingCost, normal.RammingCost);
    EXPECT_GT(hard.ShotCost, normal.ShotCost);
    EXPECT_GT(hard.QuietMs, normal.QuietMs);
    EXPECT_LT(hard.RechargeRate, normal.RechargeRate);
    EXPECT_GT(hard.RepairCost, normal.RepairCost);
    EXPECT_GT(hard.BossHealth, normal.BossHealth);
    EXPECT_LT(hard.ArmShotGap, normal.ArmShotGap);
}

// The difficulty is fixed when the level is created: one chosen meanwhile
// waits for the next level.
TEST_F(SkillLevels, ARunningLevelKeepsItsDifficultyAndTheNextPlaysTheComingOne) {
    StartLevel(Skill::Hard);
    Stage1::SetComingSkill(Skill::Easy);
    Frame();
    EXPECT_EQ(Level().Difficulty, Skill::Hard);
    EXPECT_EQ(Hud().Difficulty, Skill::Hard);
    TheEngine().PushScreen(new LoadingScreen(), "LoadingScreen");  // Replay on the overlay
    EXPECT_EQ(Level().Difficulty, Skill::Easy);
    EXPECT_EQ(Hud().Difficulty, Skill::Easy);
}
}  // namespace
