#pragma once
#include "field/Money.h"

// Money worth 1 (a single coin). Its constructor draws its scatter velocity.
class SmallMoney : public Money {
public:
    SmallMoney(float x, float y);
    void Load() override;
};
