#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "engine/Image.h"
#include "field/UI.h"
#include "player/Ship.h"
#include "support/Playthrough.h"

// Damaged copies of the game's files: every kind of asset, missing, empty,
// cut short or filled with garbage behind an intact start. A picture the game
// cannot load ends it in order, naming the file; a broken sound or music
// track only costs the sound, a broken font only the texts.
namespace {
namespace fs = std::filesystem;

enum class Damage { Missing, Empty, Truncated, Corrupt };

const char* Name(Damage d) {
    const char* names[] = {"Missing", "Empty", "Truncated", "Corrupt"};
    return names[static_cast<int>(d)];
}

// Truncated keeps the first half of the file; Corrupt keeps the first eighth
// (signature and headers) and fills the rest with noise.
void Spoil(const fs::path& file, Damage how) {
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        bytes = all.str();
    }
    switch (how) {
    case Damage::Missing:
        fs::remove(file);
        return;
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::Truncated:
        bytes.resize(bytes.size() / 2);
        break;
    case Damage::Corrupt: {
        std::mt19937 noise(7);
        for (size_t i = bytes.size() / 8; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(noise() & 0xFF);
        break;
    }
    }
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A private copy of the asset folder, removed again at the end.
class AssetCopy {
public:
    fs::path Dir;
    explicit AssetCopy(const std::string& tag) {
        Dir = fs::temp_directory_path() / ("korvanta-assets-" + std::to_string(getpid()) + "-" + tag);
        fs::remove_all(Dir);
        fs::copy(KORVANTA_ASSET_DIR, Dir, fs::copy_options::recursive);
    }
    ~AssetCopy() {
        std::error_code ignored;
        fs::remove_all(Dir, ignored);
    }
    AssetCopy(const AssetCopy&) = delete;
    AssetCopy& operator=(const AssetCopy&) = delete;
};

std::string TestName() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
        if (c == '/')
            c = '-';
    return name;
}

// --- The game binary with a damaged file among the menu's assets.

struct MenuCase {
    const char* File;
    Damage How;
    int Status;
    // Text stderr must hold; null when the game has nothing to say (a
    // damaged MP3 still opens and simply plays nothing).
    const char* Says;
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.File << " " << Name(c.How); }

class DamagedMenuAsset : public ::testing::TestWithParam<MenuCase> {};
}  // namespace

TEST_P(DamagedMenuAsset, EndsInOrderOrPlaysOn) {
    const MenuCase& c = GetParam();
    AssetCopy copy(TestName());
    Spoil(copy.Dir / c.File, c.How);
    const fs::path err = copy.Dir / "stderr.txt";
    const std::string command = "cd '" + copy.Dir.string() +
                                "' && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" KORVANTA_GAME_BINARY
                                "' --frames 30 2> '" +
                                err.string() + "'";
    const int raw = std::system(command.c_str());
    std::stringstream text;
    text << std::ifstream(err).rdbuf();
    const std::string said = text.str();

    ASSERT_TRUE(WIFEXITED(raw)) << said;
    EXPECT_EQ(WEXITSTATUS(raw), c.Status) << said;
    if (c.Says != nullptr) {
        EXPECT_NE(said.find(c.Says), std::string::npos) << said;
    }
    if (c.Status == 1) {
        EXPECT_NE(said.find("Null pointer in Image constructor"), std::string::npos) << said;
        EXPECT_NE(said.find(c.File), std::string::npos) << said;
    }
    EXPECT_EQ(said.find("Sanitizer"), std::string::npos) << said;
    EXPECT_EQ(said.find("runtime error"), std::string::npos) << said;
}

// A missing picture and a text file posing as one are covered with the
// other failure paths of the program; a missing font too.
INSTANTIATE_TEST_SUITE_P(
    HostileAssets, DamagedMenuAsset,
    ::testing::Values(MenuCase{"Image/Info.png", Damage::Empty, 1, nullptr},
                      MenuCase{"Image/Info.png", Damage::Truncated, 1, nullptr},
                      MenuCase{"Image/Info.png", Damage::Corrupt, 1, nullptr},
                      MenuCase{"Sound/Tarnel-Memory.mp3", Damage::Missing, 0, "Sound/Tarnel-Memory.mp3"},
                      MenuCase{"Sound/Tarnel-Memory.mp3", Damage::Empty, 0, nullptr},
                      MenuCase{"Sound/Tarnel-Memory.mp3", Damage::Truncated, 0, nullptr},
                      MenuCase{"Sound/Tarnel-Memory.mp3", Damage::Corrupt, 0, nullptr},
                      MenuCase{"pirulen.ttf", Damage::Empty, 0, "pirulen.ttf"},
                      MenuCase{"pirulen.ttf", Damage::Truncated, 0, "pirulen.ttf"},
                      MenuCase{"pirulen.ttf", Damage::Corrupt, 0, "pirulen.ttf"}),
    [](const auto& info) {
        std::string file = info.param.File;
        file = file.substr(file.find_last_of('/') + 1);
        file = file.substr(0, file.find('.'));
        std::string name;
        for (char ch : file)
            if (std::isalnum(static_cast<unsigned char>(ch)))
                name += ch;
        return name + Name(info.param.How);
    });

// --- Files that only the level reads. The menu cannot be clicked in a
// headless process, so these run in-process: the menu comes up from the good
// assets, then the game works in a damaged copy and the player clicks Play.
namespace {
class LevelAssets : public Playthrough {
protected:
    std::unique_ptr<AssetCopy> Copy;
    fs::path Home;

    void Damaged(const std::string& file, Damage how) {
        Run(2);
        Home = fs::current_path();
        Copy = std::make_unique<AssetCopy>(TestName());
        Spoil(Copy->Dir / file, how);
        fs::current_path(Copy->Dir);
    }
    void TearDown() override {
        Playthrough::TearDown();
        if (!Home.empty())
            fs::current_path(Home);
        Copy.reset();
    }
};

struct PictureCase {
    const char* File;
    Damage How;
};
void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.File << " " << Name(c.How); }
class DamagedLevelPicture : public LevelAssets, public ::testing::WithParamInterface<PictureCase> {};

struct SoundCase {
    const char* File;
    Damage How;
    bool Warns;
};
void PrintTo(const SoundCase& c, std::ostream* out) { *out << c.File << " " << Name(c.How); }
class DamagedLevelSound : public LevelAssets, public ::testing::WithParamInterface<SoundCase> {};
}  // namespace

TEST_P(DamagedLevelPicture, StopsTheGameNamingTheFile) {
    const PictureCase& c = GetParam();
    Damaged(c.File, c.How);
    Click(341, 446);  // Play
    // The ship's picture is needed at once, the mine's when the first mine
    // comes (2 to 4 s into the level).
    std::string failed;
    for (int frame = 0; frame < 5 * 60 && failed.empty(); ++frame) {
        try {
            ASSERT_FALSE(Step());
        } catch (const ImageLoadError& error) {
            failed = error.Path;
            EXPECT_STREQ(error.what(), "Null pointer in Image constructor");
        }
    }
    EXPECT_EQ(failed, c.File);
}

INSTANTIATE_TEST_SUITE_P(HostileAssets, DamagedLevelPicture,
                         ::testing::Values(PictureCase{"Image/ship.png", Damage::Missing},
                                           PictureCase{"Image/ship.png", Damage::Empty},
                                           PictureCase{"Image/ship.png", Damage::Truncated},
                                           PictureCase{"Image/ship.png", Damage::Corrupt},
                                           PictureCase{"Image/smallmine.png", Damage::Missing},
                                           PictureCase{"Image/smallmine.png", Damage::Corrupt}),
                         [](const auto& info) {
                             const std::string file = info.param.File;
                             return file.substr(6, file.find('.') - 6) + Name(info.param.How);
                         });

// The level with every sound in use: the cannon, an explosion, the boss's
// beam and the level music. Each run is a process of its own, because the
// game says each distinct warning only once per run.
TEST_P(DamagedLevelSound, PlaysOnSilently) {
    const SoundCase& c = GetParam();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Damaged(c.File, c.How);
    // The boss sounds its beam 9.45 s into its cycle; the rest is heard at once.
    const int frames = std::string(c.File).find("Raybeam") != std::string::npos ? 10 * 60 : 3 * 60;
    const auto playLevel = [this, frames] {
        Click(341, 446);
        Run(3);
        if (Level() == nullptr)
            std::exit(3);
        Ship& ship = *PlayerShip();
        Spawn(new TheFoo(700, ship.CentreY() - 32, 0));
        Spawn(new TheBoss(724, 400));
        Press(SDLK_SPACE);
        for (int i = 0; i < frames; ++i)
            if (Step())
                std::exit(4);
        if (Hud() == nullptr || Hud()->PlayerScore < 50 || Count<TheBoss>() != 1)
            std::exit(5);  // nothing was shot down: no explosion was heard
        Engine::Instance().Shutdown();
        std::exit(0);
    };
    const std::string says = c.Warns ? std::string("cannot load [a-z]+ \"") + c.File + "\"" : std::string();
    EXPECT_EXIT(playLevel(), ::testing::ExitedWithCode(0), says);
}

INSTANTIATE_TEST_SUITE_P(
    HostileAssets, DamagedLevelSound,
    ::testing::Values(SoundCase{"Sound/bullet.wav", Damage::Missing, true},
                      SoundCase{"Sound/bullet.wav", Damage::Empty, true},
                      SoundCase{"Sound/bullet.wav", Damage::Truncated, true},
                      SoundCase{"Sound/bullet.wav", Damage::Corrupt, false},
                      SoundCase{"Sound/explosion.wav", Damage::Missing, true},
                      SoundCase{"Sound/explosion.wav", Damage::Empty, true},
                      SoundCase{"Sound/explosion.wav", Damage::Truncated, true},
                      SoundCase{"Sound/explosion.wav", Damage::Corrupt, false},
                      SoundCase{"Sound/Raybeam.wav", Damage::Missing, true},
                      SoundCase{"Sound/Raybeam.wav", Damage::Empty, true},
                      SoundCase{"Sound/Raybeam.wav", Damage::Truncated, true},
                      SoundCase{"Sound/Raybeam.wav", Damage::Corrupt, false},
                      SoundCase{"Sound/Tarnel-Stompin_little_scouts.mp3", Damage::Missing, true},
                      SoundCase{"Sound/Tarnel-Stompin_little_scouts.mp3", Damage::Empty, false},
                      SoundCase{"Sound/Tarnel-Stompin_little_scouts.mp3", Damage::Truncated, false},
                      SoundCase{"Sound/Tarnel-Stompin_little_scouts.mp3", Damage::Corrupt, false}),
    [](const auto& info) {
        std::string file = info.param.File;
        file = file.substr(6, file.find_first_of("_.") - 6);
        std::string name;
        for (char ch : file)
            if (std::isalnum(static_cast<unsigned char>(ch)))
                name += ch;
        return name + Name(info.param.How);
    });
