#include "levels/Level.h"

int32_t Level::BossMs() const {
    for (const Wave& wave : Waves)
        if (wave.What == Wave::Kind::Boss)
            return wave.From;
    return 0;
}
