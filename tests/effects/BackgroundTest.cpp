#include <cstdlib>
#include <functional>

#include "effects/Background.h"
#include "effects/BackgroundLayer2.h"
#include "effects/BackgroundPlanet.h"
#include "engine/Image.h"
#include "engine/MainLoop.h"
#include "support/EffectsScreen.h"

namespace {
// Adds a layer the way the level does: built bare, then given its picture.
template <class T>
T* AddLayer(const char* path) {
    T* layer = new T;
    layer->ImagePath = path;
    Engine::Instance().AddToScreen(layer, "Stage1");
    return layer;
}

struct StarField {
    const char* Name;
    std::function<Background*()> Add;
    float Speed;
};

const StarField StarFields[] = {
    {"far", [] { return AddLayer<Background>("Image/stars1.png"); }, 20},
    {"near", [] { return AddLayer<BackgroundLayer2>("Image/stars2.png"); }, 75},
};

float Width(const Unsolid* layer) { return static_cast<float>(layer->Sprite->Width()); }
}  // namespace

using BackgroundTest = EffectsTest;

TEST_F(BackgroundTest, StarFieldsScrollAfterTheirFirstUpdateAndSnapBackToExactlyZero) {
    for (const StarField& f : StarFields) {
        SCOPED_TRACE(f.Name);
        Background* layer = f.Add();
        layer->Update(1.0f);
        EXPECT_FLOAT_EQ(layer->PosX, 0) << "the first update only sets the speed";
        EXPECT_FLOAT_EQ(layer->SpeedX, -f.Speed);

        const float w = Width(layer);
        layer->PosX = -w + 0.5f;
        layer->Update(0);
        EXPECT_FLOAT_EQ(layer->PosX, -w + 0.5f);

        layer->PosX = -w + f.Speed / 2;
        layer->Update(0.5f);
        EXPECT_EQ(layer->PosX, 0.0f) << "landing exactly on -w";

        layer->PosX = -w + 1;
        layer->Update(1.0f);
        EXPECT_EQ(layer->PosX, 0.0f) << "the overshoot is dropped";
    }
}

TEST_F(BackgroundTest, APausedGameFreezesEveryLayer) {
    Background* far = AddLayer<Background>("Image/stars1.png");
    BackgroundPlanet* planet = AddLayer<BackgroundPlanet>("Image/planet.png");
    Background* near = AddLayer<BackgroundLayer2>("Image/stars2.png");
    Frame(16);
    Frame(16);
    const float before[] = {far->PosX, planet->PosX, near->PosX};
    GamePaused = true;
    Frames(3, 100);
    EXPECT_FLOAT_EQ(far->PosX, before[0]);
    EXPECT_FLOAT_EQ(planet->PosX, before[1]);
    EXPECT_FLOAT_EQ(near->PosX, before[2]);
}

TEST_F(BackgroundTest, ThePlanetComesBackFromFarRightAtANewHeightWithOneDraw) {
    BackgroundPlanet* planet = AddLayer<BackgroundPlanet>("Image/planet.png");
    EXPECT_FLOAT_EQ(planet->PosX, 500);
    EXPECT_FLOAT_EQ(planet->PosY, 50);

    std::srand(7);
    const int height = std::rand() % 800 - 400;
    const int nextDraw = std::rand();
    std::srand(7);
    planet->PosX = -Width(planet) + 0.5f;
    planet->Update(0);
    EXPECT_FLOAT_EQ(planet->PosX, -Width(planet) + 0.5f);
    planet->PosX = -Width(planet);
    planet->Update(0);
    EXPECT_FLOAT_EQ(planet->PosX, 2000);
    EXPECT_FLOAT_EQ(planet->PosY, static_cast<float>(height));
    EXPECT_EQ(std::rand(), nextDraw);
}

TEST_F(BackgroundTest, TheSecondCopyOfAStarFieldIsDrawnOneWidthFurtherRight) {
    Background* layer = AddLayer<Background>("Image/stars1.png");
    // Mark the picture's left edge so each copy can be told where it starts.
    SDL_Surface* picture = layer->Sprite->Surface;
    SDL_FillRect(picture, nullptr, SDL_MapRGBA(picture->format, 0, 0, 0, 0));
    SDL_Rect edge{0, 0, 4, 4};
    SDL_FillRect(picture, &edge, SDL_MapRGBA(picture->format, 255, 0, 0, 255));

    layer->PosX = 500.5f - Width(layer);
    SDL_Surface* screen = TheEngine().Surface;
    SDL_FillRect(screen, nullptr, 0);
    layer->Draw(screen);
    EXPECT_EQ(PixelAt(500, 0), 0xFF0000u);
    EXPECT_EQ(PixelAt(499, 0), 0u);
    EXPECT_EQ(PixelAt(504, 0), 0u);
}
