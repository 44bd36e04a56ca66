#include "program/ControlsPage.h"

#include <cctype>

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/ImageButton.h"
#include "engine/Layout.h"
#include "engine/Text.h"
#include "program/SettingsKeys.h"

namespace {
using Action = KeyBindings::Action;
using Align = TextCache::Align;

constexpr const char* Headings[ControlsPage::Columns] = {TrNoop("Key"), TrNoop("Second key"), TrNoop("Pad")};
constexpr int LabelDrop = 4;
constexpr int SlotDrop = 6;
constexpr int NoticeTop = 480;
// The box the page asks in, over the middle of the list.
constexpr SDL_Rect Box{132, 236, 760, 134};
constexpr int BoxFirstLine = 258;
constexpr int BoxSecondLine = 292;
constexpr SDL_Color BoxColour{3, 8, 18, 0};
constexpr SDL_Color RefusalColour{255, 140, 120, 0};

Action ActionOf(int entry) { return KeyBindings::All[static_cast<size_t>(entry % KeyBindings::Actions)]; }
int ColumnOf(int entry) { return entry / KeyBindings::Actions; }

const char* LabelOf(Action action) { return Tr(KeyBindings::Label(action)); }
}  // namespace

ControlsPage::ControlsPage(SettingsKeys& settings) : ListPage(TrNoop("CONTROLS"), 112), Running(settings) {
    SmallFont = Text::OpenFont("pirulen.ttf", 14);
    ChooseFirst();
}

ControlsPage::~ControlsPage() {
    StopAwaiting();
    Texts.Clear();
    Text::CloseFont(SmallFont);
}

int ControlsPage::EntryOf(Action action, int column) { return column * KeyBindings::Actions + int(action); }

std::string ControlsPage::Shown(SDLKey key) {
    if (key == SDLK_UNKNOWN)
        return "-";
    // The keypad's digits are named as one pattern; every other key by its own name.
    const std::string file = KeyBindings::KeyName(key);
    std::string name = key >= SDLK_KP0 && key <= SDLK_KP9
                           ? Catalogue::Fill(Tr("keypad {1}"), {std::to_string(key - SDLK_KP0)})
                           : Tr(file.c_str());
    // A translated name is written as its language writes it.
    if (name != file)
        return name;
    for (size_t i = 0; i < name.size(); ++i)
        if (i == 0 || name[i - 1] == ' ')
            name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
    return name;
}

std::string ControlsPage::ShownButton(int button) {
    if (button == KeyBindings::NoButton)
        return "-";
    return button == KeyBindings::StartButton ? Tr("Start")
                                              : Catalogue::Fill(Tr("Button {1}"), {std::to_string(button)});
}

SDL_Rect ControlsPage::Area(int entry) const {
    if (entry == ResetEntry)
        return {Layout::ControlReset.X - 180, Layout::ControlReset.Y - Layout::ControlRowHeight / 2, 360,
                Layout::ControlRowHeight};
    const ScreenPoint slot = Layout::ControlSlot(int(ActionOf(entry)), ColumnOf(entry));
    return {static_cast<Sint16>(slot.X - Layout::ControlColumnWidth / 2),
            static_cast<Sint16>(slot.Y - Layout::ControlRowHeight / 2), Layout::ControlColumnWidth,
            Layout::ControlRowHeight};
}

void ControlsPage::Choose(int entry, float) {
    if (entry != ResetEntry) {
        Await(entry);
        return;
    }
    Now = Mode::Asking;
    YesChosen = false;  // No is chosen first
    const EveHandler& input = Engine::Instance().Input;
    AskedX = input.MouseX;
    AskedY = input.MouseY;
}

// Left and Right go to the same action's slot in the next column.
void ControlsPage::Step(int entry, int by) {
    const int next = entry + by * KeyBindings::Actions;
    if (entry < ResetEntry && next >= 0 && next < ResetEntry)
        ChooseEntry(next);
}

void ControlsPage::Await(int entry) {
    Slot = entry;
    Refused.clear();
    Said.clear();
    const bool pad = ColumnOf(entry) == 2;
    Now = pad ? Mode::AwaitingButton : Mode::AwaitingKey;
    Running.Await(pad ? SettingsKeys::Awaited::PadButton : SettingsKeys::Awaited::Key);
}

void ControlsPage::StopAwaiting() {
    if (Awaiting())
        Running.Await(SettingsKeys::Awaited::Nothing);
    Now = Mode::Listing;
}

bool ControlsPage::TakeInputFirst() {
    if (Now == Mode::Asking)
        Answer();
    else if (Awaiting())
        TakeAwaited();
    else
        return false;
    return true;
}

// ESC (the pad's back button is ESC too) and a click leave the slot as it
// was; the key taken for the page is ESC when the keyboard's was pressed.
void ControlsPage::TakeAwaited() {
    EveHandler& input = Engine::Instance().Input;
    const std::optional<SDL_Event> press = Running.TakeAwaited();
    const bool escape = press && press->type == SDL_KEYDOWN && press->key.keysym.sym == SDLK_ESCAPE;
    const bool clicked = input.TakeLeftClick();
    if (input.TakeKeyPress(SDLK_ESCAPE) || escape || clicked) {
        StopAwaiting();
        return;
    }
    if (press)
        Assign(*press);
}

void ControlsPage::Assign(const SDL_Event& press) {
    KeyBindings bindings = Running.Current().Bindings;
    const Action action = ActionOf(Slot);
    std::optional<Action> other;
    if (press.type == SDL_JOYBUTTONDOWN) {
        other = bindings.BindButton(action, press.jbutton.button);
    } else {
        const SDLKey key = press.key.keysym.sym;
        if (const char* refusal = KeyBindings::Refusal(action, key)) {
            Refused = Tr(refusal);
            Running.Await(SettingsKeys::Awaited::Key);
            return;
        }
        other = bindings.BindKey(action, ColumnOf(Slot), key);
    }
    Keep(bindings);
    if (other && bindings.Keyless(*other))
        Said = Catalogue::Fill(Tr("{1} has no key now"), {LabelOf(*other)});
    else if (other)
        Said = Catalogue::Fill(Tr("{1} takes what {2} had"), {LabelOf(*other), LabelOf(action)});
    StopAwaiting();
    ChooseEntry(Slot + 1);
}

void ControlsPage::Keep(const KeyBindings& bindings) {
    Settings next = Running.Current();
    next.Bindings = bindings;
    Running.Change(next);
}

// Left, Right, Up and Down go between Yes and No, Enter answers, ESC is No;
// the pointer chooses what it moves onto and a click on an answer gives it.
void ControlsPage::Answer() {
    EveHandler& input = Engine::Instance().Input;
    for (const SDLKey key : {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN})
        while (input.TakeKeyPress(key))
            YesChosen = !YesChosen;
    if (input.MouseX != AskedX || input.MouseY != AskedY) {
        AskedX = input.MouseX;
        AskedY = input.MouseY;
        for (const bool yes : {true, false})
            if (ImageButton::Hovered(AnswerRect(yes), AskedX, AskedY))
                YesChosen = yes;
    }
    bool answered = input.TakeEnterPress();
    const bool onAnswer = ImageButton::Hovered(AnswerRect(YesChosen), input.MouseX, input.MouseY);
    if (input.TakeLeftClick() && onAnswer)
        answered = true;
    if (input.TakeKeyPress(SDLK_ESCAPE)) {
        answered = true;
        YesChosen = false;
    }
    if (!answered)
        return;
    Now = Mode::Listing;
    if (YesChosen) {
        Keep(KeyBindings());
        Said = Tr("Every control is back on its default");
    }
}

SDL_Rect ControlsPage::AnswerRect(bool yes) {
    const ScreenPoint at = yes ? Layout::ControlYes : Layout::ControlNo;
    return {static_cast<Sint16>(at.X - 70), static_cast<Sint16>(at.Y - 20), 140, 40};
}

void ControlsPage::DrawEntries(SDL_Surface* target) {
    for (int column = 0; column < Columns; ++column)
        Texts.DrawAt(target, SmallFont, Tr(Headings[column]), DimColour, Layout::ControlColumnX[column],
                     Layout::ControlHeadingsTop, Align::Centre);
    for (const Action action : KeyBindings::All)
        DrawRow(target, action);
    const bool resetChosen = Chosen() == ResetEntry;
    const SDL_Rect reset = Area(ResetEntry);
    Texts.DrawCentred(target, TextFont, Tr("Reset to defaults"), resetChosen ? BestColour : TextColour,
                      reset.y + LabelDrop);
    if (resetChosen)
        Outline(target, reset);
    Texts.DrawCentred(target, SmallFont, Said, TextColour, NoticeTop);
    if (Now != Mode::Listing)
        DrawBox(target);
}

void ControlsPage::DrawRow(SDL_Surface* target, Action action) {
    const KeyBindings& bindings = Running.Current().Bindings;
    const int row = int(action);
    const int top = Layout::ControlRowsTop + row * Layout::ControlRowHeight;
    const bool rowChosen = Chosen() < ResetEntry && ActionOf(Chosen()) == action;
    Texts.DrawAt(target, TextFont, LabelOf(action), rowChosen ? BestColour : TextColour,
                 Layout::ControlLabelLeft, top + LabelDrop, Align::Left);
    for (int column = 0; column < Columns; ++column) {
        const int entry = EntryOf(action, column);
        const std::string shown =
            column < 2 ? Shown(bindings.Key(action, column)) : ShownButton(bindings.Button(action));
        const bool chosen = Chosen() == entry;
        Texts.DrawAt(target, SmallFont, shown, chosen ? BestColour : TextColour, Layout::ControlColumnX[column],
                     top + SlotDrop, Align::Centre);
        if (chosen)
            Outline(target, Area(entry));
    }
}

void ControlsPage::DrawBox(SDL_Surface* target) {
    SDL_Rect box = Box;
    SDL_FillRect(target, &box, SDL_MapRGB(target->format, BoxColour.r, BoxColour.g, BoxColour.b));
    Outline(target, Box);
    if (Now == Mode::Asking) {
        Texts.DrawCentred(target, SmallFont, Tr("Put every control back on its default?"), TextColour, BoxFirstLine);
        for (const bool yes : {true, false}) {
            const SDL_Rect rect = AnswerRect(yes);
            const bool chosen = YesChosen == yes;
            Texts.DrawAt(target, TextFont, yes ? Tr("Yes") : Tr("No"), chosen ? BestColour : TextColour,
                         rect.x + rect.w / 2, rect.y + 9, Align::Centre);
            if (chosen)
                Outline(target, rect);
        }
        return;
    }
    const char* pattern =
        Now == Mode::AwaitingButton ? Tr("Press a pad button for {1} - ESC cancels") : Tr("Press a key for {1} - ESC cancels");
    Texts.DrawCentred(target, SmallFont, Catalogue::Fill(pattern, {Catalogue::Upper(LabelOf(ActionOf(Slot)))}),
                      TextColour, BoxFirstLine);
    Texts.DrawCentred(target, SmallFont, Refused, RefusalColour, BoxSecondLine);
}
