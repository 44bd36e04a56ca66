#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>

#include "engine/ButtonLabel.h"
#include "engine/MenuPage.h"
#include "engine/TextCache.h"
#include "engine/Timer.h"

// What the options, controls and scores pages share: a title, a list of
// entries and the Back button under them. One entry is chosen and lit at a
// time, by the last input: Up and Down choose an entry (Back comes after the
// last), Left and Right step it, Enter works it; the pointer chooses what it
// moves onto and a click works it, by the menu's rules:
// strict edges, a press made elsewhere works what the pointer then moves
// onto, and clicks within 250 ms of the page opening are swallowed. ESC
// leaves the page. A page may have a control beside its title that only
// the pointer and Left and Right work (the scores page's difficulty). Entries that are dimmed are passed over. The page owns
// its fonts, its rendered lines and the glass it draws behind them.
class ListPage : public MenuPage {
public:
    ~ListPage() override;
    ListPage(const ListPage&) = delete;
    ListPage& operator=(const ListPage&) = delete;

    bool Update() final;
    void Draw(SDL_Surface* target) final;

    // The entry chosen now: 0 to Entries() - 1, or Entries() for Back.
    int Chosen() const { return Selected; }

protected:
    static constexpr SDL_Color TextColour{222, 246, 250, 0};
    static constexpr SDL_Color DimColour{104, 116, 134, 0};
    static constexpr SDL_Color BestColour{255, 214, 90, 0};

    // `title` is English, marked with TrNoop, and shown translated;
    // `lines`: how many rendered lines the page keeps.
    ListPage(std::string title, size_t lines);

    virtual int Entries() const = 0;
    virtual bool Enabled(int /*entry*/) const { return true; }
    // Where the pointer chooses and a click works an entry.
    virtual SDL_Rect Area(int entry) const = 0;
    // Enter on the entry (at the middle of its area), or a click at `x` on it.
    virtual void Choose(int entry, float x) = 0;
    // Left (-1) or Right (+1) on the entry, or on Back (entry Entries()).
    virtual void Step(int /*entry*/, int /*by*/) {}
    // A control of the page's own beside its title, which the pointer works
    // but the entry keys do not choose: whether (x, y) is on it, and a click at x.
    virtual bool OnTitleControl(float /*x*/, float /*y*/) const { return false; }
    virtual void ClickTitleControl(float /*x*/) {}
    virtual void DrawEntries(SDL_Surface* target) = 0;
    // A step of the page's own that takes the frame's input before the list
    // does (a key awaited, a question asked): true while it lasts.
    virtual bool TakeInputFirst() { return false; }

    // Chooses the first entry that is not dimmed, or Back.
    void ChooseFirst();
    // The page closes after this frame, as with Back.
    void Leave() { Leaving = true; }
    void ChooseEntry(int entry);
    // A thin frame around the chosen entry.
    static void Outline(SDL_Surface* target, const SDL_Rect& area);
    static void Outline(SDL_Surface* target, const SDL_Rect& area, SDL_Color colour);

    TTF_Font* TitleFont = nullptr;
    TTF_Font* TextFont = nullptr;
    TextCache Texts;

private:
    // Dark glass behind the entries, so that the star field and the planet
    // do not muddle them.
    void DrawShade(SDL_Surface* target);
    // The entry (or Back) the pointer is strictly inside, if it can be chosen; -1 for none.
    int EntryAt(float x, float y) const;
    void Move(int by);
    void TakeKeys();
    void TakeClick();

    std::string Title;
    int Selected = 0;
    bool Leaving = false;
    SDL_Rect BackRect{0, 0, 0, 0};
    // Spaces the page's first click from the click that opened it.
    Timer Opened;
    float LastX = 0;
    float LastY = 0;
    SDL_Surface* Shade = nullptr;
    ButtonLabel Labels;
};
