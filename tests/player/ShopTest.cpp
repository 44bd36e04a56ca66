#include <memory>
#include <tuple>
#include <vector>

#include "player/Shop.h"
#include "support/StageHelpers.h"

namespace {

class ShopTest : public StageTest {
protected:
    UI* Hud = nullptr;
    std::unique_ptr<Shop> Store;
    Ship* Craft = nullptr;

    void SetUp() override {
        StageTest::SetUp();
        Hud = Spawn<UI>();
        Craft = Spawn<Ship>();
        Store = std::make_unique<Shop>();
    }
    // A press stays stored until the shop takes it (the key is still down).
    void PressAndBuy(SDLKey key) {
        KeyDown(key);
        Store->Update(*Hud, *Craft);
        KeyUp(key);
    }
};

TEST_F(ShopTest, RapidFireIsPaidBeforeTheCannonInTheSameFrameAndTheFailedPressIsUsedUp) {
    Hud->PlayerMoney = 150;
    KeyDown(SDLK_b);
    KeyDown(SDLK_n);
    Store->Update(*Hud, *Craft);
    EXPECT_EQ(Hud->PlayerMoney, 50);
    EXPECT_EQ(Craft->FireDelay, 195);
    EXPECT_EQ(Craft->CannonLevel, 1);
    Hud->PlayerMoney = 1000;
    Store->Update(*Hud, *Craft);
    EXPECT_EQ(Craft->CannonLevel, 1);
}

// A repair costs 500 and brings the health back to 100; at full health, or
// without the money, the press is spent on nothing.
TEST_F(ShopTest, ARepairCosts500AndOnlyWhenTheShipIsHurt) {
    for (const auto& [health, money, healthAfter, moneyAfter] :
         {std::tuple{40.0f, 600, 100.0f, 100}, {40.0f, 499, 40.0f, 499}, {100.0f, 600, 100.0f, 600}}) {
        Hud->PlayerHealth = health;
        Hud->PlayerMoney = money;
        PressAndBuy(SDLK_h);
        EXPECT_EQ(std::pair(Hud->PlayerHealth, Hud->PlayerMoney), std::pair(healthAfter, moneyAfter)) << health << " " << money;
    }
}

TEST_F(ShopTest, LabelsFollowTheMoneyLeft) {
    struct Case { int Money, Repair, Cannon, RapidFire, Missile; };
    TickSource::Advance(1001);
    for (Case c : {Case{0, 0, 0, 0, 0}, Case{25, 0, 0, 0, 1}, Case{999, 0, 1, 1, 1}, Case{1000, 1, 1, 1, 1}}) {
        Hud->PlayerMoney = c.Money;
        Store->Update(*Hud, *Craft);
        EXPECT_EQ((std::vector{Hud->RepairState, Hud->CannonState, Hud->RapidFireState, Hud->MissileState}),
                  (std::vector{c.Repair, c.Cannon, c.RapidFire, c.Missile})) << c.Money;
    }
}

TEST_F(ShopTest, PricesRiseUntilSoldOut) {
    struct Good { SDLKey Key; int Limit; std::vector<int> FirstPrices; int* Cost; int* State; };
    for (const Good& good : {Good{SDLK_n, 14, {100, 150, 225, 337}, &Hud->RapidFireCost, &Hud->RapidFireState},
                             Good{SDLK_b, 17, {100, 125, 156, 195}, &Hud->CannonCost, &Hud->CannonState}}) {
        SCOPED_TRACE(good.Limit);
        Hud->PlayerMoney = 0;
        Store->Update(*Hud, *Craft);
        std::vector<int> prices{*good.Cost};
        for (int bought = 0; bought < good.Limit; ++bought) {
            Hud->PlayerMoney = prices.back();
            PressAndBuy(good.Key);
            EXPECT_EQ(Hud->PlayerMoney, 0);
            prices.push_back(*good.Cost);
        }
        // Sold out whatever the money; the price past the last purchase stays on show.
        Hud->PlayerMoney = 1000000;
        PressAndBuy(good.Key);
        EXPECT_EQ(Hud->PlayerMoney, 1000000);
        EXPECT_EQ(*good.State, 2);
        EXPECT_EQ(*good.Cost, prices.back());
        prices.resize(good.FirstPrices.size());
        EXPECT_EQ(prices, good.FirstPrices);
    }
    EXPECT_EQ(Craft->FireDelay, 130);
    EXPECT_EQ(Craft->CannonLevel, 18);
}

TEST_F(ShopTest, MissilesLeaveTheNoseAtMostOncePerSecondAndAHeldKeyLaunchesOne) {
    Hud->PlayerMoney = 100;
    TickSource::Advance(1000);
    PressAndBuy(SDLK_m);  // exactly 1000 ms: not yet
    EXPECT_EQ(CountOf<Rocket>(), 0);
    TickSource::Advance(1);
    PressAndBuy(SDLK_m);
    ASSERT_EQ(CountOf<Rocket>(), 1);
    EXPECT_EQ(Hud->PlayerMoney, 75);
    EXPECT_FLOAT_EQ(All<Rocket>().front()->PosX, Craft->PosX + 65);
    EXPECT_FLOAT_EQ(All<Rocket>().front()->PosY, Craft->PosY + 22);
    TickSource::Advance(600);
    PressAndBuy(SDLK_m);
    TickSource::Advance(600);
    Store->Update(*Hud, *Craft);
    EXPECT_EQ(CountOf<Rocket>(), 1) << "the early press is lost, not kept";

    KeyDown(SDLK_m);
    for (int i = 0; i < 5; ++i, TickSource::Advance(1001)) {
        Store->Update(*Hud, *Craft);
        Store->Update(*Hud, *Craft);  // the stage may ask twice per frame
    }
    EXPECT_EQ(CountOf<Rocket>(), 2);
    EXPECT_EQ(Hud->PlayerMoney, 50);
}

}  // namespace
