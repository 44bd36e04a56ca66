#include "engine/AlsaSilencer.h"

#include <dlfcn.h>

namespace {
// ALSA's error handler and its setter (from <alsa/error.h>), looked up at
// run time so the game neither builds nor runs against ALSA by necessity.
using ErrorHandler = void (*)(const char* file, int line, const char* function, int err, const char* fmt, ...);
using SetHandler = int (*)(ErrorHandler handler);

void SayNothing(const char*, int, const char*, int, const char*, ...) {}

SetHandler FindSetter(void* library) {
    return library == nullptr ? nullptr : reinterpret_cast<SetHandler>(dlsym(library, "snd_lib_error_set_handler"));
}
}  // namespace

AlsaSilencer::AlsaSilencer() : Library(dlopen("libasound.so.2", RTLD_NOW)) {
    if (SetHandler set = FindSetter(Library))
        set(SayNothing);
}

AlsaSilencer::~AlsaSilencer() {
    if (SetHandler set = FindSetter(Library))
        set(nullptr);  // ALSA's own reporting again
    if (Library != nullptr)
        dlclose(Library);
}
