#include "program/Gamepad.h"

#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "program/SettingsKeys.h"
#include "screens/MainScreen.h"

namespace {
// What the pad's buttons mean depends on where the player is.
GamepadInput::Context WherePlayerIs() {
    const Engine& engine = Engine::Instance();
    if (engine.Show != nullptr)
        return GamepadInput::Context::Show;
    const auto* level = dynamic_cast<const Stage1*>(engine.FindScreen("Stage1"));
    if (level == nullptr) {
        const auto* menu = dynamic_cast<const MainScreen*>(engine.FindScreen("MainScreen"));
        return menu != nullptr && menu->PageOpen() ? GamepadInput::Context::Page : GamepadInput::Context::Menu;
    }
    const UI* hud = level->FindHud();
    const bool overlay = GamePaused || (hud != nullptr && (hud->GameOverView || hud->VictoryView));
    return overlay ? GamepadInput::Context::Overlay : GamepadInput::Context::Level;
}
}  // namespace

Gamepad::Gamepad(const SettingsKeys* settings) : settings_(settings) {
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
    // A button that stands for nothing here still keeps the menu from
    // thinking it is left alone.
    if (event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP)
        Engine::Instance().Input.NoteInput();
    instead = settings_ != nullptr ? input_.Translate(event, WherePlayerIs(), settings_->Current().Bindings)
                                   : input_.Translate(event, WherePlayerIs());
    return true;
}
