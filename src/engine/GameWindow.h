#pragma once
#include <SDL/SDL.h>

#include <string>

#include "engine/Enlarger.h"
#include "engine/PictureFit.h"
#include "engine/WindowMode.h"

// The game's window and the 1024 x 600 picture the game draws on. In a
// window at scale 1 the picture is the window's own surface: nothing is
// copied. At any other scale, and full screen, the picture is a surface of
// the window's pixel format (so that the pictures converted for the window
// blit as fast onto it) that is enlarged into the window every frame, with
// black around it where the shapes differ. Window points are mapped back to
// the picture's. SDL owns the window's surface; this owns the picture,
// which outlives changes of video mode and goes at Close.
class GameWindow {
public:
    GameWindow() = default;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;
    ~GameWindow() { Close(); }

    // Notes the desktop's size: only SDL's video information before the
    // first video mode tells it. Unknown (0 x 0) where the driver cannot say.
    void MeasureDesktop();
    // For tests: a desktop of this size, as if measured.
    void AssumeDesktop(int width, int height);
    int DesktopWidth() const { return DeskW; }
    int DesktopHeight() const { return DeskH; }

    // Opens the window as `mode` asks (a scale too large for the desktop is
    // lowered to the largest that fits). False, with Error() saying why, when
    // it cannot be opened; the window then is gone (SDL 1.2 lets go of the
    // old one first) until an Open succeeds.
    bool Open(const WindowMode& mode);
    // Frees the picture; the window goes with SDL_Quit.
    void Close();
    bool IsOpen() const { return Screen != nullptr; }

    // What the game draws on, and the window's surface: one and the same at
    // scale 1 in a window. Null while no window is open.
    SDL_Surface* Picture() const { return Drawn; }
    SDL_Surface* Window() const { return Screen; }
    // The mode asked for at the last Open that succeeded.
    const WindowMode& Mode() const { return Shown; }
    const PictureFit& Fit() const { return Placed; }
    bool Smooth() const { return Scaler.Smooth(); }
    const std::string& Error() const { return Why; }

    // Enlarges the picture into the window (where they differ), blackens the
    // border and shows the frame. False when the window cannot be shown.
    bool Present();

    // Turns a pointer event in window coordinates into the game's. False
    // when it must reach nothing: a button pressed on the black border, and
    // that button's release. Other pointer events on the border land on the
    // picture's nearest edge, so a press made on the picture is always
    // released.
    bool ToGame(SDL_Event& event);

private:
    int DeskW = 0, DeskH = 0;
    SDL_Surface* Screen = nullptr;
    SDL_Surface* Drawn = nullptr;
    // The picture's own surface when it is not the window; kept across
    // changes of mode while its format still matches.
    SDL_Surface* Own = nullptr;
    WindowMode Shown;
    PictureFit Placed;
    Enlarger Scaler;
    std::string Why;
    // Buttons pressed on the border, whose releases are dropped as well.
    Uint32 BorderPresses = 0;

    PictureFit FitFor(const WindowMode& mode) const;
    bool UsePicture();
    void BlackenBorder();
};
