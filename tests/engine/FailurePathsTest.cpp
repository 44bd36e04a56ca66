#include <algorithm>
#include <string>
#include <vector>

#include "support/GameProcess.h"

// The game as a player starts it: a real process, a real exit status and a
// message on stderr when something it needs is missing or broken.
namespace {
namespace fs = std::filesystem;
class FailurePaths : public ::testing::Test, protected GameProcess {};
}  // namespace

// What is missing or broken is named on stderr. Every picture is looked for
// before the menu shows, so one needed only 160 seconds into a run stops the
// game at once, not mid-run; so does a missing display. Without a sound
// device, the font or the sounds the game plays on without them.
TEST_F(FailurePaths, WhatIsMissingIsNamedAndOnlyPicturesAndTheDisplayStopTheGame) {
    struct Case {
        std::string Env;
        std::vector<std::string> Removed;
        const char* Corrupted;
        int Status;
        std::vector<std::string> Named;
    };
    const Case cases[] = {
        {"", {"Image/TheBoss.png"}, nullptr, 1, {"Null pointer in Image constructor", "Image/TheBoss.png"}},
        {"", {}, "Image/Ray.png", 1, {"Image/Ray.png"}},
        {"SDL_VIDEODRIVER=no-such-display", {}, nullptr, 1, {"korvanta: error:"}},
        {"SDL_AUDIODRIVER=no-such-sound-card", {}, nullptr, 0, {"no sound device"}},
        {"", {"pirulen.ttf", "Sound"}, nullptr, 0, {"pirulen.ttf"}},
    };
    for (const Case& c : cases) {
        CopyAssets();
        for (const std::string& name : c.Removed)
            fs::remove_all(Path / name);
        if (c.Corrupted)
            std::ofstream(Path / c.Corrupted, std::ios::trunc) << "not a picture";
        const GameRun run = Start(c.Env);
        EXPECT_EQ(run.Status, c.Status) << c.Named[0] << ": " << run.Err;
        for (const std::string& name : c.Named)
            EXPECT_NE(run.Err.find(name), std::string::npos) << run.Err;
    }
}

// ALSA on a machine without a sound card: the game's own warning is the only
// line (or none, where a card is found), whatever words of the library's
// own reason it quotes ("ALSA: Couldn't open audio device" on SDL2).
TEST_F(FailurePaths, TheSoundLibraryAddsNoLinesOfItsOwn) {
    CopyAssets();
    const GameRun run = Start("SDL_AUDIODRIVER=alsa");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_LE(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    EXPECT_TRUE(run.Err.empty() || run.Err.rfind("korvanta: warning: no sound device (", 0) == 0) << run.Err;
    EXPECT_EQ(run.Err.find("ALSA lib"), std::string::npos) << run.Err;
}

TEST_F(FailurePaths, MissingFontAndSoundsLeaveTextAndSoundOut) {
    CopyAssets();
    std::filesystem::remove(Path / "pirulen.ttf");
    std::filesystem::remove_all(Path / "Sound");
    const GameRun run = Start("");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Err.find("pirulen.ttf"), std::string::npos) << run.Err;
}

// Every picture, sound, music track and the font load without a word.
TEST_F(FailurePaths, StartsFromAnyDirectoryByFindingItsAssets) {
    // An empty folder: the assets beside the game are used.
    const GameRun run = Start("XDG_CONFIG_HOME=" + Path.string() + " XDG_DATA_HOME=" + Path.string());
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
}
