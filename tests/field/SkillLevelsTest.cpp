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

class SkillLevels : public LevelTest {
protected:
    float Worn() { return 200 - Hud().PlayerHealth - Hud().PlayerShield; }

    // What meeting `e` on the ship costs it, in a level update in which no
    // time passes.
    float Meet(Entity* e) {
        const float before = Worn();
        OnShip(Add(e));
        StillUpdate();
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

    // The difficulty is fixed when the level is created: another one chosen
    // meanwhile waits for the next level, and changes nothing measured here.
    Measured Measure(Skill skill) {
        Measured m;
        // A fresh level of `skill`, as the menu's Play starts one.
        TheEngine().ClearScreens();
        Stage1::SetComingSkill(skill);
        TheEngine().PushScreen(new LoadingScreen(), "LoadingScreen");
        Stage1::SetComingSkill(skill == Skill::Hard ? Skill::Easy : Skill::Hard);
        Frame();
        m.LabelPixels = CountPixels({940, 0, 84, 24}, 0xFFD65A);
        m.RammingCost = Meet(new SpaceRockMedium(0, 0, "Image/SpaceRockMedium.png"));
        m.ShotCost = Meet(new BulletEnemy(0, 0));
        MeasureShield(m);
        MeasureRepair(m);
        MeasureBossGroup(m);
        Stage1::SetComingSkill(Skill::Normal);
        return m;
    }
};

TEST_F(SkillLevels, EasyIsKinderAndHardHarsherThanNormalWhereverTheyDifferAndSaySo) {
    const Measured normal = Measure(Skill::Normal), easy = Measure(Skill::Easy), hard = Measure(Skill::Hard);
    EXPECT_EQ(normal.LabelPixels, 0) << "a normal level looks as it always did";
    EXPECT_GT(easy.LabelPixels, 20) << "the HUD names the difficulty";
    EXPECT_GT(hard.LabelPixels, 20);
    EXPECT_GT(easy.RammingCost, 0);
    EXPECT_GT(easy.ShotCost, 0);
    // Easy below normal and hard above it (sign 1), or the other way round.
    const auto order = [&](auto field, int sign, const char* what) {
        EXPECT_LT(sign * easy.*field, sign * normal.*field) << what;
        EXPECT_GT(sign * hard.*field, sign * normal.*field) << what;
    };
    order(&Measured::RammingCost, 1, "ramming");
    order(&Measured::ShotCost, 1, "shot");
    order(&Measured::QuietMs, 1, "quiet time");
    order(&Measured::RechargeRate, -1, "recharge");
    order(&Measured::RepairCost, 1, "repair");
    order(&Measured::BossHealth, 1, "boss");
    order(&Measured::ArmShotGap, -1, "arm shots");
}
}  // namespace
