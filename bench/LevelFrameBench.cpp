#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "effects/SmallMoney.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/TheFoo.h"
#include "engine/Engine.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Stage1.h"
#include "player/GreenBullet.h"

// One frame of a busy level (update with the pairwise rules, then draw) has
// to fit easily in the 16.7 ms of a 60 fps frame. The field is filled with
// the kinds of entities a hectic moment of play has, far more than the wave
// schedule ever puts up at once.
namespace {
void FillField(int enemies) {
    Engine& engine = Engine::Instance();
    for (int i = 0; i < enemies; ++i) {
        const float x = 1100.0f + static_cast<float>(i % 10) * 70;
        const float y = 90.0f + static_cast<float>((i * 37) % 450);
        if (i % 2 == 0)
            engine.AddToScreen(new TheFoo(x, y, i % 4), "Stage1");
        else
            engine.AddToScreen(new SpaceRockSmall(x, y, "Image/SpaceRockSmall.png"), "Stage1");
        engine.AddToScreen(new GreenBullet(200.0f + static_cast<float>(i % 20) * 30, y, 400), "Stage1");
        engine.AddToScreen(new SmallMoney(600.0f + static_cast<float>(i % 15) * 20, y), "Stage1");
    }
}

void BM_LevelFrame(benchmark::State& state) {
    TickSource::UseFake(1000);
    Engine& engine = Engine::Instance();
    if (!engine.Init("bench")) {
        state.SkipWithError(engine.LastError.c_str());
        return;
    }
    DisplaySurface = engine.Surface;
    engine.PushScreen(new Stage1(), "Stage1");
    FillField(static_cast<int>(state.range(0)));
    GameScreen* stage = engine.FindScreen("Stage1");
    for (auto _ : state) {
        TickSource::Advance(16);
        stage->Update(0.0f);  // a frozen frame keeps the field as busy as it started
        stage->Draw(engine.Surface);
    }
    state.counters["entities"] = static_cast<double>(stage->Entities.size());
    engine.Shutdown();
    TickSource::UseReal();
}
}  // namespace

BENCHMARK(BM_LevelFrame)->Arg(20)->Arg(60)->Arg(120)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(KORVANTA_ASSET_DIR) != 0)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
