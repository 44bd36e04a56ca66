#pragma once
#include <SDL/SDL.h>

#include <string>

class GameScreen;
class Stage1;

// Seeded, repeatable moments of the game for the frame benchmarks. Each
// scene takes down what the previous one stacked. The engine runs on the
// dummy drivers with a hand-driven clock.
namespace Scenes {
// Starts the engine headless in the asset folder; false with a message.
bool StartEngine(std::string& error);
void StopEngine();

// The title screen, as the game opens on it.
GameScreen* Menu();
// A fresh level in its first seconds.
Stage1* LevelStart();
// A busy moment of play: a top-level cannon firing, the boss and its gun
// arms, rocks of every size, a swarm, mines, money, explosions and the
// smoke of homing missiles; about 300 entities.
Stage1* HeavyPlay();
// A paused level in which the ship went on firing at the top cannon level
// until the field held at least `entities` entities.
Stage1* PausedBarrage(int entities);
// Level `level` of the campaign, played from its start by a ship that sits
// still and fires (kept alive, with the ship a campaign brings to it) until
// its clock reaches `ms`: the level's own busiest moment.
Stage1* LevelAt(int level, int ms);

// Heals the ship between frames, so a scene full of enemy fire does not
// turn into a frozen game-over screen while it is being timed.
void KeepShipAlive(Stage1& stage);

// Removes whatever the last scene stacked and forgets the stored input.
void TearDown();

// One frame as the main loop runs it, advancing the fake clock as a 60 fps
// frame does. `reference` runs the slow reference pass instead of the game's.
void LevelFrame(Stage1& stage, float seconds, bool reference);
void MenuFrame(GameScreen& menu);
}  // namespace Scenes
