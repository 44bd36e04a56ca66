#include "program/ListPage.h"

#include <utility>

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Image.h"
#include "engine/ImageButton.h"
#include "engine/Layout.h"
#include "engine/Text.h"

namespace {
const char* const BackPicture = "Image/Back.png";
constexpr int BackFrameWidth = 128;
constexpr int BackFrameHeight = 64;
constexpr int BackBody = 50;
constexpr int BackLabelSize = 19;
// Clicks this soon after the page opened are the opening click's company.
constexpr int32_t ClickSpacingMs = 250;
// The glass behind the entries: where, how dark and how see-through.
constexpr SDL_Rect ShadeArea{96, 84, 832, 392};
constexpr Uint8 ShadeOpacity = 190;
constexpr SDL_Color ChosenColour{80, 200, 255, 0};
constexpr SDL_Color ShadeEdgeColour{36, 80, 122, 0};

Image& Back() { return *Engine::Instance().Cache.Get(BackPicture); }
}  // namespace

ListPage::ListPage(std::string title, size_t lines) : Texts(lines), Title(std::move(title)) {
    TitleFont = Text::OpenFont("pirulen.ttf", 34);
    TextFont = Text::OpenFont("pirulen.ttf", 18);
    Back().SetFrames(0, 0, BackFrameWidth, BackFrameHeight, 2);
    BackRect = ImageButton::CentredRect(Back(), Layout::BackButton.X, Layout::SecondRowTop);
    const EveHandler& input = Engine::Instance().Input;
    LastX = input.MouseX;
    LastY = input.MouseY;
    Opened.Start();
}

ListPage::~ListPage() {
    SDL_FreeSurface(Shade);
    Texts.Clear();
    Text::CloseFont(TitleFont);
    Text::CloseFont(TextFont);
}

bool ListPage::Update() {
    EveHandler& input = Engine::Instance().Input;
    // The pointer moved meanwhile chooses nothing once the step is over.
    if (TakeInputFirst()) {
        LastX = input.MouseX;
        LastY = input.MouseY;
        return true;
    }
    if (input.TakeKeyPress(SDLK_ESCAPE))
        return false;
    // Only a pointer that moves chooses: one left resting does not undo the keys.
    if (input.MouseX != LastX || input.MouseY != LastY) {
        LastX = input.MouseX;
        LastY = input.MouseY;
        if (const int under = EntryAt(LastX, LastY); under >= 0)
            Selected = under;
    }
    TakeKeys();
    TakeClick();
    return !Leaving;
}

void ListPage::TakeKeys() {
    EveHandler& input = Engine::Instance().Input;
    while (input.TakeKeyPress(SDLK_UP))
        Move(-1);
    while (input.TakeKeyPress(SDLK_DOWN))
        Move(+1);
    for (const auto& [key, by] : {std::pair{SDLK_LEFT, -1}, std::pair{SDLK_RIGHT, +1}})
        while (input.TakeKeyPress(key))
            Step(Selected, by);
    if (!input.TakeEnterPress())
        return;
    if (Selected == Entries()) {
        Leaving = true;
        return;
    }
    const SDL_Rect area = Area(Selected);
    Choose(Selected, area.x + area.w / 2.0f);
}

void ListPage::TakeClick() {
    EveHandler& input = Engine::Instance().Input;
    const int under = EntryAt(input.MouseX, input.MouseY);
    const bool onControl = under < 0 && OnTitleControl(input.MouseX, input.MouseY);
    if ((under < 0 && !onControl) || !input.TakeLeftClick() || Opened.GetTicks() <= ClickSpacingMs)
        return;
    if (onControl) {
        ClickTitleControl(input.MouseX);
        return;
    }
    Selected = under;
    if (under == Entries())
        Leaving = true;
    else
        Choose(under, input.MouseX);
}

int ListPage::EntryAt(float x, float y) const {
    if (ImageButton::Hovered(BackRect, x, y))
        return Entries();
    for (int entry = 0; entry < Entries(); ++entry)
        if (Enabled(entry) && ImageButton::Hovered(Area(entry), x, y))
            return entry;
    return -1;
}

// To the next entry that is not dimmed that way round, Back included.
void ListPage::Move(int by) {
    const int count = Entries() + 1;
    for (int next = (Selected + by + count) % count; next != Selected; next = (next + by + count) % count) {
        if (next == Entries() || Enabled(next)) {
            Selected = next;
            return;
        }
    }
}

void ListPage::ChooseFirst() {
    Selected = Entries();
    Move(+1);
}

void ListPage::ChooseEntry(int entry) {
    if (entry >= 0 && entry < Entries() && Enabled(entry))
        Selected = entry;
}

void ListPage::Draw(SDL_Surface* target) {
    DrawShade(target);
    Texts.DrawCentred(target, TitleFont, Tr(Title.c_str()), TextColour, Layout::PageTitleTop);
    DrawEntries(target);
    // Lit only when chosen: a pointer resting on it while the keys chose a
    // row would light two entries at once.
    Back().Draw(target, Selected == Entries() ? 1 : 0, BackRect.x, BackRect.y);
    Labels.Draw(target, Tr("BACK"), BackRect, BackBody, BackLabelSize, Selected == Entries());
}

void ListPage::DrawShade(SDL_Surface* target) {
    // Made once in a format of its own: it blends onto whatever surface the
    // window has this frame.
    if (Shade == nullptr) {
        Shade = SDL_CreateRGBSurface(SDL_SWSURFACE, ShadeArea.w, ShadeArea.h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        if (Shade == nullptr)
            return;
        SDL_FillRect(Shade, nullptr, SDL_MapRGB(Shade->format, 3, 8, 18));
        SDL_SetAlpha(Shade, SDL_SRCALPHA, ShadeOpacity);
    }
    SDL_Rect at = ShadeArea;
    SDL_BlitSurface(Shade, nullptr, target, &at);
    Outline(target, ShadeArea, ShadeEdgeColour);
}

void ListPage::Outline(SDL_Surface* target, const SDL_Rect& area) { Outline(target, area, ChosenColour); }

void ListPage::Outline(SDL_Surface* target, const SDL_Rect& area, SDL_Color rgb) {
    const Uint32 colour = SDL_MapRGB(target->format, rgb.r, rgb.g, rgb.b);
    const Sint16 right = static_cast<Sint16>(area.x + area.w - 1);
    const Sint16 bottom = static_cast<Sint16>(area.y + area.h - 1);
    SDL_Rect sides[] = {{area.x, area.y, area.w, 1},
                        {area.x, bottom, area.w, 1},
                        {area.x, area.y, 1, area.h},
                        {right, area.y, 1, area.h}};
    for (SDL_Rect& side : sides)
        SDL_FillRect(target, &side, colour);
}
