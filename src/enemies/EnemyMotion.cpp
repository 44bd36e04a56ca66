#include "enemies/EnemyMotion.h"

#include <cmath>

#include "field/Enemy.h"

void SyncWithGame(Timer& clock, float seconds) {
    if (seconds == 0)
        clock.Pause();
    else
        clock.Unpause();
}

void HoverAndSlideIn(Enemy& enemy, const Timer& clock, float post) {
    enemy.SpeedY = static_cast<float>(75.0 * std::sin(0.0006 * clock.GetTicks()));
    // The slide is per update, not per second, so it ignores pauses: a paused
    // boss still creeps to its post.
    if (enemy.PosX > post)
        enemy.PosX -= enemy.Speed;
}
