#include "player/Ship.h"

#include <cmath>

#include "engine/Engine.h"
#include "engine/Image.h"
#include "engine/Layout.h"
#include "engine/PanChannel.h"
#include "engine/SoundCache.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Volleys.h"

namespace {
// The right quarter of the window stays out of the ship's reach.
constexpr int PlayRight = 768;
constexpr int PlayTop = 80;
constexpr int PlayBottom = Layout::WindowHeight;
constexpr int ShotChannel = 1;
constexpr float Damping = 0.995f;
// The drift that pulls an idle ship back toward the left of the screen.
constexpr float FarDrift = 0.07f;
constexpr float NearDrift = 0.08f;
}  // namespace

Ship::Ship() { ImagePath = "Image/ship.png"; }

void Ship::Load() {
    Solid::Load();
    PosX = 100;
    PosY = 300;
    Thrust = 2.5f;
    Size = 60;
    BulletSpeed = 300;
    FireDelay = 200;
    Sprite->SetFrames(0, 0, 64, 64, 3);
    ThrustClock.Start();
    FireClock.Start();
    Animated = true;
    Leaving = false;
    // The chunk belongs to the sound cache; null when the game is silent.
    Sound = Engine->Sounds.Get("Sound/bullet.wav", 50);
    Frame = 0;
    CannonLevel = 1;
}

bool Ship::Update(float seconds) {
    Move(seconds);
    Steer();
    KeepInBounds();
    PanSound();
    return false;
}

// Thrust, damping and the victory pull act once per frame, not per second.
void Ship::Steer() {
    SpeedX *= Damping;
    SpeedY *= Damping;

    if (Leaving) {
        const float dx = Layout::WindowWidth - PosX;
        const float dy = 300 - PosY;
        const float d = std::sqrt(dx * dx + dy * dy);
        // Right on the exit point there is no direction to be pulled in.
        if (d > 0) {
            SpeedX += dx / d;
            SpeedY += dy / d;
        }
        AnimateThrust();
        return;
    }

    const EveHandler& input = Engine->Input;
    if (input.IsKeyHeld(SDLK_d)) {
        SpeedX += Thrust;
        AnimateThrust();
    } else {
        Frame = 0;
    }
    if (input.IsKeyHeld(SDLK_a))
        SpeedX -= Thrust;
    if (input.IsKeyHeld(SDLK_w))
        SpeedY -= Thrust;
    if (input.IsKeyHeld(SDLK_s))
        SpeedY += Thrust;
    if (input.IsKeyHeld(SDLK_SPACE) && FireClock.GetTicks() > FireDelay)
        Fire();
}

// The exhaust flickers between frames 1 and 2 every 50 ms.
void Ship::AnimateThrust() { Frame = ThrustClock.GetTicks() % 100 < 50 ? 1 : 2; }

void Ship::KeepInBounds() {
    if (PosX > 175)
        SpeedX -= FarDrift;
    if (PosX > 100)
        SpeedX -= NearDrift;
    if (PosX < 0) {
        PosX = 0;
        SpeedX = 0;
    }
    if (PosX > PlayRight - Size && !Leaving) {
        PosX = static_cast<float>(PlayRight - Size);
        SpeedX = 0;
    }
    if (PosY < PlayTop) {
        PosY = PlayTop;
        SpeedY = 0;
    }
    if (PosY > PlayBottom - Size) {
        PosY = static_cast<float>(PlayBottom - Size);
        SpeedY = 0;
    }
    // A leaving ship is parked well off screen once it crosses the edge.
    if (PosX > Layout::WindowWidth)
        PosX = 1524;
}

// The shots sound from the ship's side of the screen.
void Ship::PanSound() {
    if (Engine->AudioOpen)
        PanChannel(ShotChannel, PosX);
}

void Ship::Fire() {
    const std::vector<VolleyShot>& shots = Volleys::ForLevel(CannonLevel);
    if (!shots.empty()) {
        SoundCache::Play(ShotChannel, Sound);
        // Level 7 throws the ship's own forward speed into its shots.
        const int speed = CannonLevel == 7 ? static_cast<int>(static_cast<float>(BulletSpeed) + SpeedX) : BulletSpeed;
        for (const VolleyShot& shot : shots)
            Engine->AddToScreen(MakeBullet(shot, speed), "Stage1");
    }
    FireClock.Start();
}

float Ship::SpawnX(VolleyShot::Point point) const {
    const bool vertical = point == VolleyShot::Point::TopVertical || point == VolleyShot::Point::BottomVertical;
    return PosX + static_cast<float>((vertical ? Size / 2 : Size) + 5);
}

float Ship::SpawnY(VolleyShot::Point point) const {
    switch (point) {
    case VolleyShot::Point::Centre:
        return PosY + static_cast<float>(Size / 2 + 3);
    case VolleyShot::Point::Upper:
    case VolleyShot::Point::TopVertical:
        return PosY + static_cast<float>(Size / 2 - 13);
    case VolleyShot::Point::Lower:
    case VolleyShot::Point::BottomVertical:
        return PosY + static_cast<float>(Size / 2 + 18);
    }
    return PosY;
}

Entity* Ship::MakeBullet(const VolleyShot& shot, int speed) const {
    const float x = SpawnX(shot.Spawn);
    const float y = SpawnY(shot.Spawn);
    const bool green = shot.Bullet == VolleyShot::Kind::Green;
    if (shot.Direction == 0) {
        if (green)
            return new GreenBullet(x, y, speed);
        return new RedBullet(x, y, speed);
    }
    if (green)
        return new GreenBullet(x, y, speed, shot.Direction);
    return new RedBullet(x, y, speed, shot.Direction);
}
