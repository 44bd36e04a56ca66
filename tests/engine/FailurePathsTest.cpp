#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The game as a player starts it: a real process, a real exit status and a
// message on stderr when something it needs is missing or broken.
namespace {
namespace fs = std::filesystem;

struct GameRun {
    int Status = -1;
    std::string Err;
};

class FailurePaths : public ::testing::Test {
protected:
    fs::path Dir;
    void SetUp() override {
        Dir = fs::temp_directory_path() / ("korvanta-run-" + std::to_string(getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    void CopyAssets() {
        fs::copy(KORVANTA_ASSET_DIR, Dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    GameRun Start(const std::string& env, const std::string& args = "--frames 20") {
        const fs::path err = Dir / "stderr.txt";
        const std::string command = "cd '" + Dir.string() + "' && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + env +
                                    " '" KORVANTA_GAME_BINARY "' " + args + " 2> '" + err.string() + "'";
        GameRun run;
        const int raw = std::system(command.c_str());
        run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream in(err);
        std::stringstream text;
        text << in.rdbuf();
        run.Err = text.str();
        return run;
    }
};
}  // namespace

// Every picture is looked for before the menu shows, so a picture needed
// only 160 seconds into a run stops the game at once, not mid-run.
TEST_F(FailurePaths, AMissingOrCorruptPictureStopsTheGameAtStartNamingIt) {
    CopyAssets();
    fs::remove(Dir / "Image" / "TheBoss.png");
    GameRun run = Start("");
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("Null pointer in Image constructor"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Image/TheBoss.png"), std::string::npos) << run.Err;
    CopyAssets();
    std::ofstream(Dir / "Image" / "Ray.png", std::ios::trunc) << "not a picture";
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
// line (or none, where a card is found).
TEST_F(FailurePaths, TheSoundLibraryAddsNoLinesOfItsOwn) {
    CopyAssets();
    const GameRun run = Start("SDL_AUDIODRIVER=alsa");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err.find("ALSA"), std::string::npos) << run.Err;
    EXPECT_LE(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
}

TEST_F(FailurePaths, MissingFontAndSoundsLeaveTextAndSoundOut) {
    CopyAssets();
    fs::remove(Dir / "pirulen.ttf");
    fs::remove_all(Dir / "Sound");
    const GameRun run = Start("");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Err.find("pirulen.ttf"), std::string::npos) << run.Err;
}

TEST_F(FailurePaths, StartsFromAnyDirectoryByFindingItsAssets) {
    const GameRun run = Start("");  // an empty folder: the assets beside the game are used
    EXPECT_EQ(run.Status, 0) << run.Err;
}
