#include <unistd.h>

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/StageHelpers.h"
#include "support/TempFolder.h"
#include "support/TestWorld.h"

// Damaged copies of the game's sounds, music and font: missing, empty, cut
// short, or filled with garbage behind an intact start. A broken sound or
// music track only costs the sound, a broken font only the texts. A picture
// the game cannot load stops it at start, naming the file, and missing fonts
// are covered with the program's other failure paths.
namespace {
namespace fs = std::filesystem;

enum Damage { Missing, Empty, Truncated, Corrupt };
const char* const DamageNames[] = {"Missing", "Empty", "Truncated", "Corrupt"};

// Truncated keeps the first half of the file; Corrupt keeps the first eighth
// (signature and headers) and fills the rest with noise.
void Spoil(const fs::path& file, Damage how) {
    std::string bytes = TempFolder::Get(file);
    std::mt19937 noise(7);
    if (how == Empty)
        bytes.clear();
    else if (how == Truncated)
        bytes.resize(bytes.size() / 2);
    else
        for (size_t i = bytes.size() / 8; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(noise() & 0xFF);
    if (how == Missing)
        fs::remove(file);
    else
        TempFolder::Put(file, bytes);
}

struct Case {
    Damage How;
    // The damaged files: every sound, both music tracks and (unless
    // missing) the font.
    std::vector<std::string> Files;
    // The files the game warns about; the rest play on as they are.
    std::vector<std::string> Warned;
    // Sounds the library may refuse (then warned about) or play as far as
    // they go (then not): classic SDL 1.2 refuses a WAV cut short, SDL2
    // under sdl12-compat plays it.
    std::vector<std::string> Lenient = {};
};
const std::vector<std::string> Sounds{"Sound/bullet.wav", "Sound/explosion.wav", "Sound/Raybeam.wav"};
const std::vector<std::string> Audio{"Sound/bullet.wav", "Sound/explosion.wav", "Sound/Raybeam.wav",
                                     "Sound/Tarnel-Memory.mp3", "Sound/Tarnel-Stompin_little_scouts.mp3"};
std::vector<std::string> With(std::vector<std::string> files, const std::string& more) {
    files.push_back(more);
    return files;
}

class HostileAssets : public Playthrough, public ::testing::WithParamInterface<Case> {
protected:
    fs::path Home = fs::current_path();
    fs::path Dir = fs::temp_directory_path() / ("korvanta-assets-" + std::to_string(getpid()));

    // The engine starts later, from the damaged copy.
    void SetUp() override {
        fs::remove_all(Dir);
        fs::copy(KORVANTA_ASSET_DIR, Dir, fs::copy_options::recursive);
        for (const std::string& file : GetParam().Files)
            Spoil(Dir / file, GetParam().How);
        fs::current_path(Dir);
    }
    void TearDown() override {
        Playthrough::TearDown();
        fs::current_path(Home);
        fs::remove_all(Dir);
    }

    // Whether the sound library itself loads `file` (the mixer is open).
    static bool LibraryPlays(const std::string& file) {
        Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
        Mix_FreeChunk(chunk);
        return chunk != nullptr;
    }

    // In a process of its own, since the game gives each distinct warning
    // once per run: the menu, then the level with every sound in use (the
    // cannon, an explosion, the boss's beam 9.45 s into its cycle, the
    // music). Exits with 0 when all went as promised.
    void PlayOn() {
        const Case& c = GetParam();
        ::testing::internal::CaptureStderr();
        Playthrough::SetUp();
        Run(2);
        const bool titled = CountPixels({262, Layout::TitleTop, 500, 50}, 0xDEF6FA) > 100;
        Click(Layout::PlayButton);
        Run(3);
        std::string wrong;
        if (Level() != nullptr) {
            Spawn<TheFoo>(700.f, PlayerShip()->CentreY() - 32, 0);
            Spawn<TheBoss>(724, 400);
            KeyDown(SDLK_SPACE);
            if (Run(10 * 60) || Level() == nullptr || Hud()->PlayerScore < 50 || CountOf<TheBoss>() != 1)
                wrong += "the level did not play on, or nothing was shot down\n";
        } else {
            wrong += "no level\n";
        }
        const std::string said = ::testing::internal::GetCapturedStderr();
        const auto named = [](const std::vector<std::string>& files, const std::string& file) {
            return std::find(files.begin(), files.end(), file) != files.end();
        };
        if (titled == named(c.Files, "pirulen.ttf"))
            wrong += titled ? "text drawn without a font\n" : "no text\n";
        for (const std::string& file : c.Files) {
            const bool warn = named(c.Lenient, file) ? !LibraryPlays(file) : named(c.Warned, file);
            if ((said.find("'" + file + "'") != std::string::npos) != warn)
                wrong += file + (warn ? " was not warned about\n" : " was warned about\n");
        }
        TestWorld::Stop();
        fs::current_path(Home);
        fs::remove_all(Dir);
        std::fprintf(stderr, "%s--- the game said:\n%s", wrong.c_str(), said.c_str());
        std::exit(wrong.empty() ? 0 : 1);
    }
};
}  // namespace

TEST_P(HostileAssets, SoundMusicAndFontOnlyGoQuiet) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(PlayOn(), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(
    HostileAssets, HostileAssets,
    ::testing::Values(// A damaged MP3 still opens and simply plays nothing; a
                      // WAV with intact headers loads and plays its noise.
                      Case{Missing, Audio, Audio}, Case{Empty, With(Audio, "pirulen.ttf"), With(Sounds, "pirulen.ttf")},
                      Case{Truncated, With(Audio, "pirulen.ttf"), With(Sounds, "pirulen.ttf"), Sounds},
                      Case{Corrupt, With(Audio, "pirulen.ttf"), {"pirulen.ttf"}}),
    [](const auto& info) { return std::string("SoundMusicFont") + DamageNames[info.param.How]; });
