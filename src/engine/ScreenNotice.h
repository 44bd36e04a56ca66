#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdint>
#include <string>

#include "engine/TextPlate.h"

// A short line over whatever the window shows, for a moment: what a key of
// the program just did ("Music off"). The engine draws it last in every
// render, over the screens and over a recorded run and its caption, so it
// shows wherever the key was pressed; it is no screen's, so nothing of it
// is recorded or reaches play. The program says what to show. The notice
// owns its font and its rendered line.
class ScreenNotice {
public:
    // How long a line shows, on the wall clock.
    static constexpr uint32_t ShowMs = 1500;

    ScreenNotice() = default;
    ~ScreenNotice() { Close(); }
    ScreenNotice(const ScreenNotice&) = delete;
    ScreenNotice& operator=(const ScreenNotice&) = delete;

    // Shows `text` from now on for ShowMs, in place of any line showing.
    void Say(std::string text);
    // The line showing now; empty when there is none.
    std::string Showing() const;
    // Draws the line showing now, if any, on its plate under the HUD panel.
    void Draw(SDL_Surface* target);
    // Forgets the line and frees the font (before SDL_ttf shuts down).
    void Close();

private:
    std::string Line;
    uint32_t Since = 0;
    TTF_Font* Font = nullptr;
    bool FontTried = false;
    TextPlate Plate{2};
};
