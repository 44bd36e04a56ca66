#include "enemies/WaveScript.h"

#include <cmath>

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
#include "levels/Campaign.h"

namespace {
// Single mines and rocks enter just right of the window at a random height;
// formations and the groups enter at the window's edge.
constexpr float LooseEntryX = 1044;
constexpr float FormationX = Layout::WindowWidth;
// Rocks from above or below enter somewhere over the right part of the window.
constexpr int RockEntryLeft = 500;
constexpr int RockEntryWidth = 600;
// The boss's gun arms: above it and below it; arms of their own, one under another.
constexpr float UpperArmAbove = 70;
constexpr float LowerArmBelow = 150;
constexpr float ArmSpacing = 130;

int RandomHeight() { return Random::Draw() % 490 + 55; }
}  // namespace

WaveScript::WaveScript() : Engine(&Engine::Instance()), Plan(Campaign::Get(1)) {
    LevelClock.Start();
    for (Timer& lane : LaneClocks)
        lane.Start();
}

// Nothing was sent before: every lane is as ready as it would be had it
// waited since the level began.
void WaveScript::StartAt(int32_t levelMs) {
    const auto backdate = [levelMs](Timer& clock) {
        clock.Start();
        clock.StartTicks -= static_cast<uint32_t>(levelMs);
    };
    backdate(LevelClock);
    for (Timer& lane : LaneClocks)
        backdate(lane);
}

void WaveScript::Update(float seconds) {
    SyncClocks(seconds);
    // Level time stands still, so nothing is due. Running the waves anyway
    // would let a spawn restart its clock mid-pause, leaking paused time
    // into the spacing and spending random draws the unpaused game never makes.
    if (seconds == 0)
        return;
    for (const Wave& wave : Plan->Waves)
        if (IsOpen(wave))
            Run(wave);
}

void WaveScript::SyncClocks(float seconds) {
    SyncWithGame(LevelClock, seconds);
    for (Timer& lane : LaneClocks)
        SyncWithGame(lane, seconds);
}

bool WaveScript::IsOpen(const Wave& wave) const {
    const int32_t now = LevelClock.GetTicks();
    return wave.From < now && now < wave.To;
}

bool WaveScript::Due(const Wave& wave) {
    Timer& lane = LaneOf(wave);
    if (!lane.Started || lane.GetTicks() <= wave.GapMs)
        return false;
    lane.Start();
    return true;
}

void WaveScript::Run(const Wave& wave) {
    using Kind = Wave::Kind;
    switch (wave.What) {
    case Kind::Mines:
        SpawnRandomMine(wave);
        break;
    case Kind::Column:
        if (Due(wave))
            Add(new TheFoo(FormationX, static_cast<float>(wave.Y), wave.MineKind));
        break;
    case Kind::Snake:
        if (Due(wave)) {
            const double phase = 2 * M_PI * (LevelClock.GetTicks() - wave.From) / wave.PeriodMs;
            const float y = static_cast<float>(wave.Y + wave.Spacing * std::sin(phase));
            Add(new TheFoo(FormationX, y, wave.MineKind));
        }
        break;
    case Kind::Vee:
        SpawnVee(wave);
        break;
    case Kind::Rocks:
        SpawnRock(wave);
        break;
    case Kind::Swarm:
        if (Due(wave))
            Add(new SwarmMother(FormationX, static_cast<float>(wave.Y), wave.Count));  // her Load brings the children
        break;
    case Kind::Arms:
        SpawnArms(wave);
        break;
    case Kind::Boss:
        SpawnBossGroup(wave);
        break;
    }
}

void WaveScript::SpawnRandomMine(const Wave& wave) {
    // A fresh threshold every frame gives irregular gaps.
    const int threshold = wave.SpreadMs > 0 ? Random::Draw() % wave.SpreadMs + wave.GapMs : wave.GapMs;
    Timer& lane = LaneOf(wave);
    if (lane.GetTicks() <= threshold)
        return;
    lane.Start();
    const float y = static_cast<float>(RandomHeight());
    Add(new TheFoo(LooseEntryX, y, wave.MineKind));
}

// The entry point is drawn in every frame of the window, whether or not
// the lane lets a rock through.
void WaveScript::SpawnRock(const Wave& wave) {
    using Side = Wave::Side;
    const bool fromRight = wave.Enters == Side::Right;
    const int drawn = fromRight ? RandomHeight() : Random::Draw() % RockEntryWidth + RockEntryLeft;
    if (!Due(wave))
        return;
    Enemy* rock = nullptr;
    int side = 0;
    switch (wave.Rock) {
    case Wave::Size::Small:
        rock = new SpaceRockSmall(0, 0, "Image/SpaceRockSmall.png");
        side = SpaceRockSmall::Side;
        break;
    case Wave::Size::Medium:
        rock = new SpaceRockMedium(0, 0, "Image/SpaceRockMedium.png");
        side = SpaceRockMedium::Side;
        break;
    case Wave::Size::Big:
        rock = new SpaceRockBig(0, 0, "Image/BigRock.png");
        side = SpaceRockBig::Side;
        break;
    }
    if (fromRight) {
        rock->PosX = LooseEntryX;
        rock->PosY = static_cast<float>(drawn);
    } else {
        // Just out of sight above or below the window, falling or rising in.
        const bool fromTop = wave.Enters == Side::Top;
        rock->PosX = static_cast<float>(drawn);
        rock->PosY = fromTop ? static_cast<float>(-side) : static_cast<float>(Layout::WindowHeight);
        rock->SpeedY = static_cast<float>(fromTop ? wave.Fall : -wave.Fall);
    }
    Add(rock);
}

// The tip first, then the two arms of the V row by row, above and below.
void WaveScript::SpawnVee(const Wave& wave) {
    if (!Due(wave))
        return;
    for (int i = 0; i < wave.Count; ++i) {
        const int row = (i + 1) / 2;
        const int side = i % 2 == 1 ? -1 : 1;
        const float x = FormationX + static_cast<float>(row * wave.Spacing);
        const float y = static_cast<float>(wave.Y + side * row * wave.Spacing);
        Add(new TheFoo(x, y, wave.MineKind));
    }
}

void WaveScript::SpawnArms(const Wave& wave) {
    if (!Due(wave))
        return;
    const int fireMs = wave.FireMs * Rules->ArmFirePercent / 100;
    for (int i = 0; i < wave.Count; ++i)
        Add(new GunArm(FormationX, static_cast<float>(wave.Y) + ArmSpacing * static_cast<float>(i), fireMs));
}

void WaveScript::SpawnBossGroup(const Wave& wave) {
    if (!Due(wave))
        return;
    const float y = static_cast<float>(wave.Y);
    const int fireMs = Plan->Boss.ArmFireMs * Rules->ArmFirePercent / 100;
    Add(new GunArm(FormationX, y - UpperArmAbove, fireMs));
    TheBoss* boss = new TheBoss(FormationX, y, Plan->Boss, *Rules);
    boss->DimFlash = FewerFlashes;
    Add(boss);
    Add(new GunArm(FormationX, y + LowerArmBelow, fireMs));
}

void WaveScript::Add(class Entity* entity) { Engine->AddToScreen(entity, ScreenName); }
