#pragma once
#include "engine/Timer.h"

class Enemy;

// Small pieces of motion shared by the enemies of the level.

// Keeps a motion-phase clock in step with the game: a frame of 0 seconds
// (paused or game over) freezes the clock, any other frame lets it run on.
void SyncWithGame(Timer& clock, float seconds);

// The slow up-and-down hover of the boss and its gun arms (75 px/s on a
// ~10.5 s sine, down first), plus the slide in from the right: one `Speed`
// step per update until the enemy's left edge reaches `post`.
void HoverAndSlideIn(Enemy& enemy, const Timer& clock, float post);
