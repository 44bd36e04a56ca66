#include "effects/MedMoney.h"

#include "effects/MoneyScatter.h"

namespace {
constexpr int Worth = 10;
}  // namespace

MedMoney::MedMoney(float x, float y) {
    PosX = x;
    PosY = y;
    ScatterVelocity(*this);
    ImagePath = "Image/MedMoney.png";
}

void MedMoney::Load() {
    Money::Load();
    SetMoneyDefaults(*this, Worth);
}
