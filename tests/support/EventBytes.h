#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

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
    static const SDLKey keys[] = {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_SPACE, SDLK_h,
                                  SDLK_n, SDLK_b, SDLK_m, SDLK_q, SDLK_ESCAPE};
    *count = sizeof keys / sizeof keys[0];
    return keys;
}

// Points worth aiming at: the menu's Play, Info and Exit, the overlays'
// Replay and Exit, a button's very edge, the middle of a text page and the
// level's play area.
struct Target {
    Uint16 X, Y;
};
inline const Target* Targets(size_t* count) {
    static const Target targets[] = {{341, 446}, {512, 446}, {683, 440}, {683, 450}, {274, 400},
                                     {275, 401}, {512, 300}, {100, 300}, {0, 0},     {1023, 599}};
    *count = sizeof targets / sizeof targets[0];
    return targets;
}

constexpr size_t MaxSteps = 512;
constexpr int MaxFrames = 360;

inline std::vector<Step> Decode(const uint8_t* data, size_t size) {
    std::vector<Step> steps;
    size_t at = 0;
    int frames = 0;
    Uint16 pointerX = 0, pointerY = 0;
    const auto has = [&](size_t n) { return at + n <= size; };
    while (at < size && steps.size() < MaxSteps && frames < MaxFrames) {
        const uint8_t op = data[at++] % 12;
        Step step;
        SDL_Event& e = step.Event;
        switch (op) {
        case 0:
        case 1:
        case 2:
        case 3: {
            SDLKey key;
            if (op < 2) {
                if (!has(1))
                    return steps;
                size_t n;
                key = GameKeys(&n)[data[at++] % n];
            } else {
                if (!has(2))
                    return steps;
                key = static_cast<SDLKey>((data[at] | data[at + 1] << 8) % SDLK_LAST);
                at += 2;
            }
            const bool down = op % 2 == 0;
            e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            e.key.type = e.type;
            e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.sym = key;
            break;
        }
        case 4:
        case 5:
            if (op == 4) {
                if (!has(4))
                    return steps;
                pointerX = static_cast<Uint16>(data[at] | data[at + 1] << 8);
                pointerY = static_cast<Uint16>(data[at + 2] | data[at + 3] << 8);
                at += 4;
            } else {
                if (!has(1))
                    return steps;
                size_t n;
                const Target t = Targets(&n)[data[at++] % n];
                pointerX = t.X;
                pointerY = t.Y;
            }
            e.type = SDL_MOUSEMOTION;
            e.motion.type = SDL_MOUSEMOTION;
            e.motion.x = pointerX;
            e.motion.y = pointerY;
            break;
        case 6:
        case 7:
            if (!has(1))
                return steps;
            e.type = op == 6 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            e.button.type = e.type;
            e.button.button = static_cast<Uint8>(data[at++] % 6);  // 0 (none), left .. wheel down
            e.button.state = op == 6 ? SDL_PRESSED : SDL_RELEASED;
            e.button.x = pointerX;
            e.button.y = pointerY;
            break;
        case 8:
            if (!has(1))
                return steps;
            e.type = SDL_ACTIVEEVENT;
            e.active.type = SDL_ACTIVEEVENT;
            e.active.gain = data[at] & 1;
            e.active.state = static_cast<Uint8>((data[at] >> 1) & 7);
            ++at;
            break;
        case 9:
            e.type = SDL_QUIT;
            break;
        default:
            if (!has(2))
                return steps;
            step.IsFrames = true;
            step.Frames = 1 + data[at] % 32;
            step.Ms = data[at + 1] < 224 ? 0 : 250 + (data[at + 1] - 224) * 100u;
            at += 2;
            frames += step.Frames;
            break;
        }
        steps.push_back(step);
    }
    return steps;
}

}  // namespace EventBytes
