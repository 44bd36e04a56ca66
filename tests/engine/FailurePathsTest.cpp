#include <algorithm>
#include <vector>

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

// No display stops the game; no sound device, font or sounds cost a warning
// naming what is missing, and the game plays on without them.
TEST_F(FailurePaths, NoDisplayStopsTheGameAndMissingSoundOrTextOnlyGoesQuiet) {
    const struct {
        std::vector<const char*> Gone;
        const char* Env;
        int Status;
        const char* Says;
    } cases[] = {
        {{}, "SDL_VIDEODRIVER=no-such-display", 1, "korvanta: error:"},
        {{}, "SDL_AUDIODRIVER=no-such-sound-card", 0, "no sound device"},
        {{"pirulen.ttf", "Sound"}, "", 0, "pirulen.ttf"},
    };
    for (const auto& c : cases) {
        CopyAssets();
        for (const char* gone : c.Gone)
            std::filesystem::remove_all(Path / gone);
        const GameRun run = Start(c.Env);
        EXPECT_EQ(run.Status, c.Status) << c.Env << ": " << run.Err;
        EXPECT_NE(run.Err.find(c.Says), std::string::npos) << c.Env << ": " << run.Err;
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

// Every picture, sound, music track and the font load without a word.
TEST_F(FailurePaths, StartsFromAnyDirectoryByFindingItsAssets) {
    // An empty folder: the assets beside the game are used.
    const GameRun run = Start("XDG_CONFIG_HOME=" + Path.string() + " XDG_DATA_HOME=" + Path.string());
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
}
