#include "player/Volleys.h"

#include <array>
#include <cstddef>

namespace {
using Kind = VolleyShot::Kind;
using Point = VolleyShot::Point;

constexpr VolleyShot RedCentre{Kind::Red, Point::Centre, 0};
constexpr VolleyShot GreenCentre{Kind::Green, Point::Centre, 0};
constexpr VolleyShot RedUpper{Kind::Red, Point::Upper, 0};
constexpr VolleyShot RedLower{Kind::Red, Point::Lower, 0};
constexpr VolleyShot GreenUpper{Kind::Green, Point::Upper, 0};
constexpr VolleyShot GreenLower{Kind::Green, Point::Lower, 0};
constexpr VolleyShot RedUpperUp{Kind::Red, Point::Upper, -1};
constexpr VolleyShot RedLowerDown{Kind::Red, Point::Lower, 1};
constexpr VolleyShot GreenUpperUp{Kind::Green, Point::Upper, -1};
constexpr VolleyShot GreenLowerDown{Kind::Green, Point::Lower, 1};
constexpr VolleyShot RedTopVertical{Kind::Red, Point::TopVertical, -2};
constexpr VolleyShot RedBottomVertical{Kind::Red, Point::BottomVertical, 2};
constexpr VolleyShot GreenTopVertical{Kind::Green, Point::TopVertical, -2};
constexpr VolleyShot GreenBottomVertical{Kind::Green, Point::BottomVertical, 2};

// The cannon's progression: red (weak) and green (strong) shots alternate
// as the level rises, and the fan widens from one shot to seven.
const std::array<std::vector<VolleyShot>, 18> Table{{
    {RedCentre},
    {GreenCentre},
    {RedUpper, RedLower},
    {GreenUpper, GreenLower},
    {RedCentre, RedUpperUp, RedLowerDown},
    {GreenCentre, RedUpperUp, RedLowerDown},
    {GreenCentre, GreenUpperUp, GreenLowerDown},
    {RedCentre, RedUpper, RedLower},
    {GreenCentre, RedUpper, RedLower},
    {GreenCentre, GreenUpper, GreenLower},
    {RedCentre, RedUpper, RedLower, RedUpperUp, RedLowerDown},
    {GreenCentre, RedUpper, RedLower, RedUpperUp, RedLowerDown},
    {GreenCentre, GreenUpper, GreenLower, RedUpperUp, RedLowerDown},
    {GreenCentre, GreenUpper, GreenLower, GreenUpperUp, GreenLowerDown},
    {GreenCentre, RedUpper, RedLower, RedUpperUp, RedLowerDown, RedTopVertical, RedBottomVertical},
    {GreenCentre, GreenUpper, GreenLower, RedUpperUp, RedLowerDown, RedTopVertical, RedBottomVertical},
    {GreenCentre, GreenUpper, GreenLower, GreenUpperUp, GreenLowerDown, RedTopVertical, RedBottomVertical},
    {GreenCentre, GreenUpper, GreenLower, GreenUpperUp, GreenLowerDown, GreenTopVertical, GreenBottomVertical},
}};

const std::vector<VolleyShot> NoShots;
}  // namespace

const std::vector<VolleyShot>& Volleys::ForLevel(int cannonLevel) {
    if (cannonLevel < 1 || cannonLevel > static_cast<int>(Table.size()))
        return NoShots;
    return Table[static_cast<std::size_t>(cannonLevel - 1)];
}
