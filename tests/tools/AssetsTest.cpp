// Checks the generated pictures: each loads through the same SDL library the
// game uses, with the frame geometry the game cuts it into. (Sounds, music
// and the font are checked by a start of the game that must say nothing.)

#include <SDL_image.h>
#include <gtest/gtest.h>

#include "engine/Pictures.h"

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

namespace fs = std::filesystem;

namespace {

std::string assetPath(const char* relative) { return (fs::path(KORVANTA_ASSET_DIR) / relative).string(); }

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
} // namespace

TEST(GeneratedAssets, EveryPictureLoadsWithTheFrameGeometryTheGameCuts)
{
    // The game checks exactly these pictures before its menu shows.
    std::set<std::string> checked(Pictures::All().begin(), Pictures::All().end()), generated;
    for (const auto& [path, width, height] : Strips) {
        generated.insert(path);
        SDL_Surface* picture = IMG_Load(assetPath(path).c_str());
        ASSERT_NE(picture, nullptr) << path << ": " << IMG_GetError();
        EXPECT_EQ(std::make_pair(picture->w, picture->h), std::make_pair(width, height)) << path;
        SDL_FreeSurface(picture);
    }
    EXPECT_EQ(checked, generated);
}

