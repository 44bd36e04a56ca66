#pragma once
#include <string>

#include "keep/KeyBindings.h"
#include "program/ListPage.h"

class SettingsKeys;

// The controls page: a row for every action of play with its two keys and
// its pad button, then "Reset to defaults". Choosing a slot asks for the
// next key (or pad button) pressed, which the slot takes; ESC or a click
// leaves it as it was, and a key the game keeps for itself is refused with a
// line saying why while the page waits on. A key another action has goes to
// that action's slot in exchange. After each assignment the next slot down
// is chosen, so the whole list can be walked in one go. Reset asks first,
// No chosen. Every change goes through the running settings, which save it
// at once. Entries run down the first key column, then the second, then the
// pad's. The page owns its small font; not the settings.
class ControlsPage : public ListPage {
public:
    explicit ControlsPage(SettingsKeys& settings);
    ~ControlsPage() override;

    static constexpr int Columns = 3;  // two keys and the pad button
    static constexpr int ResetEntry = Columns * KeyBindings::Actions;

    // The entry of an action's slot (column 2 is its pad button).
    static int EntryOf(KeyBindings::Action action, int column);
    // What the page shows for a key, and for a pad slot.
    static std::string Shown(SDLKey key);
    static std::string ShownButton(int button);

    // The page waits for a key or a pad button, or asks about the reset.
    bool Awaiting() const { return Now == Mode::AwaitingKey || Now == Mode::AwaitingButton; }
    bool Asking() const { return Now == Mode::Asking; }
    // The line under the list: what the last change did.
    const std::string& Notice() const { return Said; }

protected:
    int Entries() const override { return ResetEntry + 1; }
    SDL_Rect Area(int entry) const override;
    void Choose(int entry, float x) override;
    void Step(int entry, int by) override;
    void DrawEntries(SDL_Surface* target) override;
    bool TakeInputFirst() override;

private:
    enum class Mode { Listing, AwaitingKey, AwaitingButton, Asking };

    void Await(int entry);
    void StopAwaiting();
    void TakeAwaited();
    void Answer();
    void Assign(const SDL_Event& press);
    void Keep(const KeyBindings& bindings);
    void DrawRow(SDL_Surface* target, KeyBindings::Action action);
    void DrawBox(SDL_Surface* target);
    static SDL_Rect AnswerRect(bool yes);

    SettingsKeys& Running;
    TTF_Font* SmallFont = nullptr;
    Mode Now = Mode::Listing;
    int Slot = 0;              // the entry awaiting its key or button
    std::string Refused;       // why the last key pressed was not taken
    std::string Said;
    bool YesChosen = false;
    float AskedX = 0, AskedY = 0;  // where the pointer was when the question came
};
