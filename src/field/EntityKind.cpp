#include "field/EntityKind.h"

#include <typeindex>
#include <unordered_map>

#include "effects/Background.h"
#include "effects/BackgroundLayer2.h"
#include "effects/BackgroundPlanet.h"
#include "effects/BigExplosion.h"
#include "effects/HugeMoney.h"
#include "effects/MedExplosion.h"
#include "effects/MedMoney.h"
#include "effects/SmallExplosion.h"
#include "effects/SmallMoney.h"
#include "effects/SmokeTrail.h"
#include "enemies/GunArm.h"
#include "enemies/SpaceRockBig.h"
#include "enemies/SpaceRockMedium.h"
#include "enemies/SpaceRockSmall.h"
#include "enemies/SwarmChildren.h"
#include "enemies/SwarmMother.h"
#include "enemies/TheBoss.h"
#include "enemies/TheFoo.h"
#include "field/UI.h"
#include "player/BulletEnemy.h"
#include "player/GreenBullet.h"
#include "player/RedBullet.h"
#include "player/Rocket.h"
#include "player/Ship.h"

EntityKind ClassifyEntity(const Entity& e) {
    static const std::unordered_map<std::type_index, EntityKind> kinds{
#define KORVANTA_KIND(name) {typeid(name), EntityKind::name},
        KORVANTA_ENTITY_CLASSES(KORVANTA_KIND)
#undef KORVANTA_KIND
    };
    const auto found = kinds.find(std::type_index(typeid(e)));
    return found == kinds.end() ? EntityKind::Other : found->second;
}
