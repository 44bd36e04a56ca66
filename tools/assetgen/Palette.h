#pragma once

#include "Canvas.h"

// One palette for the whole game: cold cyan for the player and the
// interface, acid green and violet for the swarm, hot orange for fire and
// magenta for the boss's energy weapons.
namespace assetgen::palette {

inline constexpr Rgb SpaceDeep = hex(0x03040B);
inline constexpr Rgb SpaceBlue = hex(0x0A1030);
inline constexpr Rgb NebulaViolet = hex(0x4A1F6E);
inline constexpr Rgb NebulaTeal = hex(0x0E4A66);
inline constexpr Rgb NebulaRose = hex(0x6E1F4A);

inline constexpr Rgb UiDark = hex(0x07111F);
inline constexpr Rgb UiMid = hex(0x12304F);
inline constexpr Rgb UiCyan = hex(0x33D6FF);
inline constexpr Rgb UiCyanLight = hex(0xA8F2FF);
inline constexpr Rgb UiWhite = hex(0xEAFBFF);

inline constexpr Rgb HullLight = hex(0xDCE6F2);
inline constexpr Rgb HullMid = hex(0x8B9BB4);
inline constexpr Rgb HullDark = hex(0x36425A);
inline constexpr Rgb HullShadow = hex(0x1A2133);

inline constexpr Rgb BugViolet = hex(0x6A2C8F);
inline constexpr Rgb BugDark = hex(0x230C33);
inline constexpr Rgb BugLight = hex(0xB36AD9);
inline constexpr Rgb AcidGreen = hex(0x9DFF3A);

inline constexpr Rgb FireWhite = hex(0xFFF8E0);
inline constexpr Rgb FireYellow = hex(0xFFD25A);
inline constexpr Rgb FireOrange = hex(0xFF7A1F);
inline constexpr Rgb FireRed = hex(0xC8280E);
inline constexpr Rgb SmokeDark = hex(0x2C2623);

inline constexpr Rgb BossMagenta = hex(0xFF2FD0);
inline constexpr Rgb BossPink = hex(0xFFB8F0);
inline constexpr Rgb BossHull = hex(0x3A2E44);
inline constexpr Rgb BossHullLight = hex(0x8E7C9E);

inline constexpr Rgb HealthGreen = hex(0x4CFF6A);
inline constexpr Rgb HealthDark = hex(0x0F7A2A);
inline constexpr Rgb ShieldBlue = hex(0x3AB8FF);
inline constexpr Rgb ShieldDark = hex(0x0B3E9A);
inline constexpr Rgb Danger = hex(0xFF3A3A);

} // namespace assetgen::palette
