#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/Layout.h"
#include "support/Events.h"

// Turns arbitrary bytes into a plausible stretch of play: SDL events of the
// kinds a desktop sends (keys the game knows and keys it does not, pointer
// motion anywhere, including far off the window, every mouse button and the
// wheel, focus changes, window close) and runs of frames, some of them long
// stalls. The fuzzer and the regression test read inputs through this one
// decoder, so a saved input replays exactly as the fuzzer ran it.
//
// Layout: a sequence of records, each an opcode byte followed by its
// arguments; a record cut short by the end of the input is dropped.
//   op % 12 | record
//   0, 1    | key down / up of a game key: [index]
//   2, 3    | key down / up of any key: [lo][hi]
//   4       | pointer motion to any position: [xlo][xhi][ylo][yhi]
//   5       | pointer motion onto a button or a page: [index]
//   6, 7    | button press / release at the pointer: [button]
//   8       | focus change: [bits] (bit 0 gain, bits 1-3 state mask)
//   9       | window close
//   10, 11  | frames: [count][pace] (count 1..32; pace < 224: 1/60 s each,
//           | otherwise a stall of 250 + (pace - 224) * 100 ms each)
namespace EventBytes {

struct Step {
    bool IsFrames = false;
    SDL_Event Event{};
    int Frames = 0;
    // Milliseconds per frame; 0 means the steady 17, 17, 16 of 60 Hz.
    uint32_t Ms = 0;
};

// Keys that do something somewhere in the game.
inline const SDLKey* GameKeys(size_t* count) {
    static const SDLKey keys[] = {SDLK_w,  SDLK_a,  SDLK_s,      SDLK_d,      SDLK_SPACE, SDLK_h,      SDLK_n,
                                  SDLK_b,  SDLK_m,  SDLK_q,      SDLK_ESCAPE, SDLK_UP,    SDLK_DOWN,   SDLK_LEFT,
                                  SDLK_RIGHT, SDLK_RETURN};
    *count = sizeof keys / sizeof keys[0];
    return keys;
}

// Points worth aiming at: the menu's Play, Info and Exit, the overlays'
// Replay and Exit, a button's very edge, the middle of a text page and the
// level's play area; then the menu's Options and Scores, the pages' Back,
// a setting's value and its arrows, and the first score row.
struct Target {
    Uint16 X, Y;
};
inline const Target* Targets(size_t* count) {
    // The Play button's frame is 134 px wide: its left and top edges.
    constexpr int playLeft = Layout::LeftColumnX - 134 / 2, top = Layout::ButtonRowTop;
    static const Target targets[] = {
        {Layout::PlayButton.X, Layout::PlayButton.Y},
        {Layout::InfoButton.X, Layout::InfoButton.Y},
        {Layout::MenuExitButton.X, Layout::MenuExitButton.Y},
        {Layout::OverlayExitButton.X, Layout::OverlayExitButton.Y},
        {playLeft, top},
        {playLeft + 1, top + 1},
        {Layout::CentreX, 300},
        {100, 300},
        {0, 0},
        {Layout::WindowWidth - 1, Layout::WindowHeight - 1},
        {Layout::OptionsButton.X, Layout::OptionsButton.Y},
        {Layout::ScoresButton.X, Layout::ScoresButton.Y},
        {Layout::BackButton.X, Layout::BackButton.Y},
        {Layout::OptionValue(0).X, Layout::OptionValue(0).Y},
        {Layout::OptionLeftArrow(4).X, Layout::OptionLeftArrow(4).Y},
        {Layout::OptionRightArrow(5).X, Layout::OptionRightArrow(5).Y},
        {Layout::ScoreRow(0).X, Layout::ScoreRow(0).Y}};
    *count = sizeof targets / sizeof targets[0];
    return targets;
}

constexpr size_t MaxSteps = 512;
// Few frames an input: with stalls they still cover minutes of play, and an
// input stays cheap enough for the fuzzer to try thousands a minute.
constexpr int MaxFrames = 48;

inline std::vector<Step> Decode(const uint8_t* data, size_t size) {
    std::vector<Step> steps;
    size_t at = 0;
    int frames = 0;
    Uint16 pointerX = 0, pointerY = 0;
    // The next `n` argument bytes, or false when the input ends before them.
    const auto take = [&](size_t n) { return (at += n) <= size; };
    while (at < size && steps.size() < MaxSteps && frames < MaxFrames) {
        const uint8_t op = data[at++] % 12;
        const uint8_t* arg = data + at;
        size_t n;
        Step step;
        if (op < 2) {
            if (!take(1))
                break;
            step.Event = Events::Key(op == 0, GameKeys(&n)[arg[0] % n]);
        } else if (op < 4) {
            if (!take(2))
                break;
            step.Event = Events::Key(op == 2, static_cast<SDLKey>((arg[0] | arg[1] << 8) % SDLK_LAST));
        } else if (op == 4) {
            if (!take(4))
                break;
            pointerX = static_cast<Uint16>(arg[0] | arg[1] << 8);
            pointerY = static_cast<Uint16>(arg[2] | arg[3] << 8);
            step.Event = Events::Motion(pointerX, pointerY);
        } else if (op == 5) {
            if (!take(1))
                break;
            const Target t = Targets(&n)[arg[0] % n];
            pointerX = t.X;
            pointerY = t.Y;
            step.Event = Events::Motion(pointerX, pointerY);
        } else if (op < 8) {
            if (!take(1))
                break;
            // Button 0 (none), left .. wheel down.
            step.Event = Events::Button(op == 6, static_cast<Uint8>(arg[0] % 6), pointerX, pointerY);
        } else if (op == 8) {
            if (!take(1))
                break;
            step.Event = Events::Focus(arg[0] & 1, static_cast<Uint8>((arg[0] >> 1) & 7));
        } else if (op == 9) {
            step.Event = Events::Quit();
        } else {
            if (!take(2))
                break;
            step.IsFrames = true;
            step.Frames = 1 + arg[0] % 32;
            step.Ms = arg[1] < 224 ? 0 : 250 + (arg[1] - 224) * 100u;
            frames += step.Frames;
        }
        steps.push_back(step);
    }
    return steps;
}

}  // namespace EventBytes
