#include "effects/HugeMoney.h"

#include "effects/MoneyScatter.h"

namespace {
constexpr int Worth = 25;
}  // namespace

HugeMoney::HugeMoney(float x, float y) {
    PosX = x;
    PosY = y;
    ScatterVelocity(*this);
    ImagePath = "Image/HugeMoney.png";
}

void HugeMoney::Load() {
    Money::Load();
    SetMoneyDefaults(*this, Worth);
}
