#include "program/Gamepad.h"

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "field/UI.h"

namespace {
// What the pad's buttons mean depends on where the player is.
GamepadInput::Context WherePlayerIs() {
    const auto* level = dynamic_cast<const Stage1*>(Engine::Instance().FindScreen("Stage1"));
    if (level == nullptr)
        return GamepadInput::Context::Menu;
    const UI* hud = level->FindHud();
    const bool overlay = GamePaused || (hud != nullptr && (hud->GameOverView || hud->VictoryView));
    return overlay ? GamepadInput::Context::Overlay : GamepadInput::Context::Level;
}
}  // namespace

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

bool Gamepad::Take(const SDL_Event& event, std::vector<SDL_Event>& instead) {
    if (!GamepadInput::IsPadEvent(event))
        return false;
    instead = input_.Translate(event, WherePlayerIs());
    return true;
}
