#pragma once
#include "field/Money.h"

// Money worth 25 (a precious gem). Its constructor draws its scatter velocity.
class HugeMoney : public Money {
public:
    HugeMoney(float x, float y);
    void Load() override;
};
