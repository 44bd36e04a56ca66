#include "program/SettingsKeys.h"

#include <SDL/SDL_mixer.h>

#include "engine/Engine.h"
#include "engine/Log.h"
#include "field/Stage1.h"

SettingsKeys::SettingsKeys(Settings settings, std::string path, bool muted)
    : Chosen(settings), Path(std::move(path)), Muted(muted) {}

void SettingsKeys::Apply() {
    ApplySound();
    Stage1::SetComingSkill(Chosen.Difficulty);
    if (Chosen.Fullscreen != InFullscreen)
        ToggleFullscreen();
}

void SettingsKeys::PlayThisRun(Skill difficulty) {
    if (!SavedDifficulty)
        SavedDifficulty = Chosen.Difficulty;
    Chosen.Difficulty = difficulty;
    Stage1::SetComingSkill(difficulty);
}

void SettingsKeys::ApplySound() const {
    if (!Engine::Instance().AudioOpen)
        return;
    Mix_VolumeMusic(Chosen.Music && !Muted ? MIX_MAX_VOLUME : 0);
    Mix_Volume(-1, Chosen.Effects && !Muted ? MIX_MAX_VOLUME : 0);
}

bool SettingsKeys::ToggleFullscreen() {
    SDL_Surface* window = Engine::Instance().Surface;
    if (window == nullptr || SDL_WM_ToggleFullScreen(window) == 0) {
        Log::WarnOnce("this video driver cannot switch to full screen; playing in a window");
        return false;
    }
    InFullscreen = !InFullscreen;
    return true;
}

void SettingsKeys::Change(const Settings& next) {
    Settings applied = next;
    if (next.Fullscreen != InFullscreen && !ToggleFullscreen())
        applied.Fullscreen = InFullscreen;
    if (next.Difficulty != Chosen.Difficulty)
        SavedDifficulty.reset();  // chosen anew: this one is kept
    Chosen = applied;
    ApplySound();
    Stage1::SetComingSkill(Chosen.Difficulty);
    Save();
}

bool SettingsKeys::Take(const SDL_Event& event, std::vector<SDL_Event>& /*instead*/) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return false;
    const SDLKey key = event.key.keysym.sym;
    if (key != SDLK_F9 && key != SDLK_F10 && key != SDLK_F11)
        return false;
    if (event.type == SDL_KEYUP)
        return true;
    Settings next = Chosen;
    if (key == SDLK_F11) {
        if (!ToggleFullscreen())
            return true;
        next.Fullscreen = InFullscreen;
    } else {
        bool& sound = key == SDLK_F9 ? next.Music : next.Effects;
        sound = !sound;
    }
    Change(next);
    return true;
}

void SettingsKeys::Save() const {
    Settings kept = Chosen;
    kept.Difficulty = SavedDifficulty.value_or(Chosen.Difficulty);
    if (Path.empty())
        Log::WarnOnce("no home folder: settings are not saved");
    else
        kept.Save(Path);
}
