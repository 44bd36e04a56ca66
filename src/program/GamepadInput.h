#pragma once
#include <SDL/SDL.h>

#include <map>
#include <vector>

#include "keep/KeyBindings.h"

// Translates a game pad's joystick events into the keys and left clicks the
// game already understands, so the pad plays by the keyboard's and the
// mouse's rules. It remembers what the stick, the d-pad and each button hold,
// so that every press it reports is followed by exactly one release. In the
// level the buttons do what the player bound them to.
class GamepadInput {
public:
    // Where the player is: the main menu's buttons (or the instructions and
    // credits pages), its options or scores page, playing the level, one of
    // the level's overlays (pause, game over, victory) with Replay and Exit,
    // or watching a recorded run (the demo, a kept run).
    enum class Context { Menu, Page, Level, Overlay, Show };

    // Stick positions nearer the centre than this count as the centre.
    static constexpr Sint16 DeadZone = 8000;

    // The keyboard and mouse events `event` stands for in `context` with the
    // player's `bindings`; none for events of other kinds and for pad parts
    // the game has no use for.
    std::vector<SDL_Event> Translate(const SDL_Event& event, Context context,
                                     const KeyBindings& bindings = KeyBindings());


    static bool IsPadEvent(const SDL_Event& event);

private:
    // Bits of the directions a stick or the d-pad pushes.
    static constexpr unsigned Up = 1, Down = 2, Left = 4, Right = 8;

    static constexpr int Directions = 4;

    std::vector<SDL_Event> MoveStick(const SDL_JoyAxisEvent& axis, Context context);
    std::vector<SDL_Event> MoveHat(const SDL_JoyHatEvent& hat, Context context);
    std::vector<SDL_Event> Steer(Context context);
    std::vector<SDL_Event> PressOffLevel(Uint8 button, Context context);
    std::vector<SDL_Event> Press(Uint8 button, Context context, const KeyBindings& bindings);
    std::vector<SDL_Event> PressKey(Uint8 button, SDLKey key);
    std::vector<SDL_Event> Click(Uint8 button, Uint16 x, Uint16 y);
    std::vector<SDL_Event> Release(Uint8 button);
    bool IsHeldByButton(const SDL_Event& release) const;

    unsigned stick_ = 0;  // directions the left stick pushes
    unsigned hat_ = 0;    // directions the d-pad pushes
    // The key reported held for each direction (up, down, left, right);
    // SDLK_UNKNOWN for none.
    SDLKey held_[Directions] = {SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_UNKNOWN};
    // For each button held: the one event that undoes what its press emitted.
    std::map<Uint8, SDL_Event> releases_;
};
