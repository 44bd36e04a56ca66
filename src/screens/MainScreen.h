#pragma once
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include <string>
#include <vector>

#include "engine/GameScreen.h"
#include "engine/TextCache.h"
#include "engine/Timer.h"

// The title screen the game starts on and returns to: a still star field
// with a planet, the title and the Play, Info and Exit buttons, and the
// instructions and credits pages that Info leads through. All mouse handling
// happens while drawing. The screen owns its music track and its two fonts.
class MainScreen : public GameScreen {
public:
    TTF_Font* TitleFont = nullptr;
    TTF_Font* TextFont = nullptr;
    // The title and the page lines as last rendered.
    TextCache Texts;
    Mix_Music* Music = nullptr;
    // Spaces page turns more than 250 ms apart, so one click turns one page.
    Timer PageTimer;
    bool ExitRequested = false;
    bool ShowInstructions = false;
    bool ShowCredits = false;
    SDL_Rect PlayRect{0, 0, 0, 0};
    SDL_Rect InfoRect{0, 0, 0, 0};
    SDL_Rect ExitRect{0, 0, 0, 0};
    float CursorX = 0;
    float CursorY = 0;

    MainScreen() = default;
    ~MainScreen() override;
    void Load(std::string name) override;
    bool Update(float seconds) override;
    void Draw(SDL_Surface* target) override;

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
    // One line under the buttons with the best score kept, if any.
    void DrawBestScore(SDL_Surface* target);
    void DrawPage(SDL_Surface* target, const std::vector<PageLine>& lines);
    // True when a click turned the page (taken clicks within 250 ms of the
    // last turn are swallowed).
    bool PageTurnClicked();
    void Play();
};
