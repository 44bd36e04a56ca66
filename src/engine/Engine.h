#pragma once
#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "engine/EveHandler.h"
#include "engine/GameScreen.h"
#include "engine/GameWindow.h"
#include "engine/ImageCache.h"
#include "engine/ScreenNotice.h"
#include "engine/SoundCache.h"
#include "engine/WindowMode.h"

class BestScores;
class Entity;
class EventFilter;
class MenuPages;
class SessionWatcher;
class ShopLabels;
class WindowShow;

// The one program-wide object: it starts SDL, the window, fonts and sound,
// holds the image and sound caches and the input handler, and keeps the
// stack of screens that are updated and drawn every frame. It owns the
// window with the game's picture, the stacked screens, the cached pictures
// and sounds and every stored event.
class Engine {
public:
    ImageCache Cache;
    EveHandler Input;
    GameWindow Window;
    // The game's 1024 x 600 picture, which every screen draws on: the
    // window's own surface at scale 1 in a window. It changes with the
    // window's mode; null while there is no window.
    SDL_Surface* Surface = nullptr;
    bool Running = false;
    std::vector<GameScreen*> Screens;
    SoundCache Sounds;
    // False when no sound device could be opened: the game plays silently.
    bool AudioOpen = false;
    // The short line the program's keys leave over every screen for a moment.
    ScreenNotice Notice;
    // Why Init failed, for the message on stderr.
    std::string LastError;
    // The program's services around play, where it has them (tests and
    // tools run without): the watcher of level sessions (the replays), the
    // best scores shown on the menu and the overlays, the two filters that
    // see events first (the settings keys, then the game pad), the pages and
    // the demo the menu opens, the show that has the window instead of the
    // game while a recorded run plays, and the shop buttons' labels of the
    // player's keys. None is owned by the engine.
    SessionWatcher* Watcher = nullptr;
    const BestScores* Scores = nullptr;
    EventFilter* Hotkeys = nullptr;
    EventFilter* Pad = nullptr;
    MenuPages* Pages = nullptr;
    WindowShow* Show = nullptr;
    const ShopLabels* Labels = nullptr;

    static Engine& Instance();

    // Starts SDL, opens the window as `mode` asks (or, where that cannot be
    // shown, the 1024 x 600 x 32 window; Window.Mode() tells which), SDL_ttf
    // and the mixer. False (with LastError set) when the game cannot run; a
    // missing sound device only costs the sound.
    bool Init(const std::string& caption, const WindowMode& mode = {});
    // Opens the window anew as `mode` asks; the pictures stay valid and the
    // game draws on as before. False (with LastError set) when that mode
    // cannot be shown: the window is opened again as it was. Should even
    // that fail, there is no window and the next frame ends the game.
    bool SetWindowMode(const WindowMode& mode);
    // Deletes the stacked screens, frees pictures, sounds and events and
    // shuts the SDL libraries down. The engine can be initialised again.
    void Shutdown();

    // Updates the stacked screens; true asks the program to end.
    bool Update();
    void Draw();

    // Takes ownership of `screen`, stacks it and loads it under `name`.
    void PushScreen(GameScreen* screen, std::string name);
    // Deletes the first screen called `name` (the last one takes its slot).
    void RemoveScreen(const std::string& name);
    // Loads `entity` and hands it to the screen called `screenName`; without
    // such a screen the entity is deleted unloaded.
    void AddToScreen(Entity* entity, const std::string& screenName);
    // Every screen called `screenName` deletes `entity` if it holds it.
    void RemoveFromScreen(Entity* entity, const std::string& screenName);

    // Deletes every stacked screen, the top one first.
    void ClearScreens();

    // The first stacked screen, from the bottom, whose name is exactly `name`.
    GameScreen* FindScreen(const std::string& name) const;
    bool HasScreen(const std::string& name) const { return FindScreen(name) != nullptr; }

private:
    Engine() = default;
    // At process exit (also when the X server goes away and SDL ends the
    // program) the screens still stacked are deleted with their entities.
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    // Sets LastError to `pattern` with what SDL said as {1}; false.
    bool Fail(const char* pattern);
    bool OpenFirstWindow(const WindowMode& mode);
    // Surface and DisplaySurface as the window has them now.
    void TakeWindowSurfaces();
};
