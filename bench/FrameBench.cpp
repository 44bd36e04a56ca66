#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "Scenes.h"
#include "engine/Engine.h"
#include "engine/Enlarger.h"
#include "engine/GameScreen.h"
#include "engine/PictureFit.h"
#include "field/Stage1.h"

// Times one whole frame (update, then the draw onto the 1024 x 600 window
// surface) of fixed, seeded scenes, with the game's pass and with the slow
// reference pass, and the enlargement of one frame into a larger window or
// screen, and prints the median and 99th percentile of each as a table,
// with the targets the game has to hold.
namespace {
using Clock = std::chrono::steady_clock;

struct Result {
    std::string Scene;
    std::string Pass;
    double Entities = 0;
    double MedianMs = 0;
    double P99Ms = 0;
    size_t Frames = 0;
};
std::map<std::string, Result> Results;

double Percentile(std::vector<double> samples, double share) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t index = std::min(samples.size() - 1, static_cast<size_t>(share * static_cast<double>(samples.size())));
    return samples[index];
}

// A scene to build and a frame to run on it. Live scenes are rebuilt after
// `framesPerBuild` frames, outside the timing, so they stay as busy as built.
struct SceneRun {
    std::function<GameScreen*()> Build;
    std::function<void(GameScreen&)> Frame;
    // Runs before each frame, outside the timing.
    std::function<void(GameScreen&)> Prepare;
    int FramesPerBuild;
};

void Measure(benchmark::State& state, const std::string& scene, const std::string& pass, const SceneRun& run) {
    std::vector<double> frameMs;
    double entitySum = 0;
    GameScreen* screen = run.Build();
    int framesOnScene = 0;
    for (auto _ : state) {
        if (framesOnScene == run.FramesPerBuild) {
            screen = run.Build();
            framesOnScene = 0;
        }
        if (run.Prepare)
            run.Prepare(*screen);
        const auto start = Clock::now();
        run.Frame(*screen);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        frameMs.push_back(took.count() * 1000.0);
        entitySum += static_cast<double>(screen->Entities.size());
        ++framesOnScene;
    }
    Result r{scene, pass, entitySum / static_cast<double>(frameMs.size()), Percentile(frameMs, 0.5),
             Percentile(frameMs, 0.99), frameMs.size()};
    state.counters["entities"] = r.Entities;
    state.counters["median_ms"] = r.MedianMs;
    state.counters["p99_ms"] = r.P99Ms;
    Results[scene + "/" + pass] = r;
}

void LevelScene(const std::string& scene, std::function<Stage1*()> build, float seconds, int framesPerBuild,
                double minSeconds, bool withReference) {
    for (bool reference : {false, true}) {
        if (reference && !withReference)
            continue;
        const std::string pass = reference ? "reference" : "game";
        SceneRun run{[build] { return static_cast<GameScreen*>(build()); },
                     [seconds, reference](GameScreen& s) {
                         Scenes::LevelFrame(static_cast<Stage1&>(s), seconds, reference);
                     },
                     [](GameScreen& s) { Scenes::KeepShipAlive(static_cast<Stage1&>(s)); },
                     framesPerBuild};
        benchmark::RegisterBenchmark((scene + "/" + pass).c_str(),
                                     [scene, pass, run](benchmark::State& st) { Measure(st, scene, pass, run); })
            ->UseManualTime()
            ->MinTime(reference ? minSeconds / 2 : minSeconds)
            ->Unit(benchmark::kMillisecond);
    }
}

void RegisterScenes() {
    SceneRun menu{[] { return Scenes::Menu(); }, [](GameScreen& s) { Scenes::MenuFrame(s); }, nullptr, 1 << 30};
    benchmark::RegisterBenchmark("menu/game", [menu](benchmark::State& st) { Measure(st, "menu", "game", menu); })
        ->UseManualTime()
        ->MinTime(1)
        ->Unit(benchmark::kMillisecond);
    LevelScene("level start", Scenes::LevelStart, 1.0f / 60, 300, 1, false);
    LevelScene("heavy play", Scenes::HeavyPlay, 1.0f / 60, 60, 2, true);
    // The new levels' busiest seconds, found by playing them through.
    LevelScene("level 2 at 146 s", [] { return Scenes::LevelAt(2, 146000); }, 1.0f / 60, 600, 2, false);
    LevelScene("level 3 at 70 s", [] { return Scenes::LevelAt(3, 70000); }, 1.0f / 60, 600, 2, false);
    for (int n : {1000, 3000, 5000})
        LevelScene("barrage " + std::to_string(n), [n] { return Scenes::PausedBarrage(n); }, 0, 1 << 30, 2, true);
}

// The game's picture (the menu, drawn once) enlarged into a window of
// `width` x `height` as the window shows it: a whole scale where the size is
// one, else full screen; the picture in the window's format.
struct Enlargement {
    const char* Name;
    int Width, Height;
    bool Smooth;
    double MedianTargetMs;
};
const Enlargement Enlargements[] = {{"2048 x 1200 sharp", 2048, 1200, false, 2},
                                    {"1920 x 1080 sharp", 1920, 1080, false, 2},
                                    {"1920 x 1080 smooth", 1920, 1080, true, 4}};

void MeasureEnlargement(benchmark::State& state, const Enlargement& e) {
    SDL_Surface* picture = Engine::Instance().Surface;
    Scenes::MenuFrame(*Scenes::Menu());
    const SDL_PixelFormat* f = picture->format;
    SDL_Surface* window = SDL_CreateRGBSurface(SDL_SWSURFACE, e.Width, e.Height, 32, f->Rmask, f->Gmask, f->Bmask, 0);
    const PictureFit fit = e.Width == 2048 ? PictureFit::Window(2) : PictureFit::Screen(e.Width, e.Height);
    Enlarger enlarger;
    enlarger.Prepare(picture->w, picture->h, fit.Picture, e.Smooth);
    std::vector<double> frameMs;
    for (auto _ : state) {
        const auto start = Clock::now();
        enlarger.Run(picture, window);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        frameMs.push_back(took.count() * 1000.0);
    }
    SDL_FreeSurface(window);
    Result r{e.Name, "enlarge", 0, Percentile(frameMs, 0.5), Percentile(frameMs, 0.99), frameMs.size()};
    state.counters["median_ms"] = r.MedianMs;
    state.counters["p99_ms"] = r.P99Ms;
    Results[std::string(e.Name) + "/enlarge"] = r;
}

void RegisterEnlargements() {
    for (const Enlargement& e : Enlargements)
        benchmark::RegisterBenchmark((std::string("enlarge ") + e.Name).c_str(),
                                     [&e](benchmark::State& st) { MeasureEnlargement(st, e); })
            ->UseManualTime()
            ->MinTime(1)
            ->Unit(benchmark::kMillisecond);
}

// One line per enlargement with its target; false when one is missed.
bool PrintEnlargements() {
    bool met = true;
    std::printf("\n| enlargement | median ms | p99 ms | target (median) |\n|---|---|---|---|\n");
    for (const Enlargement& e : Enlargements) {
        const auto found = Results.find(std::string(e.Name) + "/enlarge");
        if (found == Results.end())
            continue;
        const bool ok = found->second.MedianMs <= e.MedianTargetMs;
        std::printf("| %s | %.3f | %.3f | %.0f ms: %s |\n", e.Name, found->second.MedianMs, found->second.P99Ms,
                    e.MedianTargetMs, ok ? "met" : "MISSED");
        met = met && ok;
    }
    return met;
}

std::string Machine() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2) + ", " + std::to_string(std::thread::hardware_concurrency()) +
                   " cores";
    return "unknown CPU";
}

struct Target {
    const char* Scene;
    double P99Ms;
    double MinSpeedUp;  // over the reference pass in the same run; 0 for none
};
const Target Targets[] = {{"heavy play", 2, 0},
                          {"level 2 at 146 s", 2, 0},
                          {"level 3 at 70 s", 2, 0},
                          {"barrage 1000", 4, 10},
                          {"barrage 3000", 12, 0}};

// The table for bench/README.md, and one line per target; false when a
// target is missed.
bool PrintTable() {
    std::printf("\nMachine: %s\n\n", Machine().c_str());
    std::printf("| scene | entities | game median ms | game p99 ms | reference median ms | reference p99 ms |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const char* scene : {"menu", "level start", "heavy play", "level 2 at 146 s", "level 3 at 70 s",
                              "barrage 1000", "barrage 3000", "barrage 5000"}) {
        const std::string name = scene;
        if (!Results.count(name + "/game"))
            continue;
        const Result& game = Results[name + "/game"];
        const std::string entities = name == "menu" ? "-" : std::to_string(static_cast<int>(game.Entities + 0.5));
        std::printf("| %s | %s | %.3f | %.3f |", scene, entities.c_str(), game.MedianMs, game.P99Ms);
        if (Results.count(name + "/reference")) {
            const Result& ref = Results[name + "/reference"];
            std::printf(" %.2f | %.2f |\n", ref.MedianMs, ref.P99Ms);
        } else {
            std::printf(" - | - |\n");
        }
    }
    bool met = true;
    std::printf("\n");
    for (const Target& t : Targets) {
        const std::string name = t.Scene;
        if (!Results.count(name + "/game"))
            continue;
        const Result& game = Results[name + "/game"];
        bool ok = game.P99Ms <= t.P99Ms;
        std::printf("%s: p99 %.3f ms, target %.0f ms", t.Scene, game.P99Ms, t.P99Ms);
        if (t.MinSpeedUp > 0 && Results.count(name + "/reference")) {
            const double speedUp = Results[name + "/reference"].P99Ms / game.P99Ms;
            ok = ok && speedUp >= t.MinSpeedUp;
            std::printf("; %.0fx faster than the reference, target %.0fx", speedUp, t.MinSpeedUp);
        }
        std::printf(": %s\n", ok ? "met" : "MISSED");
        met = met && ok;
    }
    return met;
}
}  // namespace

int main(int argc, char** argv) {
    std::string error;
    if (!Scenes::StartEngine(error)) {
        std::fprintf(stderr, "korvanta_bench: %s\n", error.c_str());
        return 1;
    }
    RegisterScenes();
    RegisterEnlargements();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Scenes::StopEngine();
    const bool scenes = PrintTable();
    const bool enlargements = PrintEnlargements();
    return scenes && enlargements ? 0 : 2;
}
