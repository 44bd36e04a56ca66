#include <cstdlib>

#include "engine/Random.h"
#include "replay/WorldCheck.h"
#include "support/ReferencePass.h"
#include "support/StageHelpers.h"

// The level's pair pass skips every pair that no rule concerns. These tests
// play the same seeded scenes twice, once with the game's pass and once with
// the reference pass that walks every pair, and require the same world
// after every frame, as a replay checks it (every entity in list order, the
// HUD's numbers, the level's flags), the same random numbers drawn and the
// generator left in the same state.
namespace {
// What the player does in one frame.
struct FrameInput {
    std::vector<SDLKey> Keys;  // held, or pressed this frame
    float Seconds;
    uint32_t Ms;
    unsigned Seed;
};

class PairPassTest : public GameTest, public ::testing::WithParamInterface<unsigned> {
protected:
    Stage1* Game = nullptr;
    Stage1* Reference = nullptr;

    void TearDown() override {
        // Both levels go back on the stack, so the engine deletes them.
        TheEngine().Screens.clear();
        for (Stage1* s : {Game, Reference})
            if (s != nullptr)
                TheEngine().Screens.push_back(s);
        GameTest::TearDown();
    }

    // Builds the same random scene into a fresh level of its own.
    Stage1* BuildWorld(unsigned seed) {
        Engine& engine = TheEngine();
        engine.Screens.clear();
        std::srand(seed);
        TickSource::Set(50000);
        engine.PushScreen(new Stage1(), "Stage1");
        Stage1* stage = static_cast<Stage1*>(engine.FindScreen("Stage1"));
        Populate(*stage);
        return stage;
    }

    static float Near(float centre, int spread) {
        return centre + static_cast<float>(std::rand() % (2 * spread + 1) - spread);
    }

    // A crowded field around the ship: every kind of entity, some of them
    // about to die, some already dead, enemies weak enough to fall.
    void Populate(Stage1& stage) {
        Ship& ship = *All<Ship>().front();
        UI& hud = *All<UI>().front();
        ship.PosX = Near(250, 100);
        ship.PosY = Near(300, 150);
        hud.PlayerMoney = std::rand() % 3 == 0 ? 5000 : std::rand() % 400;
        hud.PlayerHealth = static_cast<float>(20 + std::rand() % 81);
        const int count = 30 + std::rand() % 90;
        for (int k = 0; k < count; ++k)
            AddRandomEntity(ship);
        // The boss and its arms, often weak enough to die in the scene.
        if (std::rand() % 2 == 0) {
            Spawn<GunArm>(Near(700, 100), 80.0f);
            TheBoss* boss = Spawn<TheBoss>(Near(650, 150), Near(250, 100));
            boss->Health = 1 + std::rand() % 60;
            Spawn<GunArm>(Near(700, 100), 300.0f);
        }
        // Swarms: a weak mother whose children turn on the ship, and at
        // times a second one that arrives while they do.
        const int mothers = std::rand() % 3;
        for (int k = 0; k < mothers; ++k) {
            SwarmMother* mother = Spawn<SwarmMother>(Near(500 + 500 * k, 200), Near(300, 150));
            mother->Health = 1 + std::rand() % 20;
        }
        // Some are already finished, others finish in their own next update
        // (spent enemies, shots past the edge), so removals happen in every
        // turn of the pass, with shots taking over the freed slots.
        for (Entity* e : stage.Entities) {
            if (Is<UI>(e) || Is<Ship>(e))
                continue;
            const int fate = std::rand() % 12;
            if (fate == 0)
                e->Dead = true;
            else if (fate == 1 && dynamic_cast<Enemy*>(e))
                static_cast<Enemy*>(e)->Health = 0;
            else if (fate == 2 && dynamic_cast<Weapon*>(e))
                e->PosY = 601;
        }
        for (int k = 0; k < 10; ++k)
            Spawn<GreenBullet>(Near(ship.PosX + 200, 150), Near(ship.PosY, 150), 300);
        // Tough rocks right at the muzzles: fresh shots, appended last, hit
        // them at once, also while standing in for a removed entity.
        for (int k = 0; k < 3; ++k)
            Spawn<SpaceRockBig>(ship.PosX + 40, Near(ship.PosY - 20, 30), "Image/BigRock.png")->Health = 400;
    }

    void AddRandomEntity(const Ship& ship) {
        const float x = Near(ship.PosX + 150, 250), y = Near(ship.PosY, 200);
        switch (std::rand() % 16) {
        case 0: Spawn<GreenBullet>(x, y, 300 + std::rand() % 300); break;
        case 1: Spawn<RedBullet>(x, y, 300, std::rand() % 3 - 1); break;
        case 2: Spawn<Rocket>(x, y); break;
        case 3: Spawn<BulletEnemy>(x, y)->SpeedX = -400; break;
        case 4: Spawn<TheFoo>(x, y, std::rand() % 4)->Health = 1 + std::rand() % 10; break;
        case 5: Spawn<SpaceRockSmall>(x, y, "Image/SpaceRockSmall.png"); break;
        case 6: Spawn<SpaceRockMedium>(x, y, "Image/SpaceRockMedium.png"); break;
        case 7: Spawn<SpaceRockBig>(x, y, "Image/BigRock.png")->Health = 1 + std::rand() % 20; break;
        case 8: Spawn<SwarmChildren>(x, y); break;
        case 9: Spawn<SmallMoney>(x, y); break;
        case 10: Spawn<MedMoney>(x, y); break;
        case 11: Spawn<HugeMoney>(x, y); break;
        case 12: Spawn<SmallExplosion>(x, y); break;
        case 13: Spawn<BigExplosion>(x, y); break;
        case 14: Spawn<SmokeTrail>(x, y); break;
        default: Spawn<GreenBullet>(Near(1024, 3), y, 300); break;  // on the edge of leaving
        }
    }

    // Plays `frames` frames of the same random input in both worlds and
    // requires the same world after each.
    void PlayBoth(int frames) {
        uint32_t now = TickSource::Now();
        for (int frame = 0; frame < frames; ++frame) {
            const FrameInput input = RandomInput();
            const unsigned next = static_cast<unsigned>(std::rand());
            now += input.Ms;
            ASSERT_EQ(RunFrame(*Game, input, now, false), RunFrame(*Reference, input, now, true)) << "frame " << frame;
            std::srand(next);
        }
    }

    static FrameInput RandomInput() {
        FrameInput in;
        for (SDLKey key : {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_SPACE})
            if (std::rand() % 3 != 0)
                in.Keys.push_back(key);
        for (SDLKey key : {SDLK_h, SDLK_b, SDLK_n, SDLK_m})
            if (std::rand() % 12 == 0)
                in.Keys.push_back(key);
        if (std::rand() % 400 == 0)
            in.Keys.push_back(SDLK_q);
        const bool paused = std::rand() % 10 == 0;
        // Now and then a stalled frame, so the swarm's six-second chase and
        // the other clocks run out within the scene.
        const bool stalled = std::rand() % 40 == 0;
        in.Ms = stalled ? 700 : 16 + static_cast<uint32_t>(std::rand() % 2);
        in.Seconds = paused ? 0.0f : static_cast<float>(in.Ms) / 1000;
        in.Seed = static_cast<unsigned>(std::rand());
        return in;
    }

    // One frame of `stage` with `input`, alone on the stack; returns the
    // world afterwards and the next random number.
    std::pair<uint64_t, int> RunFrame(Stage1& stage, const FrameInput& input, uint32_t now, bool reference) {
        Engine& engine = TheEngine();
        engine.Screens.assign(1, &stage);
        engine.Input.Clear();
        for (SDLKey key : input.Keys)
            KeyDown(key);
        TickSource::Set(now);
        Random::Seed(input.Seed);
        if (reference)
            ReferenceUpdate(stage, input.Seconds);
        else
            stage.Update(input.Seconds);
        stage.Draw(engine.Surface);
        engine.Input.Clear();
        return {WorldCheck::Of(stage), std::rand()};
    }
};

TEST_P(PairPassTest, MatchesTheReferencePassFrameByFrame) {
    Game = BuildWorld(GetParam());
    Reference = BuildWorld(GetParam());
    ASSERT_EQ(WorldCheck::Of(*Game), WorldCheck::Of(*Reference));
    std::srand(GetParam() * 7919u);
    PlayBoth(300);
}

INSTANTIATE_TEST_SUITE_P(Seeds, PairPassTest, ::testing::Range(1u, 17u));
}  // namespace
