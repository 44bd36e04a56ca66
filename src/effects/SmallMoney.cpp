#include "effects/SmallMoney.h"

#include "effects/MoneyScatter.h"

namespace {
constexpr int Worth = 1;
}  // namespace

SmallMoney::SmallMoney(float x, float y) {
    PosX = x;
    PosY = y;
    ScatterVelocity(*this);
    ImagePath = "Image/SmallMoney.png";
}

void SmallMoney::Load() {
    Money::Load();
    SetMoneyDefaults(*this, Worth);
}
