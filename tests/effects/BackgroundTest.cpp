#include <cstdlib>

#include "support/StageHelpers.h"

namespace {
class BackgroundTest : public StageTest {
protected:
    // Adds a layer the way the level does: built bare, then given its picture.
    template <class T>
    T* AddLayer(const char* path) {
        T* layer = new T;
        layer->ImagePath = path;
        return Add(layer);
    }
    static float Width(const Unsolid* layer) { return static_cast<float>(layer->Sprite->Width()); }
};

TEST_F(BackgroundTest, StarFieldsScrollAfterTheirFirstUpdateAndSnapBackToExactlyZero) {
    for (const auto& [layer, speed] : {std::pair<Background*, float>{AddLayer<Background>("Image/stars1.png"), 20},
                                       {AddLayer<BackgroundLayer2>("Image/stars2.png"), 75}}) {
        SCOPED_TRACE(speed);
        layer->Update(1.0f);
        EXPECT_FLOAT_EQ(layer->PosX, 0) << "the first update only sets the speed";
        const float w = Width(layer);
        layer->PosX = -w + 0.5f;
        layer->Update(0);
        EXPECT_FLOAT_EQ(layer->PosX, -w + 0.5f);
        layer->PosX = -w + speed / 2;
        layer->Update(0.5f);
        EXPECT_EQ(layer->PosX, 0.0f) << "landing exactly on -w";
        layer->PosX = -w + 1;
        layer->Update(1.0f);
        EXPECT_EQ(layer->PosX, 0.0f) << "the overshoot is dropped";
    }
}

TEST_F(BackgroundTest, ThePlanetComesBackFromFarRightAtANewHeightWithOneDraw) {
    BackgroundPlanet* planet = AddLayer<BackgroundPlanet>("Image/planet.png");
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
}  // namespace
