// Checks the generated asset folder: every file the game opens is there and
// loads through the same SDL libraries the game uses, the picture strips
// have the frame geometry the game cuts them into, the star fields wrap,
// and the generator writes the same bytes every time.

#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/AssetPicture.h"

namespace fs = std::filesystem;

namespace {

const fs::path AssetDir = KORVANTA_ASSET_DIR;

struct PictureSize {
    const char* path;
    int width, height;
    bool sprite; // drawn over the play field, so its corners must be see-through
};

// Strips are frame width x frame count by frame height.
const PictureSize Pictures[] = {
    {"Image/Play.png", 134 * 2, 92, true},
    {"Image/Info.png", 128 * 2, 92, true},
    {"Image/ExitButton.png", 128 * 2, 100, true},
    {"Image/Replay.png", 193 * 2, 93, true},
    {"Image/BigExplosion.png", 40 * 14, 40, true},
    {"Image/MedExplosion.png", 20 * 9, 21, true},
    {"Image/SmallExplosion.png", 21 * 7, 21, true},
    {"Image/ship.png", 64 * 3, 64, true},
    {"Image/Rocket.png", 18 * 2, 10, true},
    {"Image/TheBoss.png", 260 * 2, 127, true},
    {"Image/ButtonH.png", 25 * 3, 25, true},
    {"Image/ButtonB.png", 25 * 3, 25, true},
    {"Image/ButtonN.png", 25 * 3, 25, true},
    {"Image/ButtonM.png", 25 * 3, 25, true},
    {"Image/ChargingBeam.png", 100, 6, true},
    {"Image/Ray.png", 75, 22, true},
    {"Image/GreenBullet.png", 16, 16, true},
    {"Image/RedBullet.png", 16, 16, true},
    {"Image/BigRock.png", 96, 96, true},
    {"Image/SpaceRockMedium.png", 60, 60, true},
    {"Image/SpaceRockSmall.png", 34, 34, true},
    {"Image/smallmine.png", 64, 64, true},
    {"Image/BigBug.png", 64, 64, true},
    {"Image/SmallBug.png", 20, 20, true},
    {"Image/SmokeTrail.png", 10, 10, true},
    {"Image/SmallMoney.png", 20, 20, true},
    {"Image/MedMoney.png", 20, 20, true},
    {"Image/HugeMoney.png", 20, 20, true},
    {"Image/planet.png", 320, 320, true},
    {"Image/stars1.png", 2048, 600, false},
    {"Image/stars2.png", 2048, 600, true},
    {"Image/UIBackground.png", 1024, 80, false},
    {"Image/Health.png", 2, 24, false},
    {"Image/Shield.png", 2, 24, false},
};

const char* const Sounds[] = {"Sound/bullet.wav", "Sound/explosion.wav", "Sound/Raybeam.wav"};
const char* const Music[] = {"Sound/Tarnel-Memory.mp3", "Sound/Tarnel-Stompin_little_scouts.mp3"};

std::string at(const char* relative) { return assettest::assetPath(relative); }

std::vector<unsigned char> readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Rgba = assettest::AssetPicture;

} // namespace

TEST(GeneratedAssets, EveryPictureLoadsWithTheFrameGeometryTheGameCuts)
{
    for (const PictureSize& p : Pictures) {
        SCOPED_TRACE(p.path);
        Rgba picture(p.path);
        ASSERT_TRUE(picture.loaded()) << IMG_GetError();
        EXPECT_EQ(picture.width(), p.width);
        EXPECT_EQ(picture.height(), p.height);
        if (p.sprite) {
            EXPECT_EQ(picture.alpha(0, 0), 0) << "sprite with an opaque corner shows as a box";
            EXPECT_EQ(picture.alpha(p.width - 1, p.height - 1), 0);
        }
    }
}

TEST(GeneratedAssets, PicturesHoldTheLooksTheLayoutReliesOn)
{
    // The far star field is the opaque backdrop; the near one lets it show.
    Rgba far("Image/stars1.png"), nearStars("Image/stars2.png");
    ASSERT_TRUE(far.loaded() && nearStars.loaded());
    int opaque = 0, clear = 0;
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 2048; x += 7) {
            opaque += far.alpha(x, y) == 255;
            clear += nearStars.alpha(x, y) < 16;
        }
    const int samples = ((600 + 6) / 7) * ((2048 + 6) / 7);
    EXPECT_EQ(opaque, samples);
    EXPECT_GT(clear, samples * 9 / 10);

    // The menu cuts the exit button to 81 px: the button must not spill
    // into the 19 px that the cut drops.
    Rgba exitButton("Image/ExitButton.png");
    ASSERT_TRUE(exitButton.loaded());
    for (int y = 81; y < 100; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_LT(exitButton.alpha(x, y), 8) << "at " << x << "," << y;

    // Bar segments are solid so a hundred of them make one unbroken bar.
    for (const char* bar : {"Image/Health.png", "Image/Shield.png"}) {
        Rgba segment(bar);
        ASSERT_TRUE(segment.loaded());
        for (int y = 0; y < segment.height(); ++y)
            EXPECT_EQ(segment.alpha(0, y), 255) << bar << " row " << y;
    }
}

TEST(GeneratedAssets, StarFieldsWrapWithoutASeam)
{
    for (const char* path : {"Image/stars1.png", "Image/stars2.png"}) {
        SCOPED_TRACE(path);
        Rgba field(path);
        ASSERT_TRUE(field.loaded());
        const int w = field.width();
        std::vector<double> steps;
        for (int x = 0; x + 1 < w; ++x)
            steps.push_back(field.columnDistance(x, x + 1));
        std::sort(steps.begin(), steps.end());
        // The step from the last column back to the first must look like any
        // other step between neighbours, not like an edge.
        double seam = field.columnDistance(w - 1, 0);
        EXPECT_LE(seam, steps[steps.size() * 95 / 100]);
    }
}

TEST(GeneratedAssets, SoundsAndMusicLoadThroughTheMixer)
{
    for (const char* path : Sounds) {
        // Plain 16-bit PCM at 44.1 kHz, as the mixer is opened with.
        std::vector<unsigned char> wav = readFile(at(path));
        ASSERT_GE(wav.size(), 44u) << path;
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF") << path;
        EXPECT_EQ(wav[20] | wav[21] << 8, 1) << path;
        EXPECT_EQ(wav[24] | wav[25] << 8 | wav[26] << 16, 44100) << path;
        EXPECT_EQ(wav[34], 16) << path;
    }

    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096), 0) << Mix_GetError();
    auto seconds = [](const Mix_Chunk* c) { return c->alen / (44100.0 * 2 * 2); };
    struct Expect {
        const char* path;
        double minSeconds, maxSeconds;
    } effects[] = {{"Sound/bullet.wav", 0.05, 0.5}, {"Sound/explosion.wav", 0.6, 2.0}, {"Sound/Raybeam.wav", 3.0, 4.5}};
    for (const Expect& e : effects) {
        Mix_Chunk* chunk = Mix_LoadWAV(at(e.path).c_str());
        ASSERT_NE(chunk, nullptr) << e.path << ": " << Mix_GetError();
        EXPECT_GE(seconds(chunk), e.minSeconds) << e.path;
        EXPECT_LE(seconds(chunk), e.maxSeconds) << e.path;
        Mix_FreeChunk(chunk);
    }
    for (const char* path : Music) {
        Mix_Music* music = Mix_LoadMUS(at(path).c_str());
        EXPECT_NE(music, nullptr) << path << ": " << Mix_GetError();
        Mix_FreeMusic(music);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(GeneratedAssets, MusicTracksAreStereoAndLastAtLeastThirtySeconds)
{
    // Walks the MPEG-1 Layer III frame headers and adds up their samples.
    static const int bitrates[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    for (const char* path : Music) {
        SCOPED_TRACE(path);
        std::vector<unsigned char> mp3 = readFile(at(path));
        std::size_t pos = 0, frames = 0;
        while (pos + 4 <= mp3.size()) {
            ASSERT_EQ(mp3[pos], 0xFF) << "lost frame sync at byte " << pos;
            ASSERT_EQ(mp3[pos + 1] & 0xFE, 0xFA) << "not MPEG-1 Layer III";
            int bitrate = bitrates[mp3[pos + 2] >> 4];
            ASSERT_GT(bitrate, 0);
            ASSERT_EQ((mp3[pos + 2] >> 2) & 3, 0) << "sample rate is not 44.1 kHz";
            ASSERT_NE(mp3[pos + 3] >> 6, 3) << "mono";
            pos += 144000 * bitrate / 44100 + ((mp3[pos + 2] >> 1) & 1);
            ++frames;
        }
        EXPECT_GE(frames * 1152 / 44100.0, 30.0);
    }
}

TEST(GeneratedAssets, FontOpensAtEverySizeTheGameUses)
{
    ASSERT_EQ(TTF_Init(), 0);
    for (int size : {8, 18, 28, 42}) {
        TTF_Font* font = TTF_OpenFont(at("pirulen.ttf").c_str(), size);
        ASSERT_NE(font, nullptr) << "size " << size << ": " << TTF_GetError();
        SDL_Surface* text = TTF_RenderText_Solid(font, "KORVANTA 1234 $", SDL_Color{222, 246, 250, 0});
        ASSERT_NE(text, nullptr);
        EXPECT_GT(text->w, size * 4);
        SDL_FreeSurface(text);
        TTF_CloseFont(font);
    }
    TTF_Quit();
}

TEST(GeneratedAssets, GeneratorWritesTheSameBytesEveryRun)
{
    const fs::path base = fs::temp_directory_path() / ("korvanta-assetgen-" + std::to_string(getpid()));
    const fs::path first = base / "a", second = base / "b";
    for (const fs::path& out : {first, second}) {
        std::string command = std::string("\"") + KORVANTA_ASSETGEN + "\" \"" + out.string() + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    std::vector<std::string> files;
    for (const PictureSize& p : Pictures)
        files.push_back(p.path);
    files.insert(files.end(), std::begin(Sounds), std::end(Sounds));
    files.insert(files.end(), std::begin(Music), std::end(Music));
    for (const std::string& file : files) {
        std::vector<unsigned char> a = readFile(first / file), b = readFile(second / file);
        EXPECT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == b) << file << " differs between two runs";
        // The build's copy must be what the generator writes today.
        EXPECT_TRUE(a == readFile(AssetDir / file)) << file << " in the asset folder is stale";
    }
    fs::remove_all(base);
}
