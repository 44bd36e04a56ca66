#pragma once
#include <SDL/SDL_ttf.h>

#include <string>

#include "engine/Layout.h"
#include "engine/ButtonLabel.h"
#include "engine/TextCache.h"
#include "engine/TextPlate.h"
#include "engine/Timer.h"
#include "field/BarStrip.h"
#include "field/SkillRules.h"
#include "field/Unsolid.h"

class Image;

// The level's head-up display and the keeper of the player's numbers:
// health, shield, money and score. It draws the panel with the bars, the
// counters and the shop labels (each with the key the player buys with where
// it is not the game's own), recharges the shield, offers the
// self-destruct key and draws the pause, game-over and victory overlays,
// whose Replay, Next level and Exit clicks it reports through flags. It
// plays the level's skill: the share of damage the ship takes and the
// shield's recharge are that skill's, and a skill other than normal is named
// on the panel, as is the level's number in the campaign (or the name of a
// level of the player's own).
class UI : public Unsolid {
public:
    const Skill Difficulty;
    float PlayerHealth = 0;
    float PlayerShield = 0;
    int PlayerMoney = 0;
    int PlayerScore = 0;
    float CursorX = 0;
    float CursorY = 0;
    // The last Update received exactly 0 seconds (paused or game over).
    bool PausedView = false;
    bool GameOverView = false;
    bool ExitClicked = false;
    bool ReplayClicked = false;
    bool VictoryView = false;
    // Set by the level: a won level leads on to the next, whose name the
    // victory overlay shows, with Next level in place of Replay.
    bool NextLevelView = false;
    bool NextClicked = false;
    // The level played: its number in the campaign (0 for a level of the
    // player's own), its name, the name of the level it leads on to, whether
    // it is part of a campaign run and whether winning it wins the campaign.
    int LevelNumber = 1;
    std::string LevelName;
    std::string NextLevelName;
    bool CampaignRun = true;
    bool CampaignEnd = false;
    // Set by the level: no hit lowers health or shield, each one is counted
    // and the count shown instead (the self-destruct key still works).
    bool Invincible = false;
    int HitsTaken = 0;
    // "PRACTICE" or "ASSIST" on the panel and the end overlay for a run
    // that makes no score; empty for any other.
    std::string RunMark;
    // Shop labels: 0 cannot be bought now, 1 can, 2 sold out.
    int RepairState = 0;
    int CannonState = 0;
    int RapidFireState = 0;
    int MissileState = 0;
    Image* HealthImage = nullptr;
    Image* ShieldImage = nullptr;
    int RepairCost = 0;
    int CannonCost = 0;
    int RapidFireCost = 0;
    int MissileCost = 0;
    // Time since the last damage; the shield recharges a while after it
    // (3 s on normal).
    Timer ShieldClock;
    TTF_Font* BigFont = nullptr;
    TTF_Font* SmallFont = nullptr;
    TTF_Font* KeyFont = nullptr;
    // The panel's captions (shop, credits, score).
    TTF_Font* CaptionFont = nullptr;
    SDL_Rect ReplayRect{0, 0, 0, 0};
    SDL_Rect ExitRect{0, 0, 0, 0};

    explicit UI(Skill difficulty = Skill::Normal);
    ~UI() override;
    const SkillRules& Rules() const { return SkillRules::Of(Difficulty); }
    void Load() override;
    bool Update(float seconds) override;
    // The panel, its bars, counters and shop labels.
    void Draw(SDL_Surface* target) override;
    // The rows the panel covers from the top of the window.
    int PanelHeight() const;
    // The pause, game-over and victory overlays with their Replay and Exit
    // buttons, then the discarding of any click they did not take. The level
    // draws them after every entity, so nothing flying by covers them.
    void DrawOverlays(SDL_Surface* target);

    // Shield first, the rest to health in whole points. An invincible ship
    // counts a burn that goes on from frame to frame as one hit.
    void TakeDamage(int amount);
    // A ramming's or an enemy shot's `damage`, as the skill lets it through.
    void TakeHit(int damage);

    void DrawPauseOverlay(SDL_Surface* target);
    void DrawEndOverlay(SDL_Surface* target);
    void DrawOverlayButtons(SDL_Surface* target);
    // Every line of the overlays goes through here: centred, on a dark plate
    // that keeps it readable over whatever flies under it.
    void DrawOverlayLine(SDL_Surface* target, const std::string& text, SDL_Color colour, int y);

private:
    void RunShieldClock();
    void DrawCounters(SDL_Surface* target);
    void DrawShopLabels(SDL_Surface* target);
    void DrawShopButton(SDL_Surface* target, int button, int state, ScreenPoint at);
    void DrawSkill(SDL_Surface* target);
    void DrawLevel(SDL_Surface* target);
    void DrawRunMark(SDL_Surface* target);

    // The counters and prices, and the overlays' lines, as last rendered.
    TextCache Texts;
    // Since the last burn an invincible ship took.
    Timer BurnClock;
    TextPlate OverlayLines;
    // The overlay buttons' words.
    ButtonLabel Labels;
    BarStrip HealthBar;
    BarStrip ShieldBar;
};
