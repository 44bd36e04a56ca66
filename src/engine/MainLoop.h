#pragma once
#include <SDL/SDL.h>

#include <functional>

#include "engine/Timer.h"
#include "engine/WindowMode.h"

// The program's frame loop: drain the event queue into the input handler,
// advance the game by the measured frame time, render, pace to 60 frames
// per second, until a screen, ESC outside the level, closing the window or a
// failed flip ends it.

// Seconds since the previous frame; 0 while the level is paused.
extern float DeltaSeconds;
// Set by ESC in the level and by losing the window focus.
extern bool GamePaused;
// The share of real time, in percent, the level in play advances per frame
// (100 but for a slowed level, which sets it while it is up). Menus, pages
// and recorded runs shown in the window always run at full speed.
extern int LevelPace;
extern Timer FrameTimer;
extern Timer EscapeTimer;
// The window's surface, shown every frame. At scale 1 in a window it is
// also the game's picture (Engine::Surface); otherwise the picture is
// enlarged into it. The engine sets it whenever the window is opened.
extern SDL_Surface* DisplaySurface;

// Drains SDL's event queue into the input handler, noting focus changes
// (pause and music) and the mouse position. Pointer events are turned into
// the game's coordinates first; a press on the black border around the
// picture is dropped with its release.
void PumpEvents();
// Drains SDL's event queue through the program's filters (the settings
// keys, the game pad) and hands what comes out of them to `take` instead of
// the game: the live input while a recorded run shows.
void DrainEvents(const std::function<void(const SDL_Event&)>& take);
// Focus and motion bookkeeping for one polled event, then hands it over.
void HandlePolledEvent(SDL_Event* event);
// Measures the frame, toggles the pause, updates the screens. True ends the
// program after this frame's render.
bool UpdateFrame();
// Clears the game's picture, draws the screens and shows the picture in the
// window. True when that failed or there is no window.
bool RenderFrame();
// RenderFrame's draw with nothing shown: every rule that runs in a draw
// runs, the window is left as it is. The caller clips the game's picture to
// nothing, so the draws cost next to nothing.
void RenderUnseen();
// True from the start of RenderFrame to the next UpdateFrame, and before the
// first frame: a level that is loaded then is first drawn in the frame after.
bool Rendering();

// Starts the frame timers, initialises the engine with the window as `mode`
// asks and loads every picture. False when the engine cannot start (message
// already printed); throws ImageLoadError for a picture that cannot be
// loaded.
bool StartEngine(const WindowMode& mode = {});
// StartEngine, then the main menu.
bool StartGame(const WindowMode& mode = {});
// Back to the state of a fresh start, the engine, its window and caches
// kept: no screens, no stored events, the pointer in the corner, nothing
// paused, the frame timers restarted.
void ClearGame();
// ClearGame, then a fresh main menu: where the game goes after a replay.
void FreshMenu();
// Holds the game clock still for the frame about to run: the wall clock,
// paced for a level in play at LevelPace. The start of every RunFrame.
void HoldFrameClock();
// One whole frame: events, update, render, or a frame of the show that has
// the window (Engine::Show). True when the loop should end.
bool RunFrame();
