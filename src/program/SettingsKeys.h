#pragma once
#include <SDL/SDL.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/EventFilter.h"
#include "keep/Settings.h"

// The player's settings at work in the running game: full screen, music,
// sound effects and the difficulty as settings.ini has them (or as the
// command line overrides them for one run), changed through Change (saved
// at once), and the keys that change them while playing: F11 full screen,
// F9 music, F10 sound effects. These keys are taken out of the event stream
// before the game sees them, so they are no part of play and never of a
// replay. The difficulty in effect is the one the levels started from then
// on play (Stage1::SetComingSkill); a level already running keeps its own.
class SettingsKeys : public EventFilter {
public:
    // `path` may be empty: nothing is saved then. A muted run plays without
    // music and effects whatever the settings say, and does not change them.
    SettingsKeys(Settings settings, std::string path, bool muted);

    // Puts the window, the sound and the coming levels' difficulty as the
    // settings say (the engine is up).
    void Apply();
    // The difficulty of this run only (--difficulty): in effect from now on,
    // until the player chooses another through Change; the saved one stays
    // in settings.ini whatever else is saved meanwhile.
    void PlayThisRun(Skill difficulty);
    // Takes `next` as the player's settings: what can change at once does
    // (the next level started plays its difficulty), and the settings are
    // saved.
    void Change(const Settings& next);
    // True when `event` was one of the settings keys and has been acted on;
    // nothing stands in its place.
    bool Take(const SDL_Event& event, std::vector<SDL_Event>& instead) override;

    const Settings& Current() const { return Chosen; }

private:
    void ApplySound() const;
    // False (after one warning) where the video driver cannot switch.
    bool ToggleFullscreen();
    void Save() const;

    Settings Chosen;
    std::string Path;
    bool Muted;
    bool InFullscreen = false;
    // The saved difficulty while one given for this run is in effect.
    std::optional<Skill> SavedDifficulty;
};
