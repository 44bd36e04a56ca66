#include "enemies/WaveScript.h"

#include <array>
#include <cstdlib>

#include "enemies/EnemyMotion.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "engine/Engine.h"
#include "engine/Layout.h"
#include "engine/Random.h"

namespace {
// Single mines and rocks enter just right of the window at a random height;
// formations and the big groups enter at the window's edge.
constexpr float LooseEntryX = 1044;
constexpr float FormationX = Layout::WindowWidth;
constexpr float UpperLaneY = 150;
constexpr float LowerLaneY = 450;
constexpr int FormationGapMs = 500;
constexpr int GroupGapMs = 1000;
constexpr int SmallRockGapMs = 1000;
constexpr int MediumRockGapMs = 3000;
constexpr int BigRockGapMs = 5000;
constexpr int32_t FirstBlockMs = 20000;
constexpr int32_t SecondBlockMs = 130000;

int RandomHeight() { return Random::Draw() % 490 + 55; }

bool Due(const Timer& clock, int gapMs) { return clock.Started && clock.GetTicks() > gapMs; }
}  // namespace

// One line of the schedule: while the level time lies strictly inside
// (From, To), the wave runs every frame; its spawn clock spaces the enemies.
struct WaveScript::Rule {
    enum class Wave { RandomMines, Column, TwoColumns, SmallRocks, MediumRocks, BigRocks, Swarm, BossGroup };
    int32_t From;
    int32_t To;
    Wave What;
    int Kind = 0;
    float Y = 0;
};

std::array<WaveScript::Rule, 20> WaveScript::Schedule() const {
    // Formation slot n of a block opens n group intervals after the block
    // starts and closes a second before the next slot opens.
    using Wave = Rule::Wave;
    const int gap = GroupInterval;
    auto from = [gap](int32_t block, int n) { return block + n * gap; };
    auto to = [gap](int32_t block, int n) { return block - 1000 + (n + 1) * gap; };
    const int32_t b1 = FirstBlockMs;
    const int32_t b2 = SecondBlockMs;
    return {{
        {2000, 18000, Wave::RandomMines, 0},
        {from(b1, 0), to(b1, 0), Wave::Column, 1, UpperLaneY},
        {from(b1, 1), to(b1, 1), Wave::Column, 1, 300},
        {from(b1, 2), to(b1, 2), Wave::Column, 1, LowerLaneY},
        {from(b1, 3), to(b1, 3), Wave::Column, 2, 300},
        {from(b1, 4), to(b1, 4), Wave::TwoColumns, 2},
        // The first block ends on a longer column of the wildest mines.
        {from(b1, 5), from(b1, 6), Wave::Column, 3, 300},
        {43000, 65000, Wave::RandomMines, 1},
        {65000, 80000, Wave::RandomMines, 2},
        {75000, 120000, Wave::SmallRocks},
        {80000, 115000, Wave::MediumRocks},
        {85000, 110000, Wave::BigRocks},
        {123000, 123500, Wave::Swarm},
        {from(b2, 0), to(b2, 0), Wave::TwoColumns, 2},
        {from(b2, 1), to(b2, 1), Wave::Column, 1, 300},
        {from(b2, 2), to(b2, 2), Wave::TwoColumns, 2},
        {from(b2, 3), to(b2, 3), Wave::Column, 1, 300},
        {from(b2, 4), to(b2, 4), Wave::TwoColumns, 2},
        {150000, 150500, Wave::Swarm},
        {160000, 160500, Wave::BossGroup},
    }};
}

WaveScript::WaveScript() : Engine(&Engine::Instance()) {
    LevelClock.Start();
    SpawnClock.Start();
    SecondLaneClock.Start();
    SmallRockClock.Start();
    MediumRockClock.Start();
    BigRockClock.Start();
}

void WaveScript::Update(float seconds) {
    SyncClocks(seconds);
    // Level time stands still, so nothing is due. Running the rules anyway
    // would let a spawn restart its clock mid-pause, leaking paused time
    // into the spacing and spending random draws the unpaused game never makes.
    if (seconds == 0)
        return;
    for (const Rule& rule : Schedule())
        if (IsOpen(rule))
            Run(rule);
}

void WaveScript::SyncClocks(float seconds) {
    for (Timer* clock : {&LevelClock, &SpawnClock, &SecondLaneClock, &SmallRockClock, &MediumRockClock, &BigRockClock})
        SyncWithGame(*clock, seconds);
}

bool WaveScript::IsOpen(const Rule& rule) const {
    const int32_t now = LevelClock.GetTicks();
    return rule.From < now && now < rule.To;
}

void WaveScript::Run(const Rule& rule) {
    using Wave = Rule::Wave;
    switch (rule.What) {
    case Wave::RandomMines:
        SpawnRandomMine(rule.Kind);
        break;
    case Wave::Column:
        SpawnFormationMine(rule.Kind, 1, FormationX, rule.Y);
        break;
    case Wave::TwoColumns:
        SpawnFormationMine(rule.Kind, 1, FormationX, UpperLaneY);
        SpawnFormationMine(rule.Kind, 2, FormationX, LowerLaneY);
        break;
    case Wave::SmallRocks:
        SpawnSmallRock(LooseEntryX, static_cast<float>(RandomHeight()));
        break;
    case Wave::MediumRocks:
        SpawnMediumRock(LooseEntryX, static_cast<float>(RandomHeight()));
        break;
    case Wave::BigRocks:
        SpawnBigRock(LooseEntryX, static_cast<float>(RandomHeight()));
        break;
    case Wave::Swarm:
        if (GroupDue())
            Add(new SwarmMother(FormationX, 300));  // her Load brings the children
        break;
    case Wave::BossGroup:
        if (GroupDue()) {
            Add(new GunArm(FormationX, 80, *Rules));
            Add(new TheBoss(FormationX, 150, *Rules));
            Add(new GunArm(FormationX, 300, *Rules));
        }
        break;
    }
}

void WaveScript::SpawnRandomMine(int kind) {
    // A fresh threshold every frame gives irregular gaps of 0.5 to 2 s.
    const int threshold = Random::Draw() % 1500 + 500;
    if (SpawnClock.GetTicks() <= threshold)
        return;
    SpawnClock.Start();
    const float y = static_cast<float>(RandomHeight());
    Add(new TheFoo(LooseEntryX, y, kind));
}

void WaveScript::SpawnFormationMine(int kind, int lane, float x, float y) {
    Timer& laneClock = lane == 1 ? SpawnClock : SecondLaneClock;
    if ((lane != 1 && lane != 2) || !Due(laneClock, FormationGapMs))
        return;
    Add(new TheFoo(x, y, kind));
    laneClock.Start();
}

void WaveScript::SpawnSmallRock(float x, float y) {
    if (!Due(SmallRockClock, SmallRockGapMs))
        return;
    Add(new SpaceRockSmall(x, y, "Image/SpaceRockSmall.png"));
    SmallRockClock.Start();
}

void WaveScript::SpawnMediumRock(float x, float y) {
    if (!Due(MediumRockClock, MediumRockGapMs))
        return;
    Add(new SpaceRockMedium(x, y, "Image/SpaceRockMedium.png"));
    MediumRockClock.Start();
}

void WaveScript::SpawnBigRock(float x, float y) {
    if (!Due(BigRockClock, BigRockGapMs))
        return;
    Add(new SpaceRockBig(x, y, "Image/BigRock.png"));
    BigRockClock.Start();
}

bool WaveScript::GroupDue() {
    if (!Due(SpawnClock, GroupGapMs))
        return false;
    SpawnClock.Start();
    return true;
}

void WaveScript::Add(class Entity* entity) { Engine->AddToScreen(entity, ScreenName); }
