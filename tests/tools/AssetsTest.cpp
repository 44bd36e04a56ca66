// Checks the generated asset folder: every picture loads through the same
// SDL library the game uses, with the frame geometry the game cuts it into;
// the star fields wrap; the Exit button fits the rows the menu shows; and
// the generator writes the same bytes every time. (Sounds, music and the
// font are checked by a start of the game that must say nothing.)

#include <SDL_image.h>
#include <gtest/gtest.h>

#include "engine/Pictures.h"
#include "levels/LevelFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

std::string assetPath(const char* relative) { return (fs::path(KORVANTA_ASSET_DIR) / relative).string(); }

// A generated picture loaded with SDL_image as the game does, as 32-bit RGBA.
struct AssetPicture {
    explicit AssetPicture(const char* relative) {
        SDL_Surface* loaded = IMG_Load(assetPath(relative).c_str());
        SDL_PixelFormat rgba{nullptr, 32, 4, 0, 0, 0, 0, 0, 8, 16, 24, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 0, 0};
        Surface = loaded ? SDL_ConvertSurface(loaded, &rgba, SDL_SWSURFACE) : nullptr;
        SDL_FreeSurface(loaded);
    }
    ~AssetPicture() { SDL_FreeSurface(Surface); }
    const Uint8* At(int x, int y) const { return static_cast<const Uint8*>(Surface->pixels) + y * Surface->pitch + x * 4; }
    // Mean difference between two columns, colour weighted by alpha.
    double ColumnDistance(int a, int b) const {
        double sum = 0;
        for (int y = 0; y < Surface->h; ++y)
            for (int c = 0; c < 4; ++c)
                sum += std::abs(At(a, y)[c] * (c == 3 ? 255 : At(a, y)[3]) - At(b, y)[c] * (c == 3 ? 255 : At(b, y)[3])) / 255.0;
        return sum / (Surface->h * 4);
    }
    SDL_Surface* Surface;
};

// Strips are frame width x frame count by frame height.
const std::tuple<const char*, int, int> Strips[] = {
    {"Image/Play.png", 134 * 2, 92}, {"Image/Info.png", 128 * 2, 92}, {"Image/ExitButton.png", 128 * 2, 100},
    {"Image/Replay.png", 193 * 2, 93}, {"Image/Options.png", 150 * 2, 64}, {"Image/Scores.png", 150 * 2, 64}, {"Image/Practice.png", 150 * 2, 64},
    {"Image/Back.png", 128 * 2, 64}, {"Image/BigExplosion.png", 40 * 14, 40}, {"Image/MedExplosion.png", 20 * 9, 21},
    {"Image/SmallExplosion.png", 21 * 7, 21}, {"Image/ship.png", 64 * 3, 64}, {"Image/Rocket.png", 18 * 2, 10},
    {"Image/TheBoss.png", 260 * 2, 127}, {"Image/ButtonH.png", 25 * 3, 25}, {"Image/ButtonB.png", 25 * 3, 25},
    {"Image/ButtonN.png", 25 * 3, 25}, {"Image/ButtonM.png", 25 * 3, 25}, {"Image/ButtonKey.png", 25 * 3, 25}, {"Image/ChargingBeam.png", 100, 6},
    {"Image/Ray.png", 75, 22}, {"Image/GreenBullet.png", 16, 16}, {"Image/RedBullet.png", 16, 16},
    {"Image/BigRock.png", 96, 96}, {"Image/SpaceRockMedium.png", 60, 60}, {"Image/SpaceRockSmall.png", 34, 34},
    {"Image/smallmine.png", 64, 64}, {"Image/BigBug.png", 64, 64}, {"Image/SmallBug.png", 20, 20},
    {"Image/SmokeTrail.png", 10, 10}, {"Image/SmallMoney.png", 20, 20}, {"Image/MedMoney.png", 20, 20},
    {"Image/HugeMoney.png", 20, 20}, {"Image/planet.png", 320, 320}, {"Image/stars1.png", 2048, 600},
    {"Image/stars2.png", 2048, 600}, {"Image/UIBackground.png", 1024, 80}, {"Image/Health.png", 2, 24},
    {"Image/Shield.png", 2, 24}, {"Image/NextLevel.png", 193 * 2, 93}, {"Image/stars-ember.png", 2048, 600},
    {"Image/stars-abyss.png", 2048, 600}, {"Image/planet-ice.png", 460, 300}, {"Image/nebula.png", 760, 440},
};
} // namespace

TEST(GeneratedAssets, EveryPictureLoadsWithTheFrameGeometryTheGameCuts) {
    // The game checks exactly these pictures before its menu shows.
    std::set<std::string> checked(Pictures::All().begin(), Pictures::All().end()), generated;
    for (const auto& [path, width, height] : Strips) {
        generated.insert(path);
        const AssetPicture picture(path);
        ASSERT_NE(picture.Surface, nullptr) << path << ": " << IMG_GetError();
        EXPECT_EQ(picture.Surface->w, width) << path;
        EXPECT_EQ(picture.Surface->h, height) << path;
    }
    EXPECT_EQ(checked, generated);
    // Every picture and track a level file may name is there.
    for (const auto* names : {&LevelFile::StarFields(), &LevelFile::Drifters()})
        for (const std::string& name : *names)
            EXPECT_EQ(checked.count("Image/" + name + ".png"), 1u) << name;
    for (const std::string& track : LevelFile::Tracks())
        EXPECT_TRUE(fs::is_regular_file(assetPath(("Sound/" + track + ".mp3").c_str()))) << track;
}

TEST(GeneratedAssets, StarFieldsWrapWithoutASeamAndTheExitButtonFitsItsEightyOneRows) {
    for (const char* path : {"Image/stars1.png", "Image/stars2.png", "Image/stars-ember.png", "Image/stars-abyss.png"}) {
        AssetPicture field(path);
        ASSERT_NE(field.Surface, nullptr) << path;
        std::vector<double> steps;
        for (int x = 0; x + 1 < field.Surface->w; ++x)
            steps.push_back(field.ColumnDistance(x, x + 1));
        std::sort(steps.begin(), steps.end());
        // From the last column back to the first looks like any other step.
        EXPECT_LE(field.ColumnDistance(field.Surface->w - 1, 0), steps[steps.size() * 95 / 100]) << path;
    }
    const AssetPicture exitButton("Image/ExitButton.png");
    for (int y = 81; y < 100; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_LT(exitButton.At(x, y)[3], 8) << "at " << x << "," << y;
}

// Two runs write the same bytes, and the build's asset folder holds them.
TEST(GeneratedAssets, GeneratorWritesTheSameBytesEveryRun) {
    TempFolder dir;
    for (const char* out : {"a", "b"})
        ASSERT_EQ(std::system(("'" KORVANTA_ASSETGEN "' '" + dir / out + "' > /dev/null").c_str()), 0);
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path / "a")) {
        if (!entry.is_regular_file())
            continue;
        const fs::path file = fs::relative(entry.path(), dir.Path / "a");
        const std::string bytes = TempFolder::Get(entry.path());
        EXPECT_FALSE(bytes.empty()) << file;
        EXPECT_TRUE(bytes == TempFolder::Get(dir.Path / "b" / file)) << file << " differs between two runs";
        EXPECT_TRUE(bytes == TempFolder::Get(fs::path(KORVANTA_ASSET_DIR) / file)) << file << " in the asset folder is stale";
    }
}
