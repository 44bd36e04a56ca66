// Arbitrary event sequences against the whole game, from the menu or from a
// scene of the level on.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "engine/MainLoop.h"
#include "support/EventSession.h"

namespace {
void StopGame() { EventSession::Shutdown(); }
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The generated assets of this build, or those named by the caller.
    const char* assets = std::getenv("KORVANTA_FUZZ_ASSETS");
    if (chdir(assets != nullptr ? assets : KORVANTA_ASSET_DIR) != 0) {
        std::perror("korvanta fuzzer: cannot enter the asset folder");
        std::exit(2);
    }
    if (!EventSession::Start()) {
        std::fprintf(stderr, "korvanta fuzzer: the engine does not start: %s\n",
                     Engine::Instance().LastError.c_str());
        std::exit(2);
    }
    // Nothing needs to be seen: blits clipped to nothing cost next to nothing
    // while every draw still runs its rules.
    SDL_Rect nowhere{0, 0, 0, 0};
    SDL_SetClipRect(Engine::Instance().Surface, &nowhere);
    // Screens and pictures are freed before the leak check at exit.
    std::atexit(StopGame);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EventSession::Play(data, size);
    return 0;
}
