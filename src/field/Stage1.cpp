#include "field/Stage1.h"

#include <algorithm>
#include <cassert>

#include "effects/Background.h"
#include "effects/BackgroundLayer2.h"
#include "effects/BackgroundPlanet.h"
#include "enemies/EnemyMotion.h"
#include "enemies/GunArm.h"
#include "enemies/TheBoss.h"
#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/MusicTrack.h"
#include "engine/SessionWatcher.h"
#include "field/Interactions.h"
#include "field/UI.h"
#include "levels/Campaign.h"
#include "player/Rocket.h"
#include "player/Ship.h"
#include "screens/LoadingScreen.h"
#include "screens/MainScreen.h"

namespace {
Skill Coming = Skill::Normal;
Assists ComingHelps;
}  // namespace

void Stage1::SetComingSkill(Skill skill) { Coming = skill; }
Skill Stage1::ComingSkill() { return Coming; }
void Stage1::SetComingAssists(const Assists& helps) { ComingHelps = helps; }
const Assists& Stage1::ComingAssists() { return ComingHelps; }

Stage1::Stage1() : Stage1(Campaign::Start(1)) {}

Stage1::Stage1(LevelStart start)
    : Engine(&Engine::Instance()), Difficulty(Coming), Helps(ComingHelps), Start(std::move(start)) {
    assert(Start.Plan != nullptr);
    assert(Assists::SpeedAllowed(Helps.SpeedPercent));
    Shop.RepairPrice = Rules().RepairPrice;
    Waves.Rules = &Rules();
    Waves.Plan = Start.Plan;
    Waves.FewerFlashes = Helps.FewerFlashes;
    if (const std::optional<LevelStart> next = Campaign::Next(Start, {}))
        NextLevelName = next->Plan->Name;
}

// The entities still in the list are deleted by the base destructor.
Stage1::~Stage1() {
    if (Engine->Watcher != nullptr)
        Engine->Watcher->LevelEnding(*this);
    MusicTrack::Free(Music);
    LevelPace = 100;
}

namespace {
template <class Layer>
Entity* BackdropLayer(const std::string& picture, uint32_t tint) {
    Layer* layer = new Layer();
    layer->ImagePath = "Image/" + picture + ".png";
    layer->Tint = tint;
    return layer;
}
}  // namespace

void Stage1::Load(std::string name) {
    Name = std::move(name);
    Visible = true;
    BlocksNext = false;
    GameOver = false;
    Victory = false;
    Engine->RemoveScreen("LoadingScreen");
    Waves.ScreenName = Name;
    if (Start.Practice)
        Waves.StartAt(Start.FromMs);
    LevelPace = Helps.SpeedPercent;
    Music = MusicTrack::Start("Sound/" + Start.Plan->Music + ".mp3");
    // Backdrops first, then the ship and the HUD: everything spawned later
    // is painted over them.
    AddBackdrop();
    Engine->AddToScreen(new Ship(), Name);
    Engine->AddToScreen(new UI(Difficulty), Name);
    Equip();
    if (Engine->Watcher != nullptr)
        Engine->Watcher->LevelStarted(*this);
}

void Stage1::AddBackdrop() {
    const Level::Backdrop& look = Start.Plan->Look;
    Engine->AddToScreen(BackdropLayer<Background>(look.Far, look.FarTint), Name);
    Engine->AddToScreen(BackdropLayer<BackgroundPlanet>(look.Drift, look.DriftTint), Name);
    Engine->AddToScreen(BackdropLayer<BackgroundLayer2>(look.Near, look.NearTint), Name);
}

void Stage1::Equip() {
    UI* hud = FindHud();
    Ship* ship = nullptr;
    for (Entity* e : Entities)
        if (Ship* found = As<Ship>(e))
            ship = found;
    if (hud == nullptr || ship == nullptr)
        return;
    const Loadout& carried = Start.Ship;
    hud->PlayerHealth = carried.Health;
    hud->PlayerShield = carried.Shield;
    hud->PlayerMoney = carried.Money;
    hud->PlayerScore = carried.Score;
    hud->LevelNumber = Start.Number;
    hud->LevelName = Start.Plan->Name;
    hud->NextLevelName = NextLevelName.value_or("");
    hud->CampaignRun = Start.InCampaign;
    hud->CampaignEnd = Start.InCampaign && !LeadsOn();
    hud->Invincible = Helps.Invincible;
    hud->RunMark = Start.Practice ? TrNoop("PRACTICE") : Helps.Assisted() ? TrNoop("ASSIST") : "";
    Shop.Equip(*ship, carried.Cannons, carried.RapidFires);
}

Loadout Stage1::Carried() const {
    Loadout now;
    if (const UI* hud = FindHud()) {
        now.Health = hud->PlayerHealth;
        now.Shield = hud->PlayerShield;
        now.Money = hud->PlayerMoney;
        now.Score = hud->PlayerScore;
    }
    now.Cannons = Shop.CannonCount;
    now.RapidFires = Shop.RapidFireCount;
    return now;
}

UI* Stage1::FindHud() const {
    for (Entity* e : Entities)
        if (UI* hud = As<UI>(e))
            return hud;
    return nullptr;
}

bool Stage1::Update(float seconds) {
    if (GameOver)
        seconds = 0;  // the level freezes once the ship is gone
    if (UI* hud = FindHud()) {
        if (hud->Update(seconds))
            return true;
        if (RunPairPasses(*hud, seconds))
            return true;
        if (FollowOverlays(*hud, seconds))
            return false;
    }
    // A won level spawns nothing more while the ship lives.
    if (!Victory || GameOver)
        Waves.Update(seconds);
    return false;
}

// Every push deletes this stage inside the call: nothing of it may be
// touched after one.
bool Stage1::FollowOverlays(UI& hud, float seconds) {
    const bool goesOn = Victory && !GameOver && LeadsOn();
    hud.NextLevelView = goesOn;
    if (Victory && !VictoryClock.Started)
        VictoryClock.Start();
    SyncWithGame(VictoryClock, seconds);
    if (goesOn && (hud.NextClicked || VictoryClock.GetTicks() > NextLevelAfterMs)) {
        HandedOver = true;
        Engine->PushScreen(new LoadingScreen(*Campaign::Next(Start, Carried())), "LoadingScreen");
        return true;
    }
    // A practice start that comes back at once: the ship's end is the
    // frame the level is left in.
    if (hud.ReplayClicked || (GameOver && Start.Practice && Start.RestartAtOnce)) {
        Engine->PushScreen(new LoadingScreen(Again()), "LoadingScreen");
        return true;
    }
    if (hud.ExitClicked) {
        Engine->PushScreen(new MainScreen(), "MainScreen");
        return true;
    }
    return false;
}

LevelStart Stage1::Again() const {
    if (Start.InCampaign)
        return Campaign::Start(1);
    // Practice comes back to its mark with the ship it chose.
    if (Start.Practice)
        return Start;
    LevelStart again = Start;
    again.Ship = Loadout{};
    return again;
}

// Removals swap the last entity into the freed slot, so both passes walk by
// index and re-read the list: the entity moved into slot j skips its pairing
// with this A, and one moved into slot i stands in for the removed A.
bool Stage1::RunPairPasses(UI& hud, float seconds) {
    Pairs.Rebuild(Entities);
    for (size_t i = 0; i < Entities.size(); ++i) {
        if (Entities[i]->Update(seconds))
            return true;
        Pairs.Sync(Entities);
        if (Entities[i]->Dead)
            Pairs.MarkDead(i);
        RunInnerPass(hud, i);
        if (i < Entities.size() && Entities[i]->Dead)
            RemoveAt(i);
    }
    return false;
}

// Only pairs that some rule concerns are visited; the others would change
// nothing. A changes when it is removed and the last entity takes its slot.
void Stage1::RunInnerPass(UI& hud, size_t i) {
    for (size_t j = 0; i < Entities.size(); ++j) {
        Entity& a = *Entities[i];
        j = NextPartner(a, j);
        if (j >= Entities.size())
            return;
        Entity* b = Entities[j];
        ApplyPairRules(hud, a, *b);
        Pairs.Sync(Entities);
        if (a.Dead)
            Pairs.MarkDead(i);
        if (b->Dead)
            RemoveAt(j);
    }
}

// The ship has rules with everything; a player's shot with its targets.
// Every other pair can only matter through the inner entity (boss checks,
// swarm steering, removal of the dead), which the index watches. Slot 0 is
// always visited: the swarm's scatter clock is checked at the first pair of
// every turn, as it is when every pair is walked.
size_t Stage1::NextPartner(const Entity& a, size_t from) const {
    if (from == 0 || Is<Ship>(&a))
        return from;
    return IsPlayerProjectile(a) ? Pairs.NextTargetOrWatched(from) : Pairs.NextWatched(from);
}

void Stage1::RemoveAt(size_t slot) {
    Engine->RemoveFromScreen(Entities[slot], Name);
    Pairs.Removed(slot);
    assert(Pairs.Size() == Entities.size());
}

void Stage1::ApplyPairRules(UI& hud, Entity& a, Entity& b) {
    if (Ship* ship = As<Ship>(&a))
        ShipRules(hud, *ship, b);
    ProjectileHit(hud, a, b, Name);
    HomeRockets(&a, &b);
    SettleBoss(b, false);
    Tracker.Steer(&b);
    SettleBoss(b, true);
}

void Stage1::ShipRules(UI& hud, Ship& ship, Entity& b) {
    Shop.Update(hud, ship);
    ShipContact(hud, ship, b, Name);
    PullMoney(b, ship.PosX, ship.PosY);
    Tracker.ShipX = ship.PosX;
    Tracker.ShipY = ship.PosY;
    if (ship.Dead)
        GameOver = true;
    ship.Leaving = Victory;
    hud.VictoryView = Victory;
}

void Stage1::SettleBoss(Entity& b, bool settleVictory) {
    if (Is<TheBoss>(&b) && b.Dead) {
        Tracker.BossDead = true;
        // The boss's death wins the level, whether or not a gun arm is
        // still there to be cleared with it.
        if (settleVictory)
            Victory = true;
    }
    if (Is<GunArm>(&b) && Tracker.BossDead) {
        b.Dead = true;
        if (settleVictory)
            Victory = true;
    }
}

namespace {
// Smoke, explosions and money pieces pass under the HUD panel, never over it.
bool IsDecoration(const Entity& e) {
    switch (e.Kind()) {
    case EntityKind::SmokeTrail:
    case EntityKind::SmallExplosion:
    case EntityKind::MedExplosion:
    case EntityKind::BigExplosion:
    case EntityKind::SmallMoney:
    case EntityKind::MedMoney:
    case EntityKind::HugeMoney:
        return true;
    default:
        return false;
    }
}

// The part of `clip` below the first `top` rows.
SDL_Rect Below(const SDL_Rect& clip, int top) {
    const int from = std::max<int>(clip.y, top);
    const int to = clip.y + clip.h;
    return {clip.x, static_cast<Sint16>(from), clip.w, static_cast<Uint16>(std::max(0, to - from))};
}
}  // namespace

// Everything in list order (what is spawned in play covers the ship, and
// all but the decoration covers the HUD panel), then the HUD's overlays on
// top of it all.
void Stage1::Draw(SDL_Surface* target) {
    UI* hud = FindHud();
    const SDL_Rect whole = target->clip_rect;
    SDL_Rect underPanel = Below(whole, hud != nullptr ? hud->PanelHeight() : 0);
    for (size_t i = 0; i < Entities.size(); ++i) {
        Entity* e = Entities[i];
        if (!IsDecoration(*e)) {
            e->Draw(target);
            continue;
        }
        SDL_SetClipRect(target, &underPanel);
        e->Draw(target);
        SDL_SetClipRect(target, &whole);
    }
    if (hud != nullptr)
        hud->DrawOverlays(target);
}
