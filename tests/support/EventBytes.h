#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
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
inline constexpr SDLKey GameKeys[] = {SDLK_w,    SDLK_a,    SDLK_s,     SDLK_d,     SDLK_SPACE,  SDLK_h,
                                      SDLK_n,    SDLK_b,    SDLK_m,     SDLK_q,     SDLK_ESCAPE, SDLK_UP,
                                      SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN};

// Points worth aiming at: the menu's Play, Info and Exit, the overlays'
// Replay and Exit, a button's very edge, the middle of a text page and the
// level's play area; then the menu's Options and Scores, the pages' Back,
// a setting's value and its arrows, and the first score row.
// The Play button's frame is 134 px wide: its left and top edges.
inline constexpr int PlayLeft = Layout::LeftColumnX - 134 / 2, ButtonTop = Layout::ButtonRowTop;
inline constexpr ScreenPoint Targets[] = {
    Layout::PlayButton, Layout::InfoButton, Layout::MenuExitButton, Layout::OverlayExitButton,
    {PlayLeft, ButtonTop}, {PlayLeft + 1, ButtonTop + 1}, {Layout::CentreX, 300}, {100, 300},
    {0, 0}, {Layout::WindowWidth - 1, Layout::WindowHeight - 1},
    Layout::OptionsButton, Layout::ScoresButton, Layout::BackButton,
    Layout::OptionValue(0), Layout::OptionLeftArrow(4), Layout::OptionRightArrow(5), Layout::ScoreRow(0)};

constexpr size_t MaxSteps = 512;
// Few frames an input: with stalls they still cover minutes of play, and an
// input stays cheap enough for the fuzzer to try thousands a minute.
constexpr int MaxFrames = 48;

inline std::vector<Step> Decode(const uint8_t* data, size_t size) {
    // Argument bytes of each opcode, as the layout above gives them.
    constexpr size_t argumentBytes[12] = {1, 1, 2, 2, 4, 1, 1, 1, 1, 0, 2, 2};
    std::vector<Step> steps;
    size_t at = 0;
    int frames = 0;
    Uint16 pointerX = 0, pointerY = 0;
    while (at < size && steps.size() < MaxSteps && frames < MaxFrames) {
        const uint8_t op = data[at++] % 12;
        const uint8_t* arg = data + at;
        if ((at += argumentBytes[op]) > size)
            break;
        Step step;
        if (op < 2) {
            step.Event = Events::Key(op == 0, GameKeys[arg[0] % std::size(GameKeys)]);
        } else if (op < 4) {
            step.Event = Events::Key(op == 2, static_cast<SDLKey>((arg[0] | arg[1] << 8) % SDLK_LAST));
        } else if (op == 4 || op == 5) {
            const ScreenPoint to = op == 4 ? ScreenPoint{arg[0] | arg[1] << 8, arg[2] | arg[3] << 8}
                                           : Targets[arg[0] % std::size(Targets)];
            pointerX = static_cast<Uint16>(to.X);
            pointerY = static_cast<Uint16>(to.Y);
            step.Event = Events::Motion(pointerX, pointerY);
        } else if (op < 8) {
            // Button 0 (none), left .. wheel down.
            step.Event = Events::Button(op == 6, static_cast<Uint8>(arg[0] % 6), pointerX, pointerY);
        } else if (op == 8) {
            step.Event = Events::Focus(arg[0] & 1, static_cast<Uint8>((arg[0] >> 1) & 7));
        } else if (op == 9) {
            step.Event = Events::Quit();
        } else {
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
