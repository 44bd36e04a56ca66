#include "effects/MoneyScatter.h"

#include <cstdlib>

#include "engine/Random.h"
#include "field/Money.h"

namespace {
constexpr float DriftSpeed = 20;
constexpr int PieceSize = 20;

float ScatterDraw() { return static_cast<float>(10 - Random::Draw() % 20); }
}  // namespace

void ScatterVelocity(Money& piece) {
    piece.SpeedX = ScatterDraw();
    piece.SpeedY = ScatterDraw();
}

void SetMoneyDefaults(Money& piece, int value) {
    piece.Speed = DriftSpeed;
    piece.Size = PieceSize;
    piece.Value = value;
}
