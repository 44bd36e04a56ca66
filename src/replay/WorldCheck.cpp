#include "replay/WorldCheck.h"

#include <cstring>

#include "engine/MainLoop.h"
#include "engine/Random.h"
#include "field/Enemy.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/Ship.h"

namespace {
// FNV-1a over the bytes of each value fed in.
class Fingerprint {
public:
    template <class T>
    void Add(const T& value) {
        unsigned char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        for (unsigned char b : bytes)
            Hash = (Hash ^ b) * 0x100000001b3ULL;
    }
    uint64_t Hash = 0xcbf29ce484222325ULL;
};

void AddEntity(Fingerprint& print, const Entity& e) {
    print.Add(static_cast<uint8_t>(e.Kind()));
    print.Add(e.PosX);
    print.Add(e.PosY);
    print.Add(e.SpeedX);
    print.Add(e.SpeedY);
    print.Add(e.Frame);
    print.Add(e.Dead);
    if (const auto* enemy = dynamic_cast<const Enemy*>(&e))
        print.Add(enemy->Health);
    if (const auto* ship = dynamic_cast<const Ship*>(&e)) {
        print.Add(ship->CannonLevel);
        print.Add(ship->FireDelay);
        print.Add(ship->BulletSpeed);
    }
    if (const auto* hud = dynamic_cast<const UI*>(&e)) {
        print.Add(hud->PlayerHealth);
        print.Add(hud->PlayerShield);
        print.Add(hud->PlayerMoney);
        print.Add(hud->PlayerScore);
        // Only where it can differ, so that other runs keep their values.
        if (hud->Invincible)
            print.Add(hud->HitsTaken);
    }
}
}  // namespace

const char* LevelOutcome::Name(Ending how) {
    switch (how) {
    case Ending::Won:
        return "won";
    case Ending::Lost:
        return "lost";
    case Ending::Left:
        break;
    }
    return "left";
}

uint64_t WorldCheck::Of(const Stage1& level) {
    Fingerprint print;
    print.Add(level.Entities.size());
    for (const Entity* e : level.Entities)
        AddEntity(print, *e);
    print.Add(level.GameOver);
    print.Add(level.Victory);
    print.Add(level.Waves.LevelClock.GetTicks());
    print.Add(GamePaused);
    print.Add(Random::Draws());
    return print.Hash;
}

LevelOutcome WorldCheck::Outcome(const Stage1& level) {
    LevelOutcome outcome;
    if (const UI* hud = level.FindHud()) {
        outcome.Score = hud->PlayerScore;
        outcome.Money = hud->PlayerMoney;
    }
    outcome.LevelMs = static_cast<uint32_t>(level.Waves.LevelClock.GetTicks());
    outcome.HandedOver = level.HandedOver;
    outcome.How = level.Victory    ? LevelOutcome::Ending::Won
                  : level.GameOver ? LevelOutcome::Ending::Lost
                                   : LevelOutcome::Ending::Left;
    return outcome;
}
