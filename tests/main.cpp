#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // The tests never open a real window or sound device.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
