#include <cmath>
#include <cstdlib>
#include <functional>

#include "effects/HugeMoney.h"
#include "effects/MedMoney.h"
#include "effects/SmallMoney.h"
#include "engine/MainLoop.h"
#include "support/EffectsScreen.h"

namespace {
struct Piece {
    const char* Name;
    std::function<Money*(float, float)> Make;
    const char* Picture;
    int Value;
};

template <class T>
Money* Make(float x, float y) {
    return new T(x, y);
}

const Piece Pieces[] = {
    {"small", Make<SmallMoney>, "Image/SmallMoney.png", 1},
    {"medium", Make<MedMoney>, "Image/MedMoney.png", 10},
    {"huge", Make<HugeMoney>, "Image/HugeMoney.png", 25},
};

Money* Drop(float x, float y) {
    Money* piece = new SmallMoney(x, y);
    Engine::Instance().AddToScreen(piece, "Stage1");
    return piece;
}
}  // namespace

using MoneyTest = EffectsTest;

TEST_F(MoneyTest, EachPieceDrawsItsScatterVelocityXFirstAndLoadsItsWorth) {
    for (const Piece& p : Pieces) {
        SCOPED_TRACE(p.Name);
        std::srand(1234);
        const float speedX = static_cast<float>(10 - std::rand() % 20);
        const float speedY = static_cast<float>(10 - std::rand() % 20);
        std::srand(1234);
        Money* piece = p.Make(300, 400);
        EXPECT_FLOAT_EQ(piece->PosX, 300);
        EXPECT_FLOAT_EQ(piece->PosY, 400);
        EXPECT_FLOAT_EQ(piece->SpeedX, speedX);
        EXPECT_FLOAT_EQ(piece->SpeedY, speedY);
        EXPECT_EQ(piece->ImagePath, p.Picture);

        TheEngine().AddToScreen(piece, "Stage1");
        EXPECT_EQ(piece->Value, p.Value);
        EXPECT_FLOAT_EQ(piece->Speed, 20);
        EXPECT_EQ(piece->Size, 20);
    }
}

TEST_F(MoneyTest, ScatteredNearTheRightEdgeItLivesOnlyInsideTheLimit) {
    Drop(1030, 300);
    Frame(16);
    EXPECT_EQ(CountOf<SmallMoney>(), 1);
    Drop(1045, 300);
    Frame(16);
    EXPECT_EQ(CountOf<SmallMoney>(), 1);
}

TEST_F(MoneyTest, DriftsLeftOnTopOfItsScatterButNotWhilePaused) {
    Money* piece = Drop(500, 300);
    piece->SpeedX = 10;
    piece->SpeedY = -5;
    piece->Update(1.0f);
    EXPECT_FLOAT_EQ(piece->PosX, 490);
    EXPECT_FLOAT_EQ(piece->PosY, 295);

    GamePaused = true;
    Frames(3, 100);
    EXPECT_FLOAT_EQ(piece->PosX, 490);
    EXPECT_FLOAT_EQ(piece->PosY, 295);
}

TEST_F(MoneyTest, MoveTowardStepsExactlyOnePixelAndStaysPutOnTheTarget) {
    Money* piece = Drop(100, 100);
    piece->MoveToward(103, 104);
    EXPECT_FLOAT_EQ(piece->PosX, 100.6f);
    EXPECT_FLOAT_EQ(piece->PosY, 100.8f);
    EXPECT_FLOAT_EQ(std::hypot(piece->DirX, piece->DirY), 1);

    piece->MoveToward(piece->PosX, piece->PosY);
    EXPECT_FLOAT_EQ(piece->PosX, 100.6f);
    EXPECT_FLOAT_EQ(piece->PosY, 100.8f);
    EXPECT_FALSE(std::isnan(piece->DirX) || std::isnan(piece->DirY));
}
