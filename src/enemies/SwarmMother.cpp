#include "enemies/SwarmMother.h"

#include <cmath>
#include <cstdlib>

#include "enemies/EnemyMotion.h"
#include "enemies/SwarmChildren.h"
#include "engine/Engine.h"
#include "engine/Random.h"

namespace {
constexpr int ChildSpacing = 64;
}  // namespace

SwarmMother::SwarmMother(float x, float y, int children) : Children(children) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/BigBug.png";
}

void SwarmMother::Load() {
    Enemy::Load();
    Speed = 125;
    Health = 35;
    Size = 64;
    Clock.Start();
    SpawnChildren();
}

bool SwarmMother::Update(float seconds) {
    Enemy::Update(seconds);
    SpeedX = -Speed;
    SpeedY = static_cast<float>(100.0 * std::sin(0.002 * Clock.GetTicks()));
    SyncWithGame(Clock, seconds);
    return false;
}

void SwarmMother::SpawnChildren() {
    // A loose row trailing behind her; she is still being loaded, so the
    // children join the screen's list before her and she is drawn on top.
    for (int offset = 0; offset < Children * ChildSpacing; offset += ChildSpacing) {
        const float y = PosY + static_cast<float>(Random::Draw() % 50);
        const float x = PosX + 80 + static_cast<float>(offset / 2 + Random::Draw() % 20);
        Engine->AddToScreen(new SwarmChildren(x, y), "Stage1");
    }
}
