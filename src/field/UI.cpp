#include "field/UI.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/BestScores.h"
#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Image.h"
#include "engine/ImageButton.h"
#include "engine/Layout.h"
#include "engine/ShopLabels.h"
#include "engine/Text.h"

namespace {
const SDL_Color White{255, 255, 255, 0};
const SDL_Color Gold{255, 214, 90, 0};

const char* const ShopButtonPaths[] = {"Image/ButtonH.png", "Image/ButtonB.png", "Image/ButtonN.png",
                                       "Image/ButtonM.png"};
constexpr SDLKey ShopKeys[] = {SDLK_h, SDLK_b, SDLK_n, SDLK_m};
// A shop button without its letter, for the key the player bought with
// instead, and the ink of that key's label in each of the button's states.
const char* const KeyButtonPath = "Image/ButtonKey.png";
const SDL_Color KeyInk[] = {{105, 114, 127, 0}, {255, 255, 255, 0}, {154, 90, 90, 0}};
const char* const ReplayPath = "Image/Replay.png";
const char* const NextLevelPath = "Image/NextLevel.png";
const char* const ExitPath = "Image/ExitButton.png";

Image* Picture(const char* path) { return Engine::Instance().Cache.Get(path); }

// The campaign's level names, as its level files give them, for the catalogue.
[[maybe_unused]] constexpr const char* CampaignNames[] = {TrNoop("Outer Belt"), TrNoop("Ember Reach"),
                                                          TrNoop("Abyssal Drift")};

// The panel's small captions, centred on their points.
struct Caption {
    const char* Text;
    ScreenPoint At;
};
constexpr Caption Captions[] = {
    {TrNoop("SHOP"), {310, 20}}, {TrNoop("CREDITS"), {526, 8}}, {TrNoop("SCORE"), {819, 8}}};
const SDL_Color CaptionInk{40, 165, 196, 0};
// The overlay buttons' bodies and their words' sizes.
constexpr int OverlayBody = 66;
constexpr int OverlayLabel = 25;
constexpr int NextLevelLabel = 19;
}  // namespace

UI::UI(Skill difficulty) : Difficulty(difficulty) {
    ImagePath = "Image/UIBackground.png";
    // Loaded now so that the first frames of play do not stall on them.
    for (const char* path : ShopButtonPaths)
        Picture(path);
    Picture(KeyButtonPath);
    Picture(ReplayPath);
    Picture(NextLevelPath);
    Picture(ExitPath);
}

UI::~UI() {
    Text::CloseFont(BigFont);
    Text::CloseFont(SmallFont);
    Text::CloseFont(KeyFont);
    Text::CloseFont(CaptionFont);
}

void UI::Load() {
    Unsolid::Load();
    HealthImage = Picture("Image/Health.png");
    ShieldImage = Picture("Image/Shield.png");
    HealthBar.Build(*HealthImage, Layout::BarLeft);
    ShieldBar.Build(*ShieldImage, Layout::BarLeft);
    for (const char* path : ShopButtonPaths)
        Picture(path)->SetFrames(0, 0, 25, 25, 3);
    Picture(KeyButtonPath)->SetFrames(0, 0, 25, 25, 3);
    Image* exit = Picture(ExitPath);
    Image* replay = Picture(ReplayPath);
    exit->SetFrames(0, 0, 128, 100, 2);
    replay->SetFrames(0, 0, 193, 93, 2);
    Picture(NextLevelPath)->SetFrames(0, 0, 193, 93, 2);
    ReplayRect = ImageButton::CentredRect(*replay, Layout::LeftColumnX, Layout::ButtonRowTop);
    ExitRect = ImageButton::CentredRect(*exit, Layout::RightColumnX, Layout::ButtonRowTop);

    ShieldClock.Start();
    PlayerHealth = 100;
    PlayerShield = 100;
    PlayerMoney = 0;
    PlayerScore = 0;
    PausedView = GameOverView = ExitClicked = ReplayClicked = VictoryView = NextLevelView = NextClicked = false;

    Texts.Clear();
    OverlayLines.Clear();
    Text::CloseFont(BigFont);
    Text::CloseFont(SmallFont);
    Text::CloseFont(KeyFont);
    Text::CloseFont(CaptionFont);
    BigFont = Text::OpenFont("pirulen.ttf", 28);
    CaptionFont = Text::OpenFont("pirulen.ttf", 9);
    SmallFont = Text::OpenFont("pirulen.ttf", 8);
    KeyFont = Text::OpenFont("pirulen.ttf", 12);
}

bool UI::Update(float seconds) {
    Unsolid::Update(seconds);
    // The stage passes exactly 0 while paused and after game over.
    PausedView = seconds == 0;
    return false;
}

namespace {
// A burn that pauses longer than this and comes back is another hit.
constexpr int BurnGapMs = 250;
}  // namespace

void UI::TakeHit(int damage) {
    if (Invincible) {
        ++HitsTaken;
        return;
    }
    TakeDamage(Rules().ShipDamage(damage));
}

void UI::TakeDamage(int amount) {
    if (Invincible) {
        if (!BurnClock.Started || BurnClock.GetTicks() > BurnGapMs)
            ++HitsTaken;
        BurnClock.Start();
        return;
    }
    ShieldClock.Start();
    int overflow = 0;
    if (PlayerShield < amount)
        overflow = static_cast<int>(amount - PlayerShield);
    if (PlayerShield > 0)
        PlayerShield = std::max(0.0f, PlayerShield - amount);
    if (overflow > 0)
        PlayerHealth -= overflow;
}

void UI::Draw(SDL_Surface* target) {
    Unsolid::Draw(target);
    // One segment per point, a started point counting whole.
    HealthBar.Draw(target, *HealthImage, PlayerHealth, Layout::BarLeft, Layout::HealthBarTop);
    ShieldBar.Draw(target, *ShieldImage, PlayerShield, Layout::BarLeft, Layout::ShieldBarTop);
    RunShieldClock();
    if (PlayerHealth <= 0)
        GameOverView = true;
    if (Engine->Input.TakeKeyPress(SDLK_q))
        PlayerHealth -= 200;
    DrawCounters(target);
    DrawShopLabels(target);
    DrawSkill(target);
    DrawLevel(target);
    DrawRunMark(target);
}

int UI::PanelHeight() const { return Sprite != nullptr ? Sprite->Height() : 0; }

void UI::DrawOverlays(SDL_Surface* target) {
    if (PausedView && !GameOverView)
        DrawPauseOverlay(target);
    if (GameOverView || VictoryView)
        DrawEndOverlay(target);
    // A click that no overlay button took must not wait for a button.
    Engine->Input.TakeLeftClick();
}

void UI::RunShieldClock() {
    // Paused time does not count toward the recharge delay.
    if (PausedView)
        ShieldClock.Pause();
    else
        ShieldClock.Unpause();
    // Per drawn frame, and only below 99: a full 100 comes back with a new level only.
    const SkillRules& rules = Rules();
    if (PlayerShield < 99 && ShieldClock.Started && ShieldClock.GetTicks() > rules.ShieldDelayMs && !PausedView)
        PlayerShield += rules.ShieldRecharge;
}

void UI::DrawCounters(SDL_Surface* target) {
    const ScreenPoint money = Layout::MoneyCounter, score = Layout::ScoreCounter;
    Texts.Draw(target, BigFont, Catalogue::Fill(Tr("{1} $"), {std::to_string(PlayerMoney)}), White, money.X, money.Y);
    Texts.Draw(target, BigFont, Catalogue::Fill(Tr("{1} P"), {std::to_string(PlayerScore)}), White, score.X, score.Y);
    const int half = CaptionFont != nullptr ? TTF_FontHeight(CaptionFont) / 2 : 0;
    for (const Caption& caption : Captions)
        Texts.DrawAt(target, CaptionFont, Tr(caption.Text), CaptionInk, caption.At.X, caption.At.Y - half,
                     TextCache::Align::Centre);
}

void UI::DrawShopLabels(SDL_Surface* target) {
    struct Label {
        int State;
        int Cost;
        ScreenPoint At;
    };
    const Label labels[] = {
        {RepairState, RepairCost, Layout::RepairLabel},
        {CannonState, CannonCost, Layout::CannonLabel},
        {RapidFireState, RapidFireCost, Layout::RapidFireLabel},
        {MissileState, MissileCost, Layout::MissileLabel},
    };
    for (int i = 0; i < 4; ++i)
        DrawShopButton(target, i, labels[i].State, labels[i].At);
    for (const Label& label : labels)
        Texts.Draw(target, SmallFont, std::to_string(label.Cost), White, label.At.X,
                   label.At.Y - Layout::PriceAboveButton);
}

// The button with its own letter, or the letterless one with the key the
// player buys with instead; a label of two or three letters is drawn smaller
// to fit.
void UI::DrawShopButton(SDL_Surface* target, int button, int state, ScreenPoint at) {
    const std::string key = Engine->Labels != nullptr ? Engine->Labels->ShopLabel(ShopKeys[button]) : "";
    if (key.empty()) {
        Picture(ShopButtonPaths[button])->Draw(target, state, at.X, at.Y);
        return;
    }
    Picture(KeyButtonPath)->Draw(target, state, at.X, at.Y);
    TTF_Font* font = key.size() > 1 ? SmallFont : KeyFont;
    const int height = font != nullptr ? TTF_FontHeight(font) : 0;
    Texts.DrawAt(target, font, key, KeyInk[std::clamp(state, 0, 2)], at.X + 13, at.Y + 13 - height / 2,
                 TextCache::Align::Centre);
}

void UI::DrawSkill(SDL_Surface* target) {
    if (Difficulty == Skill::Normal)
        return;
    const char* name = Difficulty == Skill::Easy ? Tr("EASY") : Tr("HARD");
    Texts.Draw(target, SmallFont, name, Gold, Layout::SkillLabel.X, Layout::SkillLabel.Y);
}

void UI::DrawLevel(SDL_Surface* target) {
    // A level of the player's own keeps the name its file gives it.
    const std::string shown = LevelNumber > 0 ? Catalogue::Fill(Tr("LEVEL {1}"), {std::to_string(LevelNumber)})
                                               : LevelName;
    Texts.Draw(target, SmallFont, shown, Gold, Layout::LevelLabel.X, Layout::LevelLabel.Y);
}

void UI::DrawRunMark(SDL_Surface* target) {
    const ScreenPoint mark = Layout::RunMarkLabel, hits = Layout::HitsLabel;
    if (!RunMark.empty())
        Texts.Draw(target, SmallFont, Tr(RunMark.c_str()), Gold, mark.X, mark.Y);
    if (Invincible)
        Texts.Draw(target, SmallFont, Catalogue::Fill(Tr("HITS {1}"), {std::to_string(HitsTaken)}), Gold, hits.X,
                   hits.Y);
}

void UI::DrawPauseOverlay(SDL_Surface* target) {
    DrawOverlayLine(target, Tr("PAUSED"), White, Layout::HeadlineTop);
    // A won level paused shows the victory's lines in that place.
    if (!VictoryView)
        DrawOverlayLine(target, Tr("Press ESC to resume"), White, Layout::ResumeLineTop);
    DrawOverlayButtons(target);
}

void UI::DrawEndOverlay(SDL_Surface* target) {
    std::string headline = Tr("GAME OVER");
    std::string question = Tr("Do you want to play again?");
    if (VictoryView && NextLevelView) {
        headline = Tr("Level cleared!");
        question = Catalogue::Fill(Tr("Next: {1}"), {Tr(NextLevelName.c_str())});
    } else if (VictoryView && CampaignEnd) {
        headline = Tr("Congrats! You just saved the universe!");
        question = Tr("Campaign won! Do you want to play again?");
    } else if (VictoryView) {
        headline = Tr("Level cleared!");
    }
    if (!RunMark.empty())
        headline = Catalogue::Fill(Tr("{1} ({2})"), {headline, Tr(RunMark.c_str())});
    DrawOverlayLine(target, headline, White, Layout::HeadlineTop);
    DrawOverlayLine(target, question, White, Layout::SecondLineTop);
    // The table takes this run only once the level is left, so until then
    // it still holds the best of the runs before.
    const BestScores* scores = Engine->Scores;
    // Only a campaign run has a best score to beat.
    if (scores != nullptr && CampaignRun && RunMark.empty() && scores->IsNewBest(PlayerScore, SkillName(Difficulty)))
        DrawOverlayLine(target, Tr("New best score!"), Gold, Layout::NewBestTop);
    DrawOverlayButtons(target);
}

void UI::DrawOverlayLine(SDL_Surface* target, const std::string& text, SDL_Color colour, int y) {
    OverlayLines.DrawCentred(target, BigFont, text, colour, y);
}

void UI::DrawOverlayButtons(SDL_Surface* target) {
    CursorX = Engine->Input.MouseX;
    CursorY = Engine->Input.MouseY;
    // A won level that leads on offers the next level where Replay sits.
    const bool replayLit = ImageButton::Hovered(ReplayRect, CursorX, CursorY);
    const bool exitLit = ImageButton::Hovered(ExitRect, CursorX, CursorY);
    if (ImageButton::DrawAndTakeClick(target, *Picture(NextLevelView ? NextLevelPath : ReplayPath), ReplayRect, CursorX,
                                      CursorY))
        (NextLevelView ? NextClicked : ReplayClicked) = true;
    if (ImageButton::DrawAndTakeClick(target, *Picture(ExitPath), ExitRect, CursorX, CursorY))
        ExitClicked = true;
    if (NextLevelView)
        Labels.Draw(target, Tr("NEXT LEVEL"), ReplayRect, OverlayBody, NextLevelLabel, replayLit);
    else
        Labels.Draw(target, Tr("REPLAY"), ReplayRect, OverlayBody, OverlayLabel, replayLit);
    Labels.Draw(target, Tr("EXIT"), ExitRect, OverlayBody, OverlayLabel, exitLit);
}
