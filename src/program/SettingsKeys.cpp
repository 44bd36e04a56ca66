#include "program/SettingsKeys.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <utility>

#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "engine/Log.h"
#include "engine/PictureFit.h"
#include "field/Stage1.h"
#include "program/AssetFolder.h"

SettingsKeys::SettingsKeys(Settings saved, std::string path, bool muted)
    : Chosen(saved), Saved(saved), Path(std::move(path)), Muted(muted) {
    std::string refused;
    for (const std::string& line : saved.Bindings.Refused())
        refused += (refused.empty() ? "" : ", ") + line;
    if (!refused.empty())
        Log::Warn(Catalogue::Fill(Tr("keeping the default controls for {1} in {2}: a key the game does not know or "
                                     "keeps for itself, or one bound twice"),
                                  {refused, Log::Quoted(Path)}));
}

namespace {
static_assert(Settings::AutoScale == WindowMode::FitDesktop && Settings::MaxScale == PictureFit::MaxScale);

WindowMode WindowFor(const Settings& settings) { return {settings.Scale, settings.Fullscreen, settings.Smooth}; }

// Opens the window as `mode` asks unless it is so; false after a warning.
bool Open(const WindowMode& mode) {
    Engine& engine = Engine::Instance();
    if (!engine.Window.IsOpen() || engine.Window.Mode() == mode)
        return true;
    if (engine.SetWindowMode(mode))
        return true;
    const std::string scale = mode.Scale == WindowMode::FitDesktop ? "auto" : std::to_string(mode.Scale);
    Log::WarnOnce(Catalogue::Fill(mode.Fullscreen ? Tr("cannot switch to full screen ({2}); playing in a window")
                                                  : Tr("cannot open the window at scale {1} ({2}); playing in a window"),
                                  {scale, engine.LastError}));
    return false;
}
}  // namespace

void SettingsKeys::Speak(const std::string& setting) {
    Catalogue::Use(Catalogue::ForSetting(setting), AssetFolder::ForThisProgram().LocaleFolders());
}

void SettingsKeys::PlayThisRun(const Settings& thisRun) { Chosen = thisRun; }

WindowMode SettingsKeys::Window() const { return WindowFor(Chosen); }

void SettingsKeys::Apply() {
    ApplySound();
    if (!ShowWindow(Chosen))
        Chosen.Fullscreen = false;
    Stage1::SetComingSkill(Chosen.Difficulty);
    Stage1::SetComingAssists(Chosen.Helps);
}

int SettingsKeys::MixerVolume(bool on, int level) const {
    if (!on || Muted)
        return 0;
    return (MIX_MAX_VOLUME * std::clamp(level, 0, Settings::MaxVolume) + Settings::MaxVolume / 2) / Settings::MaxVolume;
}

// The effects' own volumes (set on their chunks) and their panning stay as
// they are; the channels' volumes scale all of them alike.
void SettingsKeys::ApplySound() const {
    if (!Engine::Instance().AudioOpen)
        return;
    Mix_VolumeMusic(MixerVolume(Chosen.Music, Chosen.MusicVolume));
    Mix_Volume(-1, MixerVolume(Chosen.Effects, Chosen.EffectsVolume));
}

bool SettingsKeys::ShowWindow(const Settings& wanted) const {
    WindowMode mode = WindowFor(wanted);
    if (Open(mode) || !mode.Fullscreen)
        return true;
    mode.Fullscreen = false;
    Open(mode);
    return false;
}

void SettingsKeys::Change(const Settings& next) {
    Settings applied = next;
    if (!ShowWindow(next))
        applied.Fullscreen = false;
    // What the player changed is kept; what only this run plays is not.
    for (const Settings::Choice& choice : Settings::Choices())
        if (choice.Get(applied) != choice.Get(Chosen))
            choice.Set(Saved, choice.Get(applied));
    if (applied.Bindings != Chosen.Bindings)
        Saved.Bindings = applied.Bindings;
    const bool newLanguage = applied.Language != Chosen.Language;
    Chosen = applied;
    if (newLanguage)
        Speak(Chosen.Language);
    ApplySound();
    Stage1::SetComingSkill(Chosen.Difficulty);
    Stage1::SetComingAssists(Chosen.Helps);
    Save();
}

bool SettingsKeys::Take(const SDL_Event& event, std::vector<SDL_Event>& instead) {
    if (Catch(event))
        return true;
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return false;
    const SDLKey key = event.key.keysym.sym;
    if (key != SDLK_F9 && key != SDLK_F10 && key != SDLK_F11)
        return ReadKey(event, instead);
    if (event.type == SDL_KEYUP)
        return true;
    Settings next = Chosen;
    if (key == SDLK_F11) {
        next.Fullscreen = !Engine::Instance().Window.Mode().Fullscreen;
    } else {
        bool& sound = key == SDLK_F9 ? next.Music : next.Effects;
        sound = !sound;
    }
    Change(next);
    Engine::Instance().Notice.Say(Told(key, next));
    return true;
}

namespace {
// In the level, not while a recorded run shows there.
bool InPlay() {
    const Engine& engine = Engine::Instance();
    return engine.Show == nullptr && engine.HasScreen("Stage1");
}

bool SameKey(const SDL_keysym& a, const SDL_keysym& b) {
    return a.scancode != 0 || b.scancode != 0 ? a.scancode == b.scancode : a.sym == b.sym;
}
}  // namespace

// The line that says what a settings key did: what is on now, or why what
// it turned on cannot be heard or shown.
std::string SettingsKeys::Told(SDLKey key, const Settings& asked) const {
    if (key == SDLK_F11) {
        if (asked.Fullscreen && !Chosen.Fullscreen)
            return Tr("Full screen not available here");
        return Chosen.Fullscreen ? Tr("Full screen on") : Tr("Full screen off");
    }
    const bool music = key == SDLK_F9;
    if (!(music ? Chosen.Music : Chosen.Effects))
        return music ? Tr("Music off") : Tr("Effects off");
    if (Muted)
        return music ? Tr("Music on (muted this run)") : Tr("Effects on (muted this run)");
    if (!Engine::Instance().AudioOpen)
        return music ? Tr("Music on (no sound device)") : Tr("Effects on (no sound device)");
    return music ? Tr("Music on") : Tr("Effects on");
}

bool SettingsKeys::ReadKey(const SDL_Event& event, std::vector<SDL_Event>& instead) {
    const KeyBindings& bindings = Chosen.Bindings;
    const SDL_Event read =
        Places.Read(event, Chosen.Keys, [&bindings](SDLKey key) { return InPlay() ? bindings.InPlay(key) : key; });
    if (read.key.keysym.sym == event.key.keysym.sym)
        return false;
    instead.push_back(read);
    return true;
}

std::string SettingsKeys::ShopLabel(SDLKey gameKey) const { return Chosen.Bindings.ShopLabel(gameKey); }

void SettingsKeys::Await(Awaited what) {
    Awaiting = what;
    Caught.reset();
}

std::optional<SDL_Event> SettingsKeys::TakeAwaited() { return std::exchange(Caught, std::nullopt); }

bool SettingsKeys::Catch(const SDL_Event& event) {
    if (event.type == SDL_KEYUP && Swallowed && SameKey(event.key.keysym, *Swallowed)) {
        Swallowed.reset();
        return true;
    }
    const bool key = Awaiting == Awaited::Key && event.type == SDL_KEYDOWN;
    if (!key && !(Awaiting == Awaited::PadButton && event.type == SDL_JOYBUTTONDOWN))
        return false;
    Caught = event;
    if (key) {
        Caught->key.keysym.sym = KeyPlaces::ReadPress(event.key.keysym, Chosen.Keys);
        Swallowed = event.key.keysym;
    }
    Awaiting = Awaited::Nothing;
    return true;
}

void SettingsKeys::Save() const {
    if (Path.empty())
        Log::WarnOnce(Tr("no home folder: settings are not saved"));
    else
        Saved.Save(Path);
}
