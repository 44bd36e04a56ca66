#pragma once
#include "field/Money.h"

// Money worth 10 (a stack of coins). Its constructor draws its scatter velocity.
class MedMoney : public Money {
public:
    MedMoney(float x, float y);
    void Load() override;
};
