#pragma once
#include <SDL/SDL_mixer.h>

#include <optional>
#include <string>

#include "engine/GameScreen.h"
#include "enemies/SwarmTracker.h"
#include "enemies/WaveScript.h"
#include "field/PairIndex.h"
#include "field/Skill.h"
#include "field/SkillRules.h"
#include "levels/Assists.h"
#include "levels/LevelStart.h"
#include "player/Shop.h"

class Engine;
class Entity;
class Ship;
class UI;

// A level in play. It is built from a LevelStart (which level, with what
// ship) and owns its entities, its music, the shop, the wave script and the
// swarm tracker. Each frame it updates every entity, applies the
// interaction rules to every ordered pair, removes finished entities, acts
// on the overlays' Replay and Exit and lets the wave script spawn. It plays
// one level at one skill from its creation to its end.
class Stage1 : public GameScreen {
public:
    // The skill of every level created from now on: Normal until the
    // program says otherwise. The program sets it from the player's settings
    // (or the command line) when it starts and again whenever the player
    // changes the difficulty; a replay sets the skill it recorded while it
    // puts its level up. A level already running keeps its own skill.
    static void SetComingSkill(Skill skill);
    static Skill ComingSkill();
    // The same for the assists the player chose (none until the program
    // says otherwise).
    static void SetComingAssists(const Assists& helps);
    static const Assists& ComingAssists();

    // How long a won level waits before the campaign goes on to the next
    // one by itself.
    static constexpr int NextLevelAfterMs = 8000;

    bool GameOver = false;
    bool Victory = false;
    // The campaign went on from here to its next level.
    bool HandedOver = false;
    class Engine* Engine;
    Mix_Music* Music = nullptr;
    class Shop Shop;
    WaveScript Waves;
    SwarmTracker Tracker;
    // The skill this level plays, the coming skill when it was created.
    const Skill Difficulty;
    // The assists this level plays with, the coming ones when it was created.
    const Assists Helps;
    // The level played and the ship it began with.
    const LevelStart Start;

    // The campaign's first level with a new game's ship.
    Stage1();
    explicit Stage1(LevelStart start);
    ~Stage1() override;
    void Load(std::string name) override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;

    const SkillRules& Rules() const { return SkillRules::Of(Difficulty); }
    // The level's HUD panel (the first in the list), or null.
    UI* FindHud() const;

    // What the ship has now, to be carried into another level.
    Loadout Carried() const;
    // A practice run or one with an assist that changes play: it makes no score.
    bool MakesNoScore() const { return Start.Practice || Helps.Assisted(); }
    // Whether winning this level leads on to another one.
    bool LeadsOn() const { return NextLevelName.has_value(); }

private:
    void AddBackdrop();
    // What the overlays' buttons and the victory's wait ask for; true when
    // a new screen has taken this one's place.
    bool FollowOverlays(UI& hud, float seconds);
    // What Replay starts: the run begun again, a campaign from its start.
    LevelStart Again() const;
    // Gives the new ship and HUD what the level began with.
    void Equip();
    // The outer and inner passes; true when an entity asked to end the game.
    bool RunPairPasses(UI& hud, float seconds);
    // The pairs of the outer entity in slot i.
    void RunInnerPass(UI& hud, size_t i);
    // The first slot at or after `from` whose pair with `a` can matter.
    size_t NextPartner(const Entity& a, size_t from) const;
    void RemoveAt(size_t slot);
    void ApplyPairRules(UI& hud, Entity& a, Entity& b);
    void ShipRules(UI& hud, Ship& ship, Entity& b);
    // The boss checks that run before and after the swarm steering; the
    // second one also settles the victory.
    void SettleBoss(Entity& b, bool settleVictory);

    // Which slots of Entities the pair pass has to visit; rebuilt each frame.
    PairIndex Pairs;
    // The name of the level a victory leads on to, if any.
    std::optional<std::string> NextLevelName;
    // Runs from the victory; the campaign goes on once it passes NextLevelAfterMs.
    Timer VictoryClock;
};
