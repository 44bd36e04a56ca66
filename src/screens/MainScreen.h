#pragma once
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/ButtonLabel.h"
#include "engine/EveHandler.h"
#include "engine/GameScreen.h"
#include "engine/MenuPages.h"
#include "engine/TextCache.h"
#include "engine/Timer.h"

// The title screen the game starts on and returns to: a still star field
// with a planet, the title, the Play, Info and Exit buttons and under them
// Options and Scores; the instructions and credits pages that Info leads
// through, and the options, scores or level list page while one is open
// (Play shows the level list when the player has levels of their own). The buttons
// take their clicks and keys while drawing; an open page takes its input in
// the update, so that ESC there goes back to the buttons. One button is lit
// at a time, the one the last input chose: an arrow key, or the pointer
// moving onto it; Enter fires it, a click the one under the pointer. The
// second click of a double click begun before the buttons showed (on an
// overlay's Exit, right where the menu has its own) works none of them.
// Left alone on its buttons for MenuIdle seconds, the menu asks for a demo.
// The screen owns its music track, its two fonts and the page it shows.
class MainScreen : public GameScreen {
public:
    // Seconds without a key, a click, pointer motion or pad input on the
    // menu's buttons before a demo plays.
    static constexpr int MenuIdle = 60;
    // The buttons in the order of their pictures and rectangles: the first
    // row, then the second.
    enum Button { PlayButton, InfoButton, ExitButton, OptionsButton, ScoresButton, PracticeButton, ButtonCount };

    TTF_Font* TitleFont = nullptr;
    TTF_Font* TextFont = nullptr;
    // The title and the page lines as last rendered.
    TextCache Texts;
    // The words on the buttons.
    ButtonLabel Labels;
    Mix_Music* Music = nullptr;
    // Spaces page turns more than 250 ms apart, so one click turns one page.
    Timer PageTimer;
    bool ExitRequested = false;
    bool ShowInstructions = false;
    bool ShowCredits = false;
    SDL_Rect PlayRect{0, 0, 0, 0};
    SDL_Rect InfoRect{0, 0, 0, 0};
    SDL_Rect ExitRect{0, 0, 0, 0};
    SDL_Rect OptionsRect{0, 0, 0, 0};
    SDL_Rect ScoresRect{0, 0, 0, 0};
    SDL_Rect PracticeRect{0, 0, 0, 0};
    float CursorX = 0;
    float CursorY = 0;
    // The button the arrow keys or the pointer chose last; it shows lit
    // once one did, and Enter fires it (Play until then).
    int Focus = PlayButton;
    bool FocusShown = false;
    // The pointer as the buttons last saw it: only a pointer that moves
    // chooses, not one left resting.
    float SeenX = 0;
    float SeenY = 0;
    // The last left press made before the buttons showed.
    EveHandler::Press PressBefore;
    // The options or scores page while one is open.
    std::unique_ptr<MenuPage> Page;
    // Runs while the buttons show, restarted by every input.
    Timer IdleTimer;
    unsigned long SeenInputs = 0;

    MainScreen() = default;
    ~MainScreen() override;
    void Load(std::string name) override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;

    // Shows the options or the scores page (nothing without the program's pages).
    void Open(MenuPages::Page page);
    bool PageOpen() const { return Page != nullptr; }
    // The buttons show: no page of any kind is open.
    bool OnButtons() const { return !Page && !ShowInstructions && !ShowCredits; }

    // One line of a text page: its text and the offset added to its slot's
    // height (the slots are 40 px apart from y = 120).
    struct PageLine {
        const char* Text;
        int Offset;
    };
    static const std::vector<PageLine>& InstructionLines();
    static const std::vector<PageLine>& CreditLines();

private:
    void DrawBackground(SDL_Surface* target);
    void DrawMenuPage(SDL_Surface* target);
    // One line above the buttons: the best score kept, or the difficulty
    // Play starts when it is not normal.
    void DrawBestScore(SDL_Surface* target);
    // The buttons show again (the menu came up, or a page went).
    void ButtonsShown();
    // Lights the button the pointer has moved onto.
    void FollowPointer();
    // Drops the second click of a double click begun before the buttons showed.
    void DropSecondClick();
    void DrawPage(SDL_Surface* target, const std::vector<PageLine>& lines);
    // True when a click or Enter turned the page (taken clicks and keys
    // within 250 ms of the last turn are swallowed).
    bool PageTurned();
    SDL_Rect& RectOf(int button);
    // The button Enter fires this frame after the arrow keys moved the
    // focus; ButtonCount for none.
    int ChosenByKeys();
    // Acts on a fired button; true when the menu has just been deleted.
    bool Fire(int button);
    // Starts a demo once the buttons have been left alone long enough.
    void WatchIdle();
    void Play();
};
