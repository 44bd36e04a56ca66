#pragma once
#include <utility>

// Every kind of entity the level holds, so a test file names only what it
// needs beyond them.
#include "effects/Background.h"
#include "effects/BackgroundLayer2.h"
#include "effects/BackgroundPlanet.h"
#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedExplosion.h"
#include "effects/MedMoney.h"
#include "effects/SmallExplosion.h"
#include "effects/SmallMoney.h"
#include "effects/SmokeTrail.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "engine/Engine.h"
#include "engine/GameScreen.h"
#include "engine/Image.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Money.h"
#include "field/Stage1.h"
#include "field/UI.h"
#include "player/BulletEnemy.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Rocket.h"
#include "player/Ship.h"
#include "screens/LoadingScreen.h"
#include "support/GameTest.h"

// A bare level: it only updates, sweeps and draws its entities, so a test
// sees an entity on its own, without waves or interactions.
class TestStage : public GameScreen {
public:
    void Load(std::string name) override {
        Name = std::move(name);
        Visible = true;
        BlocksNext = false;
    }
    bool Update(float seconds) override { return SweepEntities(seconds); }
    void Draw(SDL_Surface* target) override { DrawEntities(target); }
};

// A GameTest with a TestStage up as "Stage1".
class StageTest : public GameTest {
protected:
    TestStage* Stage = nullptr;
    void SetUp() override {
        GameTest::SetUp();
        TheEngine().PushScreen(Stage = new TestStage, "Stage1");
    }
};

// A GameTest with the real level up, reached the way the menu's Play button
// reaches it (loading screen, then a fresh Stage1).
class LevelTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        if (!HasFatalFailure())
            TheEngine().PushScreen(new LoadingScreen(), "LoadingScreen");
    }
    Stage1& Level() { return *static_cast<Stage1*>(TheEngine().FindScreen("Stage1")); }
    UI& Hud() { return *All<UI>().front(); }
    Ship& PlayerShip() { return *All<Ship>().front(); }
    // Puts `e` so that its square has the same centre as the ship's.
    void OnShip(Entity* e) {
        e->PosX = PlayerShip().CentreX() - static_cast<float>(e->Size / 2);
        e->PosY = PlayerShip().CentreY() - static_cast<float>(e->Size / 2);
    }
    // One level update in which no time passes, so nothing moves by itself.
    void StillUpdate() { Level().Update(0); }
};
