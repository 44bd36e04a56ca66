#include "program/GamepadInput.h"

#include "engine/Layout.h"

namespace {
using Context = GamepadInput::Context;

// Start on the common Xbox-style layout under Linux, and on generic pads.
constexpr Uint8 StartButtons[] = {7, 9};

struct Point {
    Uint16 X, Y;
};
constexpr Point On(ScreenPoint button) { return {Uint16(button.X), Uint16(button.Y)}; }
constexpr Point ReplayButton = On(Layout::ReplayButton);
constexpr Point ExitButton = On(Layout::OverlayExitButton);

SDL_Event KeyEvent(Uint8 type, SDLKey key) {
    SDL_Event e{};
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    return e;
}

SDL_Event MouseEvent(Uint8 type, Point at) {
    SDL_Event e{};
    if (type == SDL_MOUSEMOTION) {
        e.motion.type = type;
        e.motion.x = at.X;
        e.motion.y = at.Y;
        return e;
    }
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = at.X;
    e.button.y = at.Y;
    return e;
}

// The pair of direction bits an axis value selects between.
unsigned Push(Sint16 value, unsigned negative, unsigned positive) {
    if (value <= -GamepadInput::DeadZone)
        return negative;
    return value >= GamepadInput::DeadZone ? positive : 0;
}

bool IsStart(Uint8 button) { return button == StartButtons[0] || button == StartButtons[1]; }
}  // namespace

bool GamepadInput::IsPadEvent(const SDL_Event& event) {
    return event.type == SDL_JOYAXISMOTION || event.type == SDL_JOYHATMOTION || event.type == SDL_JOYBUTTONDOWN ||
           event.type == SDL_JOYBUTTONUP;
}

std::vector<SDL_Event> GamepadInput::Translate(const SDL_Event& event, Context context,
                                              const KeyBindings& bindings) {
    switch (event.type) {
    case SDL_JOYAXISMOTION: return MoveStick(event.jaxis, context);
    case SDL_JOYHATMOTION: return MoveHat(event.jhat, context);
    case SDL_JOYBUTTONDOWN: return Press(event.jbutton.button, context, bindings);
    case SDL_JOYBUTTONUP: return Release(event.jbutton.button);
    default: return {};
    }
}

std::vector<SDL_Event> GamepadInput::MoveStick(const SDL_JoyAxisEvent& axis, Context context) {
    // Axis 0 is the left stick's x, axis 1 its y (down positive); the right
    // stick and the triggers have no use.
    if (axis.axis == 0)
        stick_ = (stick_ & (Up | Down)) | Push(axis.value, Left, Right);
    else if (axis.axis == 1)
        stick_ = (stick_ & (Left | Right)) | Push(axis.value, Up, Down);
    else
        return {};
    return Steer(context);
}

std::vector<SDL_Event> GamepadInput::MoveHat(const SDL_JoyHatEvent& hat, Context context) {
    if (hat.hat != 0)
        return {};
    hat_ = ((hat.value & SDL_HAT_UP) ? Up : 0) | ((hat.value & SDL_HAT_DOWN) ? Down : 0) |
           ((hat.value & SDL_HAT_LEFT) ? Left : 0) | ((hat.value & SDL_HAT_RIGHT) ? Right : 0);
    return Steer(context);
}

namespace {
// Where the ship steers: in the level and on its overlays.
bool Steers(Context context) { return context == Context::Level || context == Context::Overlay; }

// The key a pushed direction stands for: W, S, A, D where the ship steers,
// the arrow keys on the menu and its pages, none while a recorded run shows.
SDLKey DirectionKey(Context context, int direction) {
    static constexpr SDLKey steering[] = {SDLK_w, SDLK_s, SDLK_a, SDLK_d};
    static constexpr SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    if (Steers(context))
        return steering[direction];
    return context == Context::Show ? SDLK_UNKNOWN : arrows[direction];
}
}  // namespace

// Reports the keys of directions that no source pushes any more released,
// then those that a first source now pushes pressed (so that swinging the
// stick from left to right lets go of A before D goes down). A direction
// still pushed keeps its key off the level, so a steering key held into
// the menu is only let go of there; in the level it becomes steering.
std::vector<SDL_Event> GamepadInput::Steer(Context context) {
    static constexpr unsigned bits[Directions] = {Up, Down, Left, Right};
    const unsigned pushed = stick_ | hat_;
    std::vector<SDL_Event> releases, presses;
    for (int d = 0; d < Directions; ++d) {
        SDLKey wanted = (pushed & bits[d]) ? DirectionKey(context, d) : SDLK_UNKNOWN;
        if ((pushed & bits[d]) && held_[d] != SDLK_UNKNOWN && !Steers(context))
            wanted = held_[d];
        if (wanted == held_[d])
            continue;
        if (held_[d] != SDLK_UNKNOWN)
            releases.push_back(KeyEvent(SDL_KEYUP, held_[d]));
        if (wanted != SDLK_UNKNOWN)
            presses.push_back(KeyEvent(SDL_KEYDOWN, wanted));
        held_[d] = wanted;
    }
    releases.insert(releases.end(), presses.begin(), presses.end());
    return releases;
}

// In the level a button is the game's key of the action it is bound to. On
// an overlay the pause button resumes (ESC), and buttons 0 and 1 are Replay
// and Exit.
std::vector<SDL_Event> GamepadInput::Press(Uint8 button, Context context, const KeyBindings& bindings) {
    if (releases_.count(button) != 0)
        return {};  // a second press without a release in between
    const std::optional<KeyBindings::Action> action = bindings.OfButton(button);
    switch (context) {
    case Context::Menu:
    case Context::Page:
    case Context::Show:
        return PressOffLevel(button, context);
    case Context::Level:
        if (action)
            return PressKey(button, KeyBindings::GameKey(*action));
        break;
    case Context::Overlay:
        if (action == KeyBindings::Action::Pause)
            return PressKey(button, SDLK_ESCAPE);
        if (button == 0)
            return Click(button, ReplayButton.X, ReplayButton.Y);
        if (button == 1)
            return Click(button, ExitButton.X, ExitButton.Y);
        break;
    }
    return {};
}

// Off the level the pad works the menu and its pages by the keys: button 0
// and Start are Enter (on the menu's buttons, Play until the arrows choose
// another), button 1 goes back (ESC) from a page. While a recorded run
// shows, button 1 and Start are ESC and every other button Enter: any of
// them ends a demo, the first two a kept run watched again.
std::vector<SDL_Event> GamepadInput::PressOffLevel(Uint8 button, Context context) {
    const bool confirm = button == 0 || IsStart(button);
    if (context == Context::Show)
        return PressKey(button, button == 1 || IsStart(button) ? SDLK_ESCAPE : SDLK_RETURN);
    if (confirm)
        return PressKey(button, SDLK_RETURN);
    if (context == Context::Page && button == 1)
        return PressKey(button, SDLK_ESCAPE);
    return {};
}

// A key or the left button held through another button stays held: a second
// press would break the input handler's one-press-one-release rule.
bool GamepadInput::IsHeldByButton(const SDL_Event& release) const {
    for (const auto& [button, held] : releases_) {
        if (held.type == release.type && held.type == SDL_KEYUP && held.key.keysym.sym == release.key.keysym.sym)
            return true;
        if (held.type == release.type && held.type == SDL_MOUSEBUTTONUP)
            return true;
    }
    return false;
}

std::vector<SDL_Event> GamepadInput::PressKey(Uint8 button, SDLKey key) {
    const SDL_Event release = KeyEvent(SDL_KEYUP, key);
    if (IsHeldByButton(release))
        return {};
    releases_[button] = release;
    return {KeyEvent(SDL_KEYDOWN, key)};
}

// The pointer goes to the button first: the menu and the overlays only take
// a click made on one of their buttons.
std::vector<SDL_Event> GamepadInput::Click(Uint8 button, Uint16 x, Uint16 y) {
    const Point at{x, y};
    const SDL_Event release = MouseEvent(SDL_MOUSEBUTTONUP, at);
    if (IsHeldByButton(release))
        return {};
    releases_[button] = release;
    return {MouseEvent(SDL_MOUSEMOTION, at), MouseEvent(SDL_MOUSEBUTTONDOWN, at)};
}

std::vector<SDL_Event> GamepadInput::Release(Uint8 button) {
    const auto held = releases_.find(button);
    if (held == releases_.end())
        return {};
    const SDL_Event release = held->second;
    releases_.erase(held);
    return {release};
}
