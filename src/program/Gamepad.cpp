#include "program/Gamepad.h"

Gamepad::Gamepad() {
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
            return;
        startedJoysticks_ = true;
    }
    if (SDL_NumJoysticks() < 1)
        return;
    joystick_ = SDL_JoystickOpen(0);
    // The pad's events come through the event queue like the keyboard's.
    if (joystick_ != nullptr)
        SDL_JoystickEventState(SDL_ENABLE);
}

Gamepad::~Gamepad() {
    // After SDL_Quit the joystick is already closed and freed.
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0)
        return;
    if (joystick_ != nullptr)
        SDL_JoystickClose(joystick_);
    if (startedJoysticks_)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
