#include "enemies/GunArm.h"

#include "enemies/EnemyMotion.h"
#include "engine/Engine.h"
#include "player/BulletEnemy.h"

namespace {
// Where the arm stops sliding in and keeps its post.
constexpr float ArmPost = 874;
constexpr int ShotChannel = 3;
}  // namespace

GunArm::GunArm(float x, float y, int fireIntervalMs) : FireIntervalMs(fireIntervalMs) {
    PosX = x;
    PosY = y;
    ImagePath = "Image/BigBug.png";
}

void GunArm::Load() {
    Enemy::Load();
    Speed = 1.0f;
    Health = 300;
    Size = 55;
    Clock.Start();
    Sound = Engine->Sounds.Get("Sound/bullet.wav", 25);
    FireClock.Start();
}

bool GunArm::Update(float seconds) {
    Enemy::Update(seconds);
    HoverAndSlideIn(*this, Clock, ArmPost);
    Fire();
    SyncWithGame(Clock, seconds);
    FireHold.Sync(seconds, {&FireClock});
    return false;
}

void GunArm::Fire() {
    if (!FireClock.Started || FireClock.GetTicks() <= FireIntervalMs)
        return;
    SoundCache::Play(ShotChannel, Sound);
    Engine->AddToScreen(new BulletEnemy(PosX, PosY + static_cast<float>(Size / 2 + 3)), "Stage1");
    FireClock.Start();
}
