#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <functional>
#include <vector>

// Turns the SDL event stream into state that game code polls during a frame.
// A key counts as held while its key-down is stored; menus and the shop
// "take" a press or a left click by removing its event, so they react once
// per press. The handler owns every stored event.
class EveHandler {
public:
    float MouseX = 0;
    float MouseY = 0;
    std::vector<SDL_Event*> Events;
    // Keys, mouse buttons and pointer motion handed over so far, and the pad
    // input the program notes: the menu's idle clock restarts when it moves.
    unsigned long Inputs = 0;

    // A left-button press: where it was made (the game's pixels), when (the
    // wall clock) and its number in the run (0: there was none).
    struct Press {
        int X = 0;
        int Y = 0;
        uint32_t At = 0;
        unsigned long Number = 0;
    };
    // Two presses this close in time and place are one double click.
    static constexpr uint32_t DoubleClickMs = 400;
    static constexpr int DoubleClickReach = 6;
    // The latest left press that reached the game. Stored events come and
    // go; this stays until the engine shuts down.
    Press LastLeftPress;

    EveHandler() = default;
    EveHandler(const EveHandler&) = delete;
    EveHandler& operator=(const EveHandler&) = delete;
    virtual ~EveHandler();

    // Takes ownership of `event` and files it: stored, or released at once.
    void HandleEvent(SDL_Event* event);
    // Counts input that reaches the game by another road (the pad's buttons).
    void NoteInput() { ++Inputs; }
    // Notes a left press at (x, y) made now: every one HandleEvent files, and
    // one that reached the game by another road (a recorded run ended by it).
    void NoteLeftPress(int x, int y);
    // True when `second` is the second press of a double click begun by `first`.
    static bool DoubleClick(const Press& first, const Press& second);

    bool IsKeyHeld(SDLKey key) const;
    // Removes the first stored key-down of `key`; true when there was one.
    bool TakeKeyPress(SDLKey key);
    // Removes the first stored left-button press; true when there was one.
    bool TakeLeftClick();
    // Removes the stored presses of Enter and of the keypad's Enter; true
    // when there was one.
    bool TakeEnterPress();

    bool HasEventOfType(Uint8 type) const;
    // Drops every stored event (a fresh engine starts with none).
    void Clear();

private:
    void RemoveAt(size_t index);
    void FileKeyUp(SDL_Event* event);
    void FileLeftRelease(SDL_Event* event);
    using Match = std::function<bool(const SDL_Event*)>;
    void FileRelease(SDL_Event* event, const Match& isPress, const Match& isKeptRelease);
    void FileOnce(SDL_Event* event);
};
