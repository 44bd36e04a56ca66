#pragma once
#include <vector>

class ImageCache;

// Every picture the game draws, so that all of them are loaded into the
// cache at start-up: a missing or broken file then stops the game before the
// menu shows, not 160 seconds into a run when the boss arrives.
class Pictures {
public:
    // The paths, in the order they are checked.
    static const std::vector<const char*>& All();
    // Loads each into `cache`; throws ImageLoadError at the first that fails.
    static void Preload(ImageCache& cache);
};
