#include "screens/MainScreen.h"

#include <cstdlib>
#include <optional>
#include <utility>

#include "engine/BestScores.h"
#include "engine/Catalogue.h"
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

// Each button's picture, the frame it is cut into and where it sits.
// Each button's picture, the frame it is cut into and where it sits, and
// the word written on it: the size of the word and the height of the body.
struct ButtonPlace {
    const char* Path;
    int FrameWidth, FrameHeight;
    int CentreX, Top;
    const char* Label;
    int LabelSize, BodyHeight;
};
constexpr ButtonPlace Places[MainScreen::ButtonCount] = {
    {"Image/Play.png", 134, 92, Layout::LeftColumnX, Layout::ButtonRowTop, TrNoop("PLAY"), 25, 66},
    {"Image/Info.png", 128, 92, Layout::MiddleColumnX, Layout::ButtonRowTop, TrNoop("INFO"), 25, 66},
    {"Image/ExitButton.png", 128, 81, Layout::RightColumnX, Layout::ButtonRowTop, TrNoop("EXIT"), 25, 66},
    {"Image/Options.png", 150, 64, Layout::OptionsColumnX, Layout::SecondRowTop, TrNoop("OPTIONS"), 19, 50},
    {"Image/Scores.png", 150, 64, Layout::ScoresColumnX, Layout::SecondRowTop, TrNoop("SCORES"), 19, 50},
    {"Image/Practice.png", 150, 64, Layout::PracticeColumnX, Layout::SecondRowTop, TrNoop("PRACTICE"), 19, 50},
};

enum class Arrow { Left, Right, Up, Down };

// The button the arrow goes to from `from`: the nearest one on its side in
// the same row for Left and Right, the nearest one in the other row for Up
// and Down; `from` itself when there is none.
int Neighbour(int from, Arrow arrow) {
    const ButtonPlace& here = Places[from];
    int best = from;
    int bestDistance = 0;
    for (int i = 0; i < MainScreen::ButtonCount; ++i) {
        const int dx = Places[i].CentreX - here.CentreX;
        const int dy = Places[i].Top - here.Top;
        const bool fits = arrow == Arrow::Left    ? dy == 0 && dx < 0
                          : arrow == Arrow::Right ? dy == 0 && dx > 0
                          : arrow == Arrow::Up    ? dy < 0
                                                  : dy > 0;
        if (fits && (best == from || std::abs(dx) < bestDistance)) {
            best = i;
            bestDistance = std::abs(dx);
        }
    }
    return best;
}
}  // namespace

const std::vector<MainScreen::PageLine>& MainScreen::InstructionLines() {
    // The third line's offset puts it above the second on screen.
    static const std::vector<PageLine> lines{
        {TrNoop("Welcome to the game Korvanta!"), 0},
        {TrNoop("Steer your ship up and down with the W and S button."), 80},
        {TrNoop("Accelrate and deaccelrate with D and A button"), 0},
        {TrNoop("Shoot with your Spacebar."), 40},
        {TrNoop("Buy repairs for your ship with H button."), 40},
        {TrNoop("Buy upgrades for your cannons with B button."), 40},
        {TrNoop("Buy more rapid fire for your cannon with N button."), 40},
        {TrNoop("Fire missiles with M button, this cost but does great damage."), 40},
        {TrNoop("Press left mousebutton to continue."), 120},
    };
    return lines;
}

const std::vector<MainScreen::PageLine>& MainScreen::CreditLines() {
    static const std::vector<PageLine> lines{
        {TrNoop("Game programmed by:"), 0},
        {TrNoop("Avel Dunmarr"), 0},
        {TrNoop("Music made by:"), 40},
        {TrNoop("Tarnel"), 40},
        {TrNoop("Graphic made by:"), 80},
        {TrNoop("Avel Dunmarr"), 80},
        {TrNoop("Grey Lantern"), 80},
        {TrNoop("Press left mousebutton to continue."), 120},
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
    Page.reset();
    Focus = PlayButton;
    FocusShown = false;
    ButtonsShown();
    SeenInputs = Engine::Instance().Input.Inputs;
    IdleTimer.Start();
    // Coming back from the level deletes it (and stops its music).
    Engine::Instance().RemoveScreen("Stage1");
    Music = MusicTrack::Start("Sound/Tarnel-Memory.mp3");

    Picture("Image/stars1.png");
    Picture("Image/stars2.png");
    Picture("Image/planet.png");
    for (int i = 0; i < ButtonCount; ++i) {
        const ButtonPlace& place = Places[i];
        Image* picture = Picture(place.Path);
        picture->SetFrames(0, 0, place.FrameWidth, place.FrameHeight, 2);
        RectOf(i) = ImageButton::CentredRect(*picture, place.CentreX, place.Top);
    }

    TitleFont = Text::OpenFont("pirulen.ttf", 42);
    TextFont = Text::OpenFont("pirulen.ttf", 18);
}

bool MainScreen::Update(float seconds) {
    if (SweepEntities(seconds))
        return true;
    if (Page && !Page->Update()) {
        Page.reset();
        MenuPages* pages = Engine::Instance().Pages;
        if (pages != nullptr && pages->StartChosenLevel())
            return false;  // this menu has just been deleted
        ButtonsShown();
    }
    WatchIdle();
    return ExitRequested;
}

void MainScreen::Open(MenuPages::Page page) {
    if (MenuPages* pages = Engine::Instance().Pages)
        Page = pages->Open(page);
}

void MainScreen::WatchIdle() {
    Engine& engine = Engine::Instance();
    if (!OnButtons() || engine.Input.Inputs != SeenInputs) {
        SeenInputs = engine.Input.Inputs;
        IdleTimer.Start();
        return;
    }
    if (IdleTimer.GetTicks() <= MenuIdle * 1000)
        return;
    // With nothing to show, the menu waits another while before asking again.
    IdleTimer.Start();
    if (engine.Pages != nullptr)
        engine.Pages->StartDemo();
}

void MainScreen::Draw(SDL_Surface* target) {
    DrawEntities(target);
    DrawBackground(target);
    if (Page) {
        Page->Draw(target);
    } else if (ShowInstructions) {
        DrawPage(target, InstructionLines());
        if (PageTurned()) {
            ShowInstructions = false;
            ShowCredits = true;
            PageTimer.Start();
        }
    } else if (ShowCredits) {
        DrawPage(target, CreditLines());
        if (PageTurned()) {
            ShowCredits = false;
            ButtonsShown();
        }
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
    FollowPointer();
    DropSecondClick();
    const int chosen = ChosenByKeys();
    for (int i = 0; i < ButtonCount; ++i) {
        const bool lit = FocusShown && Focus == i;
        Picture(Places[i].Path)->Draw(target, lit ? 1 : 0, RectOf(i).x, RectOf(i).y);
        Labels.Draw(target, Tr(Places[i].Label), RectOf(i), Places[i].BodyHeight, Places[i].LabelSize, lit);
        const bool clicked = ImageButton::TakeClick(RectOf(i), CursorX, CursorY);
        if ((clicked || chosen == i) && Fire(i))
            return;  // this menu has just been deleted
    }
}

void MainScreen::ButtonsShown() {
    const EveHandler& input = Engine::Instance().Input;
    SeenX = input.MouseX;
    SeenY = input.MouseY;
    PressBefore = input.LastLeftPress;
}

void MainScreen::FollowPointer() {
    if (CursorX == SeenX && CursorY == SeenY)
        return;
    SeenX = CursorX;
    SeenY = CursorY;
    for (int i = 0; i < ButtonCount; ++i) {
        if (ImageButton::Hovered(RectOf(i), CursorX, CursorY)) {
            Focus = i;
            FocusShown = true;
        }
    }
}

void MainScreen::DropSecondClick() {
    EveHandler& input = Engine::Instance().Input;
    if (EveHandler::DoubleClick(PressBefore, input.LastLeftPress))
        input.TakeLeftClick();
}

SDL_Rect& MainScreen::RectOf(int button) {
    SDL_Rect* rects[ButtonCount] = {&PlayRect, &InfoRect, &ExitRect, &OptionsRect, &ScoresRect, &PracticeRect};
    return *rects[button];
}

int MainScreen::ChosenByKeys() {
    EveHandler& input = Engine::Instance().Input;
    static constexpr std::pair<SDLKey, Arrow> arrows[] = {
        {SDLK_LEFT, Arrow::Left}, {SDLK_RIGHT, Arrow::Right}, {SDLK_UP, Arrow::Up}, {SDLK_DOWN, Arrow::Down}};
    for (const auto& [key, arrow] : arrows) {
        while (input.TakeKeyPress(key)) {
            Focus = Neighbour(Focus, arrow);
            FocusShown = true;
        }
    }
    return input.TakeEnterPress() ? Focus : ButtonCount;
}

bool MainScreen::Fire(int button) {
    switch (button) {
    case PlayButton:
        // With levels of the player's own, Play shows the list to choose from.
        Open(MenuPages::Page::Levels);
        if (Page)
            break;
        Play();
        return true;
    case InfoButton:
        ShowInstructions = true;
        PageTimer.Start();
        break;
    case ExitButton:
        ExitRequested = true;
        break;
    case OptionsButton:
        Open(MenuPages::Page::Options);
        break;
    case ScoresButton:
        Open(MenuPages::Page::Scores);
        break;
    case PracticeButton:
        Open(MenuPages::Page::Practice);
        break;
    default:
        break;
    }
    return false;
}

void MainScreen::DrawBestScore(SDL_Surface* target) {
    // The best of the difficulty that Play would start; a difficulty other
    // than normal is named even before it has a best.
    const Skill skill = Stage1::ComingSkill();
    const BestScores* scores = Engine::Instance().Scores;
    const std::optional<long long> best = scores != nullptr ? scores->BestScore(SkillName(skill)) : std::nullopt;
    const bool normal = skill == Skill::Normal;
    // TRANSLATORS: a difficulty, as "Best score on {1}: {2}" names it.
    const char* name = skill == Skill::Easy ? Tr("easy") : Tr("hard");
    std::string line;
    if (best && normal)
        line = Catalogue::Fill(Tr("Best score: {1}"), {std::to_string(*best)});
    else if (best)
        line = Catalogue::Fill(Tr("Best score on {1}: {2}"), {name, std::to_string(*best)});
    else if (!normal)
        line = Catalogue::Fill(Tr("Difficulty: {1}"), {skill == Skill::Easy ? Tr("Easy") : Tr("Hard")});
    if (!line.empty())
        Texts.DrawCentred(target, TextFont, line, TextColour, Layout::BestScoreTop);
}

void MainScreen::Play() {
    // The loading screen's Load deletes this menu: nothing of it may be
    // touched once the push returns.
    Engine::Instance().PushScreen(new LoadingScreen(), "LoadingScreen");
}

void MainScreen::DrawPage(SDL_Surface* target, const std::vector<PageLine>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const int y = lines[i].Offset + 40 * static_cast<int>(i) + 120;
        Texts.DrawCentred(target, TextFont, Tr(lines[i].Text), TextColour, y);
    }
}

bool MainScreen::PageTurned() {
    EveHandler& input = Engine::Instance().Input;
    const bool clicked = input.TakeLeftClick();
    if (!input.TakeEnterPress() && !clicked)
        return false;
    return PageTimer.Started && PageTimer.GetTicks() > 250;
}
