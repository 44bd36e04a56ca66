#include "engine/GameWindow.h"

#include "engine/Catalogue.h"
#include "engine/Layout.h"

namespace {
bool SameFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b) {
    return a->BitsPerPixel == b->BitsPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask;
}

Uint16 Coordinate(int value) { return static_cast<Uint16>(value); }

SDL_Rect Area(int x, int y, int w, int h) {
    return {static_cast<Sint16>(x), static_cast<Sint16>(y), Coordinate(w > 0 ? w : 0), Coordinate(h > 0 ? h : 0)};
}
}  // namespace

void GameWindow::MeasureDesktop() {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    DeskW = info != nullptr ? info->current_w : 0;
    DeskH = info != nullptr ? info->current_h : 0;
}

void GameWindow::AssumeDesktop(int width, int height) {
    DeskW = width;
    DeskH = height;
}

PictureFit GameWindow::FitFor(const WindowMode& mode) const {
    if (mode.Fullscreen)
        return PictureFit::Screen(DeskW, DeskH);
    const int scale = mode.Scale == WindowMode::FitDesktop ? PictureFit::AutoScale(DeskW, DeskH)
                                                           : PictureFit::Capped(mode.Scale, DeskW, DeskH);
    return PictureFit::Window(scale);
}

bool GameWindow::Open(const WindowMode& mode) {
    if (mode.Fullscreen && (DeskW <= 0 || DeskH <= 0)) {
        Why = Tr("the video driver does not tell the screen's size");
        return false;
    }
    const PictureFit fit = FitFor(mode);
    // The same window (only the smoothness changed, or a scale that comes
    // to the same size): nothing to open.
    if (Screen != nullptr && fit == Placed && mode.Fullscreen == Shown.Fullscreen) {
        Shown = mode;
        Scaler.Prepare(Layout::WindowWidth, Layout::WindowHeight, Placed.Picture, mode.Smooth);
        return true;
    }
    // Full screen at the desktop's own size: the monitor keeps its mode.
    const Uint32 flags = mode.Fullscreen ? SDL_FULLSCREEN : 0;
    Drawn = nullptr;
    Screen = SDL_SetVideoMode(fit.WindowWidth, fit.WindowHeight, Layout::WindowDepth, flags);
    if (Screen == nullptr) {
        Why = SDL_GetError();
        return false;
    }
    Placed = fit;
    Shown = mode;
    if (!UsePicture()) {
        Screen = nullptr;
        return false;
    }
    Scaler.Prepare(Layout::WindowWidth, Layout::WindowHeight, Placed.Picture, mode.Smooth);
    SDL_FillRect(Screen, nullptr, SDL_MapRGB(Screen->format, 0, 0, 0));
    return true;
}

// The window itself where it is the picture; else the own picture, made
// anew only when the window's format changed.
bool GameWindow::UsePicture() {
    if (Placed.Identity()) {
        Drawn = Screen;
        return true;
    }
    if (Own != nullptr && !SameFormat(Own->format, Screen->format)) {
        SDL_FreeSurface(Own);
        Own = nullptr;
    }
    if (Own == nullptr) {
        const SDL_PixelFormat* f = Screen->format;
        Own = SDL_CreateRGBSurface(SDL_SWSURFACE, Layout::WindowWidth, Layout::WindowHeight, f->BitsPerPixel,
                                   f->Rmask, f->Gmask, f->Bmask, 0);
        if (Own == nullptr) {
            Why = Catalogue::Fill(Tr("cannot make the game's picture: {1}"), {SDL_GetError()});
            return false;
        }
    }
    Drawn = Own;
    return true;
}

void GameWindow::Close() {
    if (Own != nullptr)
        SDL_FreeSurface(Own);
    Own = nullptr;
    Drawn = Screen = nullptr;
    BorderPresses = 0;
}

void GameWindow::BlackenBorder() {
    const SDL_Rect& p = Placed.Picture;
    const int w = Placed.WindowWidth, h = Placed.WindowHeight;
    const int right = p.x + p.w, bottom = p.y + p.h;
    const SDL_Rect bars[] = {Area(0, 0, w, p.y), Area(0, bottom, w, h - bottom), Area(0, p.y, p.x, p.h),
                             Area(right, p.y, w - right, p.h)};
    const Uint32 black = SDL_MapRGB(Screen->format, 0, 0, 0);
    for (SDL_Rect bar : bars)
        if (bar.w > 0 && bar.h > 0)
            SDL_FillRect(Screen, &bar, black);
}

bool GameWindow::Present() {
    if (Screen == nullptr)
        return false;
    if (Drawn != Screen) {
        BlackenBorder();
        Scaler.Run(Drawn, Screen);
    }
    return SDL_Flip(Screen) == 0;
}

bool GameWindow::ToGame(SDL_Event& event) {
    if (Screen == nullptr || Placed.Identity())
        return true;
    int x = 0, y = 0;
    if (event.type == SDL_MOUSEMOTION) {
        Placed.ToGame(event.motion.x, event.motion.y, x, y);
        // The relative motion in game pixels, as far as whole ones go.
        event.motion.xrel = static_cast<Sint16>(event.motion.xrel * Layout::WindowWidth / Placed.Picture.w);
        event.motion.yrel = static_cast<Sint16>(event.motion.yrel * Layout::WindowHeight / Placed.Picture.h);
        event.motion.x = Coordinate(x);
        event.motion.y = Coordinate(y);
        return true;
    }
    if (event.type != SDL_MOUSEBUTTONDOWN && event.type != SDL_MOUSEBUTTONUP)
        return true;
    const bool inside = Placed.ToGame(event.button.x, event.button.y, x, y);
    const Uint32 bit = event.button.button < 32 ? 1u << event.button.button : 0;
    if (event.type == SDL_MOUSEBUTTONDOWN && !inside) {
        BorderPresses |= bit;
        return false;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        BorderPresses &= ~bit;
    } else if (BorderPresses & bit) {
        BorderPresses &= ~bit;
        return false;
    }
    event.button.x = Coordinate(x);
    event.button.y = Coordinate(y);
    return true;
}
