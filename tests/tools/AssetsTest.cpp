// Checks the generated asset folder: every file the game opens is there and
// loads through the same SDL libraries the game uses, the picture strips
// have the frame geometry the game cuts them into, the star fields wrap,
// and the generator writes the same bytes every time.

#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "engine/Pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string assetPath(const char* relative) { return (fs::path(KORVANTA_ASSET_DIR) / relative).string(); }

// A generated picture loaded with SDL_image as the game does, as RGBA bytes.
class AssetPicture {
public:
    explicit AssetPicture(const char* relative)
    {
        SDL_Surface* loaded = IMG_Load(assetPath(relative).c_str());
        SDL_PixelFormat format{};
        format.BitsPerPixel = 32;
        format.BytesPerPixel = 4;
        format.Rmask = 0x000000FF, format.Gmask = 0x0000FF00, format.Bmask = 0x00FF0000, format.Amask = 0xFF000000;
        format.Gshift = 8, format.Bshift = 16, format.Ashift = 24;
        surface_ = loaded ? SDL_ConvertSurface(loaded, &format, SDL_SWSURFACE) : nullptr;
        SDL_FreeSurface(loaded);
    }
    ~AssetPicture() { SDL_FreeSurface(surface_); }
    bool loaded() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    const std::uint8_t* px(int x, int y) const
    {
        return static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch + x * 4;
    }
    int alpha(int x, int y) const { return px(x, y)[3]; }

    // Mean per-channel difference between two columns, colour weighted by alpha.
    double columnDistance(int a, int b) const
    {
        double sum = 0;
        for (int y = 0; y < height(); ++y)
            for (int c = 0; c < 4; ++c) {
                int wa = c == 3 ? 255 : alpha(a, y), wb = c == 3 ? 255 : alpha(b, y);
                sum += std::abs(px(a, y)[c] * wa - px(b, y)[c] * wb) / 255.0;
            }
        return sum / (height() * 4);
    }

private:
    SDL_Surface* surface_ = nullptr;
};

// Strips are frame width x frame count by frame height.
const std::tuple<const char*, int, int> Strips[] = {
    {"Image/Play.png", 134 * 2, 92}, {"Image/Info.png", 128 * 2, 92}, {"Image/ExitButton.png", 128 * 2, 100},
    {"Image/Replay.png", 193 * 2, 93}, {"Image/BigExplosion.png", 40 * 14, 40}, {"Image/MedExplosion.png", 20 * 9, 21},
    {"Image/SmallExplosion.png", 21 * 7, 21}, {"Image/ship.png", 64 * 3, 64}, {"Image/Rocket.png", 18 * 2, 10},
    {"Image/TheBoss.png", 260 * 2, 127}, {"Image/ButtonH.png", 25 * 3, 25}, {"Image/ButtonB.png", 25 * 3, 25},
    {"Image/ButtonN.png", 25 * 3, 25}, {"Image/ButtonM.png", 25 * 3, 25}, {"Image/ChargingBeam.png", 100, 6},
    {"Image/Ray.png", 75, 22}, {"Image/GreenBullet.png", 16, 16}, {"Image/RedBullet.png", 16, 16},
    {"Image/BigRock.png", 96, 96}, {"Image/SpaceRockMedium.png", 60, 60}, {"Image/SpaceRockSmall.png", 34, 34},
    {"Image/smallmine.png", 64, 64}, {"Image/BigBug.png", 64, 64}, {"Image/SmallBug.png", 20, 20},
    {"Image/SmokeTrail.png", 10, 10}, {"Image/SmallMoney.png", 20, 20}, {"Image/MedMoney.png", 20, 20},
    {"Image/HugeMoney.png", 20, 20}, {"Image/planet.png", 320, 320}, {"Image/stars1.png", 2048, 600},
    {"Image/stars2.png", 2048, 600}, {"Image/UIBackground.png", 1024, 80}, {"Image/Health.png", 2, 24},
    {"Image/Shield.png", 2, 24},
};
const char* const Sounds[] = {"Sound/bullet.wav", "Sound/explosion.wav", "Sound/Raybeam.wav"};
const char* const Music[] = {"Sound/Tarnel-Memory.mp3", "Sound/Tarnel-Stompin_little_scouts.mp3"};

std::vector<unsigned char> readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(GeneratedAssets, EveryPictureLoadsWithTheFrameGeometryTheGameCuts)
{
    // The game checks exactly these pictures before its menu shows.
    std::set<std::string> checked(Pictures::All().begin(), Pictures::All().end()), generated;
    for (const auto& [path, width, height] : Strips) {
        generated.insert(path);
        AssetPicture picture(path);
        ASSERT_TRUE(picture.loaded()) << path << ": " << IMG_GetError();
        EXPECT_EQ(picture.width(), width) << path;
        EXPECT_EQ(picture.height(), height) << path;
    }
    EXPECT_EQ(checked, generated);
}

TEST(GeneratedAssets, SoundsMusicAndFontLoad)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096), 0) << Mix_GetError();
    for (const char* path : Sounds) {
        Mix_Chunk* chunk = Mix_LoadWAV(assetPath(path).c_str());
        EXPECT_NE(chunk, nullptr) << path << ": " << Mix_GetError();
        Mix_FreeChunk(chunk);
    }
    for (const char* path : Music) {
        Mix_Music* music = Mix_LoadMUS(assetPath(path).c_str());
        EXPECT_NE(music, nullptr) << path << ": " << Mix_GetError();
        Mix_FreeMusic(music);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFont(assetPath("pirulen.ttf").c_str(), 18);
    EXPECT_NE(font, nullptr) << TTF_GetError();
    TTF_CloseFont(font);
    TTF_Quit();
}

TEST(GeneratedAssets, StarFieldsWrapWithoutASeam)
{
    for (const char* path : {"Image/stars1.png", "Image/stars2.png"}) {
        AssetPicture field(path);
        ASSERT_TRUE(field.loaded()) << path;
        const int w = field.width();
        std::vector<double> steps;
        for (int x = 0; x + 1 < w; ++x)
            steps.push_back(field.columnDistance(x, x + 1));
        std::sort(steps.begin(), steps.end());
        // The step from the last column back to the first must look like any
        // other step between neighbours, not like an edge.
        EXPECT_LE(field.columnDistance(w - 1, 0), steps[steps.size() * 95 / 100]) << path;
    }
}

TEST(GeneratedAssets, ExitButtonFitsTheEightyOnePixelsTheMenuCutsItTo)
{
    AssetPicture exitButton("Image/ExitButton.png");
    ASSERT_TRUE(exitButton.loaded());
    for (int y = 81; y < 100; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_LT(exitButton.alpha(x, y), 8) << "at " << x << "," << y;
}

TEST(GeneratedAssets, GeneratorWritesTheSameBytesEveryRun)
{
    const fs::path base = fs::temp_directory_path() / ("korvanta-assetgen-" + std::to_string(getpid()));
    for (const char* out : {"a", "b"}) {
        std::string command = std::string("\"") + KORVANTA_ASSETGEN + "\" \"" + (base / out).string() + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    std::vector<std::string> files(std::begin(Sounds), std::end(Sounds));
    files.insert(files.end(), std::begin(Music), std::end(Music));
    for (const auto& picture : Strips)
        files.push_back(std::get<0>(picture));
    for (const std::string& file : files) {
        std::vector<unsigned char> a = readFile(base / "a" / file);
        EXPECT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == readFile(base / "b" / file)) << file << " differs between two runs";
        // The build's copy must be what the generator writes today.
        EXPECT_TRUE(a == readFile(fs::path(KORVANTA_ASSET_DIR) / file)) << file << " in the asset folder is stale";
    }
    fs::remove_all(base);
}
