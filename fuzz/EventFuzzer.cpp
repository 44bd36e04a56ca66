// Arbitrary event sequences against the whole game, from the menu on.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "support/EventBytes.h"
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
    // Screens and pictures are freed before the leak check at exit.
    std::atexit(StopGame);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EventSession::FreshMenu();
    EventSession::Run(EventBytes::Decode(data, size));
    return 0;
}
