#include "enemies/TheBoss.h"

#include "enemies/EnemyMotion.h"
#include "engine/Engine.h"
#include "engine/Image.h"

namespace {
constexpr float BossPost = 724;
constexpr int BeamChannel = 4;
const char* const ChargingBeamPath = "Image/ChargingBeam.png";
const char* const RayPath = "Image/Ray.png";

// The beam sounds for a moment this long before the charge begins (ms).
constexpr int SoundLead = 550;
constexpr int SoundLength = 50;
constexpr int FlickerGapMs = 100;
// Time (ms) since the charge ended: the flash, then the ray.
constexpr int FlashFrom = 100;
constexpr int FlashTo = 200;

constexpr int BeamCopies = 8;
constexpr int RayCopies = 16;

bool Inside(int value, int from, int to) { return from < value && value < to; }

void Blit(Image* picture, SDL_Surface* target, float x, float y) {
    SDL_Rect dest{static_cast<Sint16>(static_cast<int>(x)), static_cast<Sint16>(static_cast<int>(y)), 0, 0};
    SDL_UpperBlit(picture->Surface, nullptr, target, &dest);
}
}  // namespace

TheBoss::TheBoss(float x, float y, const Level::BossPlan& plan, const SkillRules& rules)
    : Plan(plan), FullHealth(plan.Health * rules.BossHealthPercent / 100) {
    PosX = x;
    PosY = y;
    // Loaded now so the first charge does not stall on a file read.
    FetchImage(ChargingBeamPath);
    FetchImage(RayPath);
    ImagePath = "Image/TheBoss.png";
}

TheBoss::~TheBoss() {
    if (Tint != nullptr)
        SDL_FreeSurface(Tint);
    // Silence a beam that is still sounding; the chunk itself is the cache's.
    if (Engine::Instance().AudioOpen)
        Mix_Pause(BeamChannel);
}

void TheBoss::Load() {
    Enemy::Load();
    Speed = 1.0f;
    Health = FullHealth;
    Size = 128;
    Animated = true;
    RayActive = false;
    // Frame 0 idle, frame 1 firing.
    Sprite->SetFrames(0, 0, 260, 127, 2);
    CycleClock.Start();
    FlickerClock.Start();
    Clock.Start();
    RayClock.Pause();
    Sound = Engine->Sounds.Get("Sound/Raybeam.wav", -1);
}

bool TheBoss::Update(float seconds) {
    Enemy::Update(seconds);
    HoverAndSlideIn(*this, Clock, BossPost);
    SyncWithGame(Clock, seconds);
    // A paused game must not charge, flash or fire behind the player's back.
    AttackHold.Sync(seconds, {&CycleClock, &FlickerClock, &RayClock});
    return false;
}

void TheBoss::Draw(SDL_Surface* target) {
    Solid::Draw(target);
    DrawCharging(target);
    DrawRay(target);
}

int TheBoss::RayEndMs() const { return FlashTo + Plan.RayMs; }

void TheBoss::DrawCharging(SDL_Surface* target) {
    if (!CycleClock.Started)
        return;
    const int soundFrom = Plan.ChargeAtMs - SoundLead;
    if (Inside(CycleClock.GetTicks(), soundFrom, soundFrom + SoundLength))
        SoundCache::Play(BeamChannel, Sound);
    if (!Inside(CycleClock.GetTicks(), Plan.ChargeAtMs, ChargeEndMs()))
        return;
    // Held at zero until the charge is over; the flash and ray count from then.
    RayClock.Start();
    // Drawn only in the one frame after each gap, so the beam flickers.
    if (!FlickerClock.Started || FlickerClock.GetTicks() <= FlickerGapMs)
        return;
    FlickerClock.Start();
    Image* beam = FetchImage(ChargingBeamPath);
    const float upperY = PosY + static_cast<float>(Size / 2 - 11);
    const float lowerY = PosY + static_cast<float>(Size / 2 + 6);
    for (int k = 0; k < BeamCopies; ++k) {
        const float x = PosX - 50 - static_cast<float>(k * 100);
        Blit(beam, target, x, upperY);
        Blit(beam, target, x, lowerY);
    }
}

namespace {
// A faint blue-grey veil: the ray's coming is still seen, with no glare.
constexpr Uint8 TintAlpha = 56;
}  // namespace

void TheBoss::DrawFlash(SDL_Surface* target) {
    if (!DimFlash) {
        SDL_FillRect(target, &target->clip_rect, SDL_MapRGB(target->format, 255, 255, 255));
        return;
    }
    if (Tint == nullptr) {
        Tint = SDL_CreateRGBSurface(SDL_SWSURFACE, target->w, target->h, 32, 0, 0, 0, 0);
        if (Tint == nullptr)
            return;
        SDL_FillRect(Tint, nullptr, SDL_MapRGB(Tint->format, 70, 80, 110));
        SDL_SetAlpha(Tint, SDL_SRCALPHA, TintAlpha);
    }
    SDL_BlitSurface(Tint, nullptr, target, nullptr);
}

void TheBoss::DrawRay(SDL_Surface* target) {
    if (!RayClock.Started) {
        Frame = 0;
        RayActive = false;
        return;
    }
    if (Inside(RayClock.GetTicks(), FlashFrom, FlashTo))
        DrawFlash(target);
    if (Inside(RayClock.GetTicks(), FlashTo, RayEndMs())) {
        RayActive = true;
        Frame = 1;
        Image* ray = FetchImage(RayPath);
        const float y = PosY + static_cast<float>(Size / 2 - 11);
        for (int k = 0; k < RayCopies; ++k)
            Blit(ray, target, PosX - 75 - static_cast<float>(k * 75), y);
        return;
    }
    if (RayClock.GetTicks() > RayEndMs()) {
        // End of the cycle: the ray clock waits at zero for the next charge.
        RayClock.Start();
        RayClock.Pause();
        CycleClock.Start();
    }
    // The ray is not drawn from here on, so it must not hurt the ship either.
    Frame = 0;
    RayActive = false;
}
