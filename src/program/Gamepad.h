#pragma once
#include <SDL/SDL.h>

#include <vector>

#include "engine/EventFilter.h"
#include "program/GamepadInput.h"

class SettingsKeys;

// Owns the first game pad present at start (SDL 1.2 cannot see one plugged
// in later) and the translator of its events, which it applies to the pad's
// events as they arrive, by where the player is (menu, level, overlay) and
// the buttons the player bound. Without a pad it does nothing and says
// nothing. Create it after SDL_Init and destroy it before SDL_Quit.
class Gamepad : public EventFilter {
public:
    // `settings` (which the pad does not own) has the player's buttons; the
    // defaults without.
    explicit Gamepad(const SettingsKeys* settings = nullptr);
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    bool IsOpen() const { return joystick_ != nullptr; }
    // Takes every pad event; the keys and clicks it stands for take its place.
    bool Take(const SDL_Event& event, std::vector<SDL_Event>& instead) override;

private:
    SDL_Joystick* joystick_ = nullptr;
    bool startedJoysticks_ = false;  // whether the joystick subsystem is ours to stop
    GamepadInput input_;
    const SettingsKeys* settings_;
};
