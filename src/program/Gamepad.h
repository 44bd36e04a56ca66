#pragma once
#include <SDL/SDL.h>

#include "program/GamepadInput.h"

// Owns the first game pad present at start (SDL 1.2 cannot see one plugged
// in later) and the translator of its events. Without a pad it does nothing
// and says nothing. Create it after SDL_Init and destroy it before SDL_Quit.
class Gamepad {
public:
    Gamepad();
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    bool IsOpen() const { return joystick_ != nullptr; }
    GamepadInput& Input() { return input_; }

private:
    SDL_Joystick* joystick_ = nullptr;
    bool startedJoysticks_ = false;  // whether the joystick subsystem is ours to stop
    GamepadInput input_;
};
