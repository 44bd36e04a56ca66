#include <algorithm>

#include "support/GameProcess.h"

// The game as a player starts it: a real process, a real exit status and a
// message on stderr when something it needs is missing or broken.
namespace {
class FailurePaths : public ::testing::Test, protected GameProcess {};
}  // namespace

// Every picture is looked for before the menu shows, so a picture needed
// only 160 seconds into a run stops the game at once, not mid-run.
TEST_F(FailurePaths, AMissingOrCorruptPictureStopsTheGameAtStartNamingIt) {
    CopyAssets();
    std::filesystem::remove(Path / "Image" / "TheBoss.png");
    GameRun run = Start("");
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("Null pointer in Image constructor"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Image/TheBoss.png"), std::string::npos) << run.Err;
    CopyAssets();
    std::ofstream(Path / "Image" / "Ray.png", std::ios::trunc) << "not a picture";
    run = Start("");
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("Image/Ray.png"), std::string::npos) << run.Err;
}

TEST_F(FailurePaths, NoDisplayIsReportedWithStatusOne) {
    CopyAssets();
    const GameRun run = Start("SDL_VIDEODRIVER=no-such-display");
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("korvanta: error:"), std::string::npos) << run.Err;
}

TEST_F(FailurePaths, NoSoundDeviceStillPlaysSilently) {
    CopyAssets();
    const GameRun run = Start("SDL_AUDIODRIVER=no-such-sound-card");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Err.find("no sound device"), std::string::npos) << run.Err;
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
