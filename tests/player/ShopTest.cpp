#include <memory>
#include <vector>

#include "engine/TickSource.h"
#include "field/UI.h"
#include "player/Rocket.h"
#include "player/Ship.h"
#include "player/Shop.h"
#include "support/PlayerScreen.h"

namespace {

class ShopTest : public PlayerTest {
protected:
    // The HUD needs a running engine, so it is made in SetUp; the shop is
    // only read and written, never loaded or drawn.
    std::unique_ptr<UI> TheHud;
    std::unique_ptr<Shop> Store;
    Ship* Craft = nullptr;

    void SetUp() override {
        PlayerTest::SetUp();
        TheHud = std::make_unique<UI>();
        Craft = Add(new Ship());
        Store = std::make_unique<Shop>();
        TheHud->PlayerHealth = 100;
    }
    void TearDown() override {
        Store.reset();
        TheHud.reset();
        PlayerTest::TearDown();
    }

    // A press stays stored until the shop takes it (the key is still down).
    void PressAndBuy(SDLKey key) {
        KeyDown(key);
        Store->Update(*TheHud, *Craft);
        KeyUp(key);
    }
};

TEST_F(ShopTest, RapidFireIsPaidBeforeTheCannonInTheSameFrame) {
    TheHud->PlayerMoney = 150;
    KeyDown(SDLK_b);
    KeyDown(SDLK_n);
    Store->Update(*TheHud, *Craft);
    EXPECT_EQ(TheHud->PlayerMoney, 50);
    EXPECT_EQ(Craft->FireDelay, 195);
    EXPECT_EQ(Craft->BulletSpeed, 325);
    EXPECT_EQ(Craft->CannonLevel, 1);

    // The failed cannon press was used up.
    TheHud->PlayerMoney = 1000;
    Store->Update(*TheHud, *Craft);
    EXPECT_EQ(Craft->CannonLevel, 1);
}

TEST_F(ShopTest, RepairNeedsFiveHundredAndAHealthBelowAWholeHundred) {
    struct Case {
        float Health;
        int Money;
        float HealthAfter;
        int MoneyAfter;
    };
    for (Case c : {Case{40, 499, 40, 499}, Case{40, 500, 100, 0}, Case{99.9f, 700, 100, 200}, Case{100, 700, 100, 700}}) {
        SCOPED_TRACE(c.Health);
        TheHud->PlayerHealth = c.Health;
        TheHud->PlayerMoney = c.Money;
        PressAndBuy(SDLK_h);
        EXPECT_FLOAT_EQ(TheHud->PlayerHealth, c.HealthAfter);
        EXPECT_EQ(TheHud->PlayerMoney, c.MoneyAfter);
    }
}

TEST_F(ShopTest, LabelsFollowTheMoneyLeft) {
    struct Case {
        int Money;
        int Repair, Cannon, RapidFire, Missile;
    };
    TickSource::Advance(1001);
    for (Case c : {Case{0, 0, 0, 0, 0}, Case{25, 0, 0, 0, 1}, Case{100, 0, 1, 1, 1}, Case{600, 0, 1, 1, 1},
                   Case{999, 0, 1, 1, 1}, Case{1000, 1, 1, 1, 1}}) {
        SCOPED_TRACE(c.Money);
        TheHud->PlayerMoney = c.Money;
        Store->Update(*TheHud, *Craft);
        EXPECT_EQ(TheHud->RepairState, c.Repair);
        EXPECT_EQ(TheHud->CannonState, c.Cannon);
        EXPECT_EQ(TheHud->RapidFireState, c.RapidFire);
        EXPECT_EQ(TheHud->MissileState, c.Missile);
        EXPECT_EQ(TheHud->RepairCost, 500);
        EXPECT_EQ(TheHud->MissileCost, 25);
    }
}

TEST_F(ShopTest, PricesRiseUntilSoldOut) {
    struct Good {
        SDLKey Key;
        int Limit;
        std::vector<int> FirstPrices;
        int* Cost;
        int* State;
    };
    const Good goods[] = {
        {SDLK_n, 14, {100, 150, 225, 337}, &TheHud->RapidFireCost, &TheHud->RapidFireState},
        {SDLK_b, 17, {100, 125, 156, 195}, &TheHud->CannonCost, &TheHud->CannonState},
    };
    for (const Good& good : goods) {
        SCOPED_TRACE(good.Limit);
        TheHud->PlayerMoney = 0;
        Store->Update(*TheHud, *Craft);
        int price = *good.Cost;
        std::vector<int> prices{price};
        for (int bought = 0; bought < good.Limit; ++bought) {
            TheHud->PlayerMoney = price;
            PressAndBuy(good.Key);
            EXPECT_EQ(TheHud->PlayerMoney, 0);
            price = *good.Cost;
            prices.push_back(price);
        }
        prices.resize(good.FirstPrices.size());
        EXPECT_EQ(prices, good.FirstPrices);

        // Sold out: the label says so whatever the money, and the price
        // advanced past the last purchase stays on show.
        TheHud->PlayerMoney = 1000000;
        PressAndBuy(good.Key);
        EXPECT_EQ(TheHud->PlayerMoney, 1000000);
        EXPECT_EQ(*good.State, 2);
        EXPECT_EQ(*good.Cost, price);
        TheHud->PlayerMoney = 0;
        Store->Update(*TheHud, *Craft);
        EXPECT_EQ(*good.State, 2);
    }
    EXPECT_EQ(Craft->FireDelay, 130);
    EXPECT_EQ(Craft->BulletSpeed, 650);
    EXPECT_EQ(Craft->CannonLevel, 18);
}

TEST_F(ShopTest, MissilesLeaveTheNoseAtMostOncePerSecond) {
    TheHud->PlayerMoney = 100;
    TickSource::Advance(1000);
    PressAndBuy(SDLK_m);  // exactly 1000 ms: not yet
    EXPECT_EQ(CountOf<Rocket>(), 0);
    EXPECT_EQ(TheHud->PlayerMoney, 100);

    TickSource::Advance(1);
    PressAndBuy(SDLK_m);
    ASSERT_EQ(CountOf<Rocket>(), 1);
    EXPECT_EQ(TheHud->PlayerMoney, 75);
    EXPECT_EQ(TheHud->MissileState, 0);
    const Rocket* missile = Stage->All<Rocket>()[0];
    EXPECT_FLOAT_EQ(missile->PosX, Craft->PosX + 65);
    EXPECT_FLOAT_EQ(missile->PosY, Craft->PosY + 22);

    TickSource::Advance(600);
    PressAndBuy(SDLK_m);
    TickSource::Advance(600);
    Store->Update(*TheHud, *Craft);
    EXPECT_EQ(CountOf<Rocket>(), 1) << "the early press is lost, not kept";
    EXPECT_EQ(TheHud->PlayerMoney, 75);
    EXPECT_EQ(TheHud->MissileState, 1);
}

TEST_F(ShopTest, HoldingMLaunchesOneMissile) {
    TheHud->PlayerMoney = 100;
    TickSource::Advance(1001);
    KeyDown(SDLK_m);
    for (int i = 0; i < 5; ++i) {
        Store->Update(*TheHud, *Craft);
        Store->Update(*TheHud, *Craft);  // the stage may ask twice per frame
        TickSource::Advance(1001);
    }
    EXPECT_EQ(CountOf<Rocket>(), 1);
    EXPECT_EQ(TheHud->PlayerMoney, 75);
}

}  // namespace
