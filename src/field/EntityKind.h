#pragma once
#include <cstdint>

class Entity;

// Every concrete class of the play field, once.
#define KORVANTA_ENTITY_CLASSES(X)                                                                          \
    X(Background) X(BackgroundLayer2) X(BackgroundPlanet) X(BigExplosion) X(MedExplosion) X(SmallExplosion) \
    X(SmokeTrail) X(UI) X(Ship) X(BulletEnemy) X(GreenBullet) X(RedBullet) X(Rocket) X(GunArm)              \
    X(SpaceRockBig) X(SpaceRockMedium) X(SpaceRockSmall) X(SwarmChildren) X(SwarmMother) X(TheBoss)          \
    X(TheFoo) X(SmallMoney) X(MedMoney) X(HugeMoney)

// The exact class of an entity as a small tag. The interaction rules test
// the exact class of both entities of every pair, thousands of times a
// frame; a tag compare is far cheaper than comparing run-time type names.
// A class not on the list (a subclass made by a test, say) is Other, so it
// never passes for the class it derives from.
enum class EntityKind : uint8_t {
#define KORVANTA_KIND(name) name,
    KORVANTA_ENTITY_CLASSES(KORVANTA_KIND)
#undef KORVANTA_KIND
    Other,
    Unknown,  // not looked up yet
};

// The tag of a concrete class, known at compile time.
template <class T>
struct KindOfClass {
    static constexpr EntityKind Value = EntityKind::Other;
};
#define KORVANTA_KIND(name)                                     \
    class name;                                                 \
    template <>                                                 \
    struct KindOfClass<name> {                                  \
        static constexpr EntityKind Value = EntityKind::name;   \
    };
KORVANTA_ENTITY_CLASSES(KORVANTA_KIND)
#undef KORVANTA_KIND

// Looks the tag up from the run-time type of `e` (never Unknown).
EntityKind ClassifyEntity(const Entity& e);
