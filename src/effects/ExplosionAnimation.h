#pragma once
#include "engine/Timer.h"

class Entity;

// The parts the three explosions have in common: the blast sound and the
// frame stepping of their sprite strip.

// Plays the shared explosion sound at `volume` on `channel`, panned to where
// the blast is; the sound cache keeps the chunk, so the blast is heard to the
// end even after the explosion entity is gone.
void StartExplosionSound(Entity& blast, int channel, int volume);

// Moves the animation on by at most one frame once `clock` shows more than
// `stepMs`, so a slow frame rate stretches the animation rather than skipping
// frames. Marks the explosion dead when it runs past its last frame, before
// that frame index could ever be drawn.
void StepExplosionFrame(Entity& blast, Timer& clock, int stepMs, int frameCount);
