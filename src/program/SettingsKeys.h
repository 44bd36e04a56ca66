#pragma once
#include <SDL/SDL.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/EventFilter.h"
#include "engine/ShopLabels.h"
#include "engine/WindowMode.h"
#include "keep/Settings.h"
#include "program/KeyPlaces.h"

// The player's settings at work in the running game: the window (scale,
// smoothness, full screen), how the keys of play are read, music and sound
// effects with their volumes, and the difficulty, as settings.ini has them
// (or as the command line sets them for one run), changed through Change
// (saved at once), and the keys that change them while playing: F11 full
// screen, F9 music, F10 sound effects, each saying what it did in a short
// line over the screen. These keys are taken out of the event stream before
// the game sees them, so they are no part of play and never of
// a replay. Keys read by their place reach the game (and a replay's
// recording) as the key of play they stand for, and in play every key bound
// to an action as the game's own key of that action (KeyBindings::InPlay),
// so a replay holds actions, never the player's keys. The difficulty in
// effect is the one the levels started from then on play
// (Stage1::SetComingSkill); a level already running keeps its own. The
// controls page has the next key or pad button pressed taken for it here.
class SettingsKeys : public EventFilter, public ShopLabels {
public:
    // `saved` is what settings.ini holds; `path` may be empty: nothing is
    // saved then. A muted run plays without music and effects whatever the
    // settings say, and does not change them.
    SettingsKeys(Settings saved, std::string path, bool muted);

    // The settings of this run only (the command line's --fullscreen,
    // --windowed, --difficulty), before Apply: each is in effect until the
    // player changes it through Change; until then settings.ini keeps the
    // saved one, whatever else is saved meanwhile. Controls that settings.ini
    // gets wrong cost one warning here.
    void PlayThisRun(const Settings& thisRun);
    // The window the settings ask for, to start the engine with.
    WindowMode Window() const;
    // Puts the window, the sound and the coming levels' difficulty as the
    // settings say (the engine is up).
    void Apply();
    // Takes `next` as the player's settings: what can change at once does
    // (a new scale or full screen opens the window anew at once, the next
    // level started plays the new difficulty), and what the player changed
    // is saved. Full screen where the driver refuses it stays off.
    void Change(const Settings& next);
    // True when `event` was one of the settings keys and has been acted on
    // (nothing stands in its place), or a key that reads as another (which
    // stands in its place).
    bool Take(const SDL_Event& event, std::vector<SDL_Event>& instead) override;

    const Settings& Current() const { return Chosen; }
    // Speaks the language `setting` names ("system" or a language's code)
    // from now on, its catalogue found beside the game's assets.
    static void Speak(const std::string& setting);
    std::string ShopLabel(SDLKey gameKey) const override;

    // What the controls page waits for: the next key pressed (read by place
    // as the settings say, but not bound), or the next pad button. It is
    // taken before anything acts on it, the settings keys included, and its
    // release goes nowhere.
    enum class Awaited { Nothing, Key, PadButton };
    void Await(Awaited what);
    // The press taken while awaiting (SDL_KEYDOWN or SDL_JOYBUTTONDOWN), once.
    std::optional<SDL_Event> TakeAwaited();

private:
    void ApplySound() const;
    // The mixer's volume (0..128) for a sound switched `on` at `level` (0..100).
    int MixerVolume(bool on, int level) const;
    bool ReadKey(const SDL_Event& event, std::vector<SDL_Event>& instead);
    // True when `event` is the awaited press, or the release of the key taken.
    bool Catch(const SDL_Event& event);
    // What the settings key `key` did, having asked for `asked`.
    std::string Told(SDLKey key, const Settings& asked) const;
    // Opens the window as `wanted` asks where it is not so already. Where
    // full screen is refused (one warning), a window at its scale instead,
    // and false.
    bool ShowWindow(const Settings& wanted) const;
    void Save() const;

    // In effect, and as settings.ini is to keep them.
    Settings Chosen;
    Settings Saved;
    std::string Path;
    bool Muted;
    KeyPlaces Places;
    Awaited Awaiting = Awaited::Nothing;
    std::optional<SDL_Event> Caught;
    // The key taken for the page, until its release.
    std::optional<SDL_keysym> Swallowed;
};
