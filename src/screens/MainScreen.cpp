#include "screens/MainScreen.h"

#include <optional>

#include "engine/BestScores.h"
#include "engine/Engine.h"
#include "engine/Image.h"
#include "engine/ImageButton.h"
#include "engine/Layout.h"
#include "engine/MusicTrack.h"
#include "engine/Text.h"
#include "field/Stage1.h"
#include "screens/LoadingScreen.h"

namespace {
const SDL_Color TextColour{222, 246, 250, 0};

Image* Picture(const char* path) { return Engine::Instance().Cache.Get(path); }
}  // namespace

const std::vector<MainScreen::PageLine>& MainScreen::InstructionLines() {
    // The third line's offset puts it above the second on screen.
    static const std::vector<PageLine> lines{
        {"Welcome to the game Korvanta!", 0},
        {"Steer your ship up and down with the W and S button.", 80},
        {"Accelrate and deaccelrate with D and A button", 0},
        {"Shoot with your Spacebar.", 40},
        {"Buy repairs for your ship with H button.", 40},
        {"Buy upgrades for your cannons with B button.", 40},
        {"Buy more rapid fire for your cannon with N button.", 40},
        {"Fire missiles with M button, this cost but does great damage.", 40},
        {"Press left mousebutton to continue.", 120},
    };
    return lines;
}

const std::vector<MainScreen::PageLine>& MainScreen::CreditLines() {
    static const std::vector<PageLine> lines{
        {"Game programmed by:", 0}, {"Avel Dunmarr", 0},  {"Music made by:", 40},
        {"Tarnel", 40},             {"Graphic made by:", 80}, {"Avel Dunmarr", 80},
        {"Grey Lantern", 80},       {"Press left mousebutton to continue.", 120},
    };
    return lines;
}

MainScreen::~MainScreen() {
    MusicTrack::Free(Music);
    Text::CloseFont(TitleFont);
    Text::CloseFont(TextFont);
}

void MainScreen::Load(std::string name) {
    Name = std::move(name);
    Visible = true;
    BlocksNext = false;
    ExitRequested = ShowInstructions = ShowCredits = false;
    // Coming back from the level deletes it (and stops its music).
    Engine::Instance().RemoveScreen("Stage1");
    Music = MusicTrack::Start("Sound/Tarnel-Memory.mp3");

    Picture("Image/stars1.png");
    Picture("Image/stars2.png");
    Picture("Image/planet.png");
    Image* play = Picture("Image/Play.png");
    Image* info = Picture("Image/Info.png");
    Image* exit = Picture("Image/ExitButton.png");
    play->SetFrames(0, 0, 134, 92, 2);
    info->SetFrames(0, 0, 128, 92, 2);
    exit->SetFrames(0, 0, 128, 81, 2);
    PlayRect = ImageButton::CentredRect(*play, Layout::LeftColumnX, Layout::ButtonRowTop);
    InfoRect = ImageButton::CentredRect(*info, Layout::MiddleColumnX, Layout::ButtonRowTop);
    ExitRect = ImageButton::CentredRect(*exit, Layout::RightColumnX, Layout::ButtonRowTop);

    TitleFont = Text::OpenFont("pirulen.ttf", 42);
    TextFont = Text::OpenFont("pirulen.ttf", 18);
}

bool MainScreen::Update(float seconds) {
    if (SweepEntities(seconds))
        return true;
    return ExitRequested;
}

void MainScreen::Draw(SDL_Surface* target) {
    DrawEntities(target);
    DrawBackground(target);
    if (ShowInstructions) {
        DrawPage(target, InstructionLines());
        if (PageTurnClicked()) {
            ShowInstructions = false;
            ShowCredits = true;
            PageTimer.Start();
        }
    } else if (ShowCredits) {
        DrawPage(target, CreditLines());
        if (PageTurnClicked())
            ShowCredits = false;
    } else {
        DrawMenuPage(target);
    }
}

void MainScreen::DrawBackground(SDL_Surface* target) {
    Picture("Image/stars1.png")->Draw(target, 0, 0, 0);
    Picture("Image/stars2.png")->Draw(target, 0, 0, 0);
    Picture("Image/planet.png")->Draw(target, 0, 260, 0);
}

void MainScreen::DrawMenuPage(SDL_Surface* target) {
    Texts.DrawCentred(target, TitleFont, "KORVANTA", TextColour, Layout::TitleTop);
    DrawBestScore(target);
    const EveHandler& input = Engine::Instance().Input;
    CursorX = input.MouseX;
    CursorY = input.MouseY;
    if (ImageButton::DrawAndTakeClick(target, *Picture("Image/Play.png"), PlayRect, CursorX, CursorY)) {
        Play();
        return;  // this menu has just been deleted
    }
    if (ImageButton::DrawAndTakeClick(target, *Picture("Image/Info.png"), InfoRect, CursorX, CursorY)) {
        ShowInstructions = true;
        PageTimer.Start();
    }
    if (ImageButton::DrawAndTakeClick(target, *Picture("Image/ExitButton.png"), ExitRect, CursorX, CursorY))
        ExitRequested = true;
}

void MainScreen::DrawBestScore(SDL_Surface* target) {
    // The best of the difficulty that Play would start.
    const Skill skill = Stage1::ComingSkill();
    const BestScores* scores = Engine::Instance().Scores;
    const std::optional<long long> best = scores != nullptr ? scores->BestScore(SkillName(skill)) : std::nullopt;
    if (!best)
        return;
    const std::string on = skill == Skill::Normal ? "" : std::string(" on ") + SkillName(skill);
    Texts.DrawCentred(target, TextFont, "Best score" + on + ": " + std::to_string(*best), TextColour,
                      Layout::BestScoreTop);
}

void MainScreen::Play() {
    // The loading screen's Load deletes this menu: nothing of it may be
    // touched once the push returns.
    Engine::Instance().PushScreen(new LoadingScreen(), "LoadingScreen");
}

void MainScreen::DrawPage(SDL_Surface* target, const std::vector<PageLine>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const int y = lines[i].Offset + 40 * static_cast<int>(i) + 120;
        Texts.DrawCentred(target, TextFont, lines[i].Text, TextColour, y);
    }
}

bool MainScreen::PageTurnClicked() {
    if (!Engine::Instance().Input.TakeLeftClick())
        return false;
    return PageTimer.Started && PageTimer.GetTicks() > 250;
}
