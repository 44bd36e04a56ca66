#include "engine/Pictures.h"

#include "engine/ImageCache.h"

const std::vector<const char*>& Pictures::All() {
    // The menu's pictures first: they are the ones a broken install lacks
    // most visibly, and the first one named is the first one looked for.
    static const std::vector<const char*> paths{
        "Image/stars1.png",        "Image/stars2.png",        "Image/planet.png",        "Image/Play.png",
        "Image/Info.png",          "Image/ExitButton.png",    "Image/Options.png",       "Image/Scores.png",        "Image/Practice.png",
        "Image/Back.png",          "Image/UIBackground.png",  "Image/Health.png",        "Image/Shield.png",
        "Image/ButtonH.png",       "Image/ButtonB.png",       "Image/ButtonN.png",       "Image/ButtonM.png",
        "Image/Replay.png",        "Image/ship.png",          "Image/RedBullet.png",     "Image/GreenBullet.png",
        "Image/Rocket.png",        "Image/SmokeTrail.png",    "Image/smallmine.png",     "Image/SpaceRockSmall.png",
        "Image/SpaceRockMedium.png", "Image/BigRock.png",       "Image/BigBug.png",        "Image/SmallBug.png",
        "Image/TheBoss.png",       "Image/ChargingBeam.png",  "Image/Ray.png",           "Image/BigExplosion.png",
        "Image/MedExplosion.png",  "Image/SmallExplosion.png", "Image/SmallMoney.png",    "Image/MedMoney.png",
        "Image/HugeMoney.png",     "Image/ButtonKey.png",     "Image/NextLevel.png",     "Image/stars-ember.png",   "Image/stars-abyss.png",
        "Image/planet-ice.png",    "Image/nebula.png",
    };
    return paths;
}

void Pictures::Preload(ImageCache& cache) {
    for (const char* path : All())
        cache.Get(path);
}
