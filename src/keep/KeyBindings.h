#pragma once
#include <SDL/SDL_keysym.h>
#include <SDL/SDL_stdinc.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The player's controls: for every action of play, two keys and one pad
// button, as settings.ini keeps them (`bind_fire = space, left ctrl`,
// `pad_fire = 0`). The defaults are the game's own keys (W, S, D, A, Space,
// H, N, B, M, Q, ESC) with the arrows beside the steering ones, and the pad
// buttons the game always had. Whatever is bound, play sees the game's own
// key of the action (GameKey), so a recorded run holds actions, never the
// player's keys. A line of the file that names no key, a key the game keeps
// for itself, or a key (or button) another action has too, leaves that
// action on its default and is noted for one warning.
class KeyBindings {
public:
    enum class Action {
        SteerUp, SteerDown, Accelerate, Brake, Fire, Repair, RapidFire, Cannon, Missile, SelfDestruct, Pause
    };
    static constexpr int Actions = 11;
    static constexpr int KeySlots = 2;
    // A pad slot with no button, and the one holding the Start button: 7 on
    // the common Xbox-style layout under Linux, 9 on many other pads.
    static constexpr int NoButton = -1;
    static constexpr int StartButton = -2;

    static constexpr std::array<Action, Actions> All{
        Action::SteerUp, Action::SteerDown, Action::Accelerate, Action::Brake,        Action::Fire, Action::Repair,
        Action::RapidFire, Action::Cannon,  Action::Missile,    Action::SelfDestruct, Action::Pause};

    // The action's word in the file (`steer_up`), and what the player reads.
    static const char* Name(Action action);
    static const char* Label(Action action);
    // The key the game itself acts on for the action.
    static SDLKey GameKey(Action action);

    // Every key and button on its default.
    KeyBindings();

    // SDLK_UNKNOWN for an empty slot.
    SDLKey Key(Action action, int slot) const;
    // A button number, NoButton or StartButton.
    int Button(Action action) const;

    // What the game is to see for a key read as `key` in play: the game's key
    // of the action it is bound to; nothing (SDLK_UNKNOWN) for a game key no
    // action is bound to; any other key as it is.
    SDLKey InPlay(SDLKey key) const;
    // The action pad button `button` is bound to, if any.
    std::optional<Action> OfButton(Uint8 button) const;

    // Why `key` cannot be bound to `action` (a line for the player), or null
    // when it can: ESC serves only to pause, F9, F10, F11 and Enter keep their
    // own meanings, lock keys cannot be held and some keys have no name.
    static const char* Refusal(Action action, SDLKey key);

    // Puts `key` in the slot. Where another slot holds it already, that slot
    // gets what this one held: the action it leaves, if any, is returned.
    // `key` must be one Refusal lets through.
    std::optional<Action> BindKey(Action action, int slot, SDLKey key);
    // The same for the pad button.
    std::optional<Action> BindButton(Action action, int button);
    // True when `action` has no key at all.
    bool Keyless(Action action) const;

    // The file's name of a key ("left ctrl"), and the key it names (any
    // letter case, blanks between words as they come); none for a name no
    // key has.
    static std::string KeyName(SDLKey key);
    static std::optional<SDLKey> KeyNamed(std::string_view name);
    // A label of at most three characters for a small button ("K", "SPC").
    static std::string ShortName(SDLKey key);
    // The pad slot's word in the file: a number, "none" or "start".
    static std::string ButtonName(int button);

    // What a shop's button is to show for its game key (H, B, N, M): empty
    // while that key is still bound to it, else the first key bound to it
    // in short ("-" for none).
    std::string ShopLabel(SDLKey gameKey) const;

    // Takes one "bind_x = ..." or "pad_x = ..." line of the file; false when
    // the line is not one of them (a stray line for the settings).
    bool Read(std::string_view line);
    // Once every line is read: a key or button that two actions share, or
    // one action twice, sends the actions that were not on their defaults
    // back to them.
    void Settle();
    // The names of the lines left on their defaults (bind_fire, pad_pause...).
    const std::set<std::string>& Refused() const { return RefusedLines; }
    // The file's keys and their words: every action's keys, then every
    // action's button.
    std::vector<std::pair<std::string, std::string>> Entries() const;
    // Those as the file's lines.
    std::string Text() const;

    // Compares what is bound, not what the file had wrong.
    bool operator==(const KeyBindings& other) const { return Slots == other.Slots; }

private:
    struct Bound {
        std::array<SDLKey, KeySlots> Keys;
        int Button;
        bool operator==(const Bound&) const = default;
    };
    static Bound Default(Action action);
    static bool ButtonsClash(int a, int b);
    bool ReadKeys(Action action, std::string_view value);
    bool ReadButton(Action action, std::string_view value);
    // True when any action clashed; those not on their defaults go back.
    bool SendClashesBack();

    std::array<Bound, Actions> Slots;
    std::set<std::string> RefusedLines;
};
