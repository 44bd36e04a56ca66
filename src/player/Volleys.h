#pragma once
#include <vector>

// The eighteen volley patterns of the ship's cannon, bullet by bullet in
// creation order: the game's weapon progression.
struct VolleyShot {
    enum class Kind { Red, Green };
    // Where the bullet starts, relative to the ship's square.
    enum class Point { Centre, Upper, Lower, TopVertical, BottomVertical };
    Kind Bullet;
    Point Spawn;
    // 0 = straight (three-argument constructor); otherwise the heading
    // handed to the four-argument constructor (-1, 1, -2, 2).
    int Direction;
};

class Volleys {
public:
    // The shots of `cannonLevel` (1..18); empty for any other level.
    static const std::vector<VolleyShot>& ForLevel(int cannonLevel);
};
