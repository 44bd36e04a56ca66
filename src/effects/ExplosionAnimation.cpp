#include "effects/ExplosionAnimation.h"

#include "engine/Engine.h"
#include "engine/PanChannel.h"
#include "engine/SoundCache.h"
#include "field/Entity.h"

void StartExplosionSound(Entity& blast, int channel, int volume) {
    blast.Sound = Engine::Instance().Sounds.Get("Sound/explosion.wav", volume);
    PanChannel(channel, blast.PosX);
    SoundCache::Play(channel, blast.Sound);
}

void StepExplosionFrame(Entity& blast, Timer& clock, int stepMs, int frameCount) {
    if (clock.Started && clock.GetTicks() > stepMs) {
        ++blast.Frame;
        clock.Start();
    }
    if (blast.Frame >= frameCount)
        blast.Dead = true;
}
