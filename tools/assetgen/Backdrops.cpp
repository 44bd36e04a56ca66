// The two star fields and the planet. Both star fields wrap left to right:
// the nebula uses noise that repeats across the width, and any star near an
// edge is painted a second time one width away, so the picture continues
// seamlessly when the game lays two copies side by side.

#include <cmath>

#include "Noise.h"
#include "Palette.h"
#include "Pictures.h"
#include "Rng.h"

namespace assetgen {

namespace {

constexpr int FieldWidth = 2048;
constexpr int FieldHeight = 600;

// Star colours from hot blue to cool orange, the way real stars spread.
Rgb starColour(Rng& rng)
{
    static constexpr Rgb tints[] = {hex(0x9BB4FF), hex(0xC8D6FF), hex(0xF4F6FF), hex(0xFFF3E6), hex(0xFFD9A8)};
    double t = rng.unit();
    int i = t < 0.15 ? 0 : t < 0.45 ? 1 : t < 0.8 ? 2 : t < 0.93 ? 3 : 4;
    return tints[i];
}

struct Star {
    double x, y, radius, brightness;
    Rgb colour;
    bool flare;
};

void drawStarAt(cairo_t* cr, const Star& s, double x)
{
    if (s.radius > 0.9)
        glow(cr, x, s.y, s.radius * 5.0, s.colour, 0.22 * s.brightness);
    if (s.flare) {
        // Thin diffraction spikes on the brightest stars.
        double len = s.radius * 9.0;
        setLinear(cr, x - len, s.y, x + len, s.y,
            {{0.0, s.colour, 0.0}, {0.5, s.colour, 0.8 * s.brightness}, {1.0, s.colour, 0.0}});
        cairo_rectangle(cr, x - len, s.y - 0.5, 2 * len, 1.0);
        cairo_fill(cr);
        setLinear(cr, x, s.y - len, x, s.y + len,
            {{0.0, s.colour, 0.0}, {0.5, s.colour, 0.8 * s.brightness}, {1.0, s.colour, 0.0}});
        cairo_rectangle(cr, x - 0.5, s.y - len, 1.0, 2 * len);
        cairo_fill(cr);
    }
    setRadial(cr, x, s.y, s.radius,
        {{0.0, hex(0xFFFFFF), s.brightness}, {0.5, s.colour, s.brightness * 0.9}, {1.0, s.colour, 0.0}});
    cairo_arc(cr, x, s.y, s.radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

// Paints the star and, when it reaches over an edge, its wrapped twin.
void drawWrappedStar(cairo_t* cr, const Star& s)
{
    double reach = s.flare ? s.radius * 9.0 + 1.0 : s.radius * 5.0 + 1.0;
    drawStarAt(cr, s, s.x);
    if (s.x < reach)
        drawStarAt(cr, s, s.x + FieldWidth);
    if (s.x > FieldWidth - reach)
        drawStarAt(cr, s, s.x - FieldWidth);
}

void scatterStars(Canvas& canvas, Rng& rng, int count, double minRadius, double maxRadius, double flareChance,
    double minBright, double maxBright)
{
    for (int i = 0; i < count; ++i) {
        Star s;
        s.x = rng.range(0, FieldWidth);
        s.y = rng.range(0, FieldHeight);
        // Squaring skews the sizes so small stars far outnumber big ones.
        double t = rng.unit();
        s.radius = minRadius + (maxRadius - minRadius) * t * t;
        s.brightness = rng.range(minBright, maxBright);
        s.colour = starColour(rng);
        s.flare = rng.chance(flareChance) && s.radius > 0.8 * maxRadius;
        drawWrappedStar(canvas.cr(), s);
    }
}

// The colours of a far sky: the gradient behind, the three tints of its
// clouds and the light of their brightest filaments.
struct SkyPalette {
    Rgb deep, base, first, second, third, filament;
};

constexpr SkyPalette VioletSky{palette::SpaceDeep, palette::SpaceBlue, palette::NebulaTeal, palette::NebulaViolet,
    palette::NebulaRose, hex(0xC9A8FF)};
// The second level: smouldering reds and golds.
constexpr SkyPalette EmberSky{hex(0x070203), hex(0x1E070B), hex(0x6A1E0C), hex(0x7A1430), hex(0x8A5814), hex(0xFFB070)};
// The third: a cold green-blue deep with a violet bruise.
constexpr SkyPalette AbyssSky{hex(0x010504), hex(0x03161A), hex(0x0A4A3A), hex(0x142A62), hex(0x3A0E52), hex(0x8CFFD4)};

// Nebula clouds over a dark gradient; eight noise cells across the width.
Rgba farSky(const SkyPalette& colours, double x, double y)
{
    constexpr int cells = 8;
    double u = x * cells / FieldWidth, v = y * cells / FieldWidth;
    double cloud = fractal2(u, v, 6, cells, 11);
    double hue = fractal2(u * 0.5 + 7.3, v * 0.5, 4, cells / 2, 23);
    double dust = fractal2(u * 2.0, v * 2.0 + 3.1, 5, cells * 2, 37);

    double vertical = y / FieldHeight;
    Rgb base = blend(colours.deep, colours.base, 0.35 + 0.4 * std::sin(vertical * M_PI));

    double density = smoothstep(0.42, 0.78, cloud);
    density *= 1.0 - 0.75 * smoothstep(0.5, 0.75, dust); // dark lanes cut through the glow
    Rgb tint = hue < 0.5 ? blend(colours.first, colours.second, smoothstep(0.3, 0.5, hue))
                         : blend(colours.second, colours.third, smoothstep(0.5, 0.72, hue));
    Rgb sky = blend(base, tint, 0.55 * density);
    // Brighter filaments where the cloud is thickest.
    double core = smoothstep(0.68, 0.9, cloud) * (1.0 - smoothstep(0.45, 0.7, dust));
    sky = blend(sky, blend(tint, colours.filament, 0.4), 0.25 * core);
    return {sky, 1.0};
}

// Faint one-pixel dust stars, decided per pixel so they wrap by themselves.
Rgba dustStar(double x, double y)
{
    double h = valueNoise2(std::floor(x) + 0.0, std::floor(y) + 0.0, FieldWidth, 991);
    if (h < 0.9975)
        return {{0, 0, 0}, 0.0};
    double b = (h - 0.9975) / 0.0025;
    return {hex(0xD8E2FF), 0.25 + 0.45 * b};
}

} // namespace

namespace {

Canvas paintSky(const SkyPalette& colours, std::uint64_t seed, int faint, int bright)
{
    Canvas canvas(FieldWidth, FieldHeight);
    canvas.shade([&colours](double x, double y) { return farSky(colours, x, y); });
    canvas.shade(dustStar);
    Rng rng(seed);
    scatterStars(canvas, rng, faint, 0.35, 1.1, 0.0, 0.25, 0.8);
    scatterStars(canvas, rng, bright, 0.9, 1.6, 0.25, 0.6, 0.95);
    return canvas;
}

} // namespace

Canvas paintFarStars() { return paintSky(VioletSky, 0x57A25, 1400, 60); }
Canvas paintEmberStars() { return paintSky(EmberSky, 0xE3B3E, 1100, 70); }
Canvas paintAbyssStars() { return paintSky(AbyssSky, 0xAB155, 700, 30); }

Canvas paintNearStars()
{
    Canvas canvas(FieldWidth, FieldHeight);
    Rng rng(0x57A26);
    scatterStars(canvas, rng, 260, 0.6, 1.5, 0.0, 0.55, 1.0);
    scatterStars(canvas, rng, 24, 1.4, 2.2, 0.6, 0.85, 1.0);
    return canvas;
}

namespace {

constexpr int PlanetCanvas = 320;
constexpr double PlanetRadius = 122.0;

struct Vec3 {
    double x, y, z;
};

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 normalised(Vec3 v)
{
    double l = std::sqrt(dot(v, v));
    return {v.x / l, v.y / l, v.z / l};
}

// Light from the upper left, low enough that the right side of the disc lies
// in shadow: the menu title is drawn across that side.
const Vec3 SunDirection = normalised({-0.82, -0.38, 0.42});

// Banded gas giant: latitude bands bent by turbulence, plus one big storm.
Rgb planetSurface(Vec3 n)
{
    // Tilt the bands a little so the planet does not look pasted on.
    double tilt = 0.32;
    Vec3 p = {n.x * std::cos(tilt) - n.y * std::sin(tilt), n.x * std::sin(tilt) + n.y * std::cos(tilt), n.z};
    double turbulence = fractal3(p.x * 2.2, p.y * 6.0, p.z * 2.2, 5, 71) - 0.5;
    double lat = p.y + 0.09 * turbulence;
    double bands = 0.5 + 0.5 * std::sin(lat * 17.0 + 2.0 * std::sin(lat * 5.0));
    double fine = fractal3(p.x * 4.0, lat * 40.0, p.z * 4.0, 3, 83);

    static constexpr Rgb ramp[] = {hex(0x3B1A26), hex(0x8C3F2B), hex(0xC9763E), hex(0xE9B878), hex(0xF6E2BC)};
    double t = clamp01(0.15 + 0.7 * bands + 0.25 * (fine - 0.5));
    double pos = t * 4.0;
    int i = static_cast<int>(pos);
    if (i > 3)
        i = 3;
    Rgb c = blend(ramp[i], ramp[i + 1], pos - i);

    // The storm: an oval swirl south of the equator.
    double sx = (p.x - 0.28) / 0.2, sy = (p.y - 0.36) / 0.09;
    double storm = std::exp(-(sx * sx + sy * sy)) * smoothstep(0.0, 0.3, p.z);
    c = blend(c, hex(0xB33A24), 0.8 * storm);
    c = blend(c, hex(0xF2C59A), 0.5 * storm * storm * smoothstep(0.4, 0.7, fine));
    return c;
}

// A lit globe in its halo: where it sits on the canvas, its surface and the
// colours of its halo and of the rim its air makes on the lit edge.
struct Globe {
    double cx, cy, radius;
    Rgb (*surface)(Vec3 normal);
    Rgb halo, rim;
};

Rgba globePixel(const Globe& globe, double x, double y)
{
    double dx = (x - globe.cx) / globe.radius, dy = (y - globe.cy) / globe.radius;
    double d = std::sqrt(dx * dx + dy * dy);
    Rgb haloColour = globe.halo;
    // The halo is brighter on the side that faces the sun.
    double sunLen = std::hypot(SunDirection.x, SunDirection.y);
    double facing = (dx * SunDirection.x + dy * SunDirection.y) / ((d + 1e-9) * sunLen);
    double sunSide = clamp01(0.5 + 0.5 * facing);

    if (d >= 1.0) {
        double fall = std::exp(-(d - 1.0) * 22.0);
        return {haloColour, 0.75 * fall * (0.25 + 0.75 * sunSide)};
    }
    Vec3 n = {dx, dy, std::sqrt(1.0 - d * d)};
    double light = dot(n, SunDirection);
    double day = smoothstep(-0.18, 0.55, light);
    Rgb c = scaled(globe.surface(n), 0.06 + 1.05 * day);
    // Limb darkening, then a warm atmospheric rim on the lit edge.
    c = scaled(c, 0.55 + 0.45 * std::pow(n.z, 0.5));
    double rim = std::pow(1.0 - n.z, 3.0) * smoothstep(-0.3, 0.4, light);
    c = blend(c, globe.rim, 0.75 * rim);
    double edgeAlpha = clamp01((1.0 - d) * globe.radius + 0.5);
    double haloAlpha = 0.75 * (0.25 + 0.75 * sunSide);
    // Blend the anti-aliased rim into the halo behind it.
    Rgb out = blend(haloColour, c, edgeAlpha);
    return {out, edgeAlpha + (1.0 - edgeAlpha) * haloAlpha};
}

// The second level's ice giant: pale blue, faintly banded, with polar caps.
Rgb iceSurface(Vec3 n)
{
    double tilt = -0.22;
    Vec3 p = {n.x * std::cos(tilt) - n.y * std::sin(tilt), n.x * std::sin(tilt) + n.y * std::cos(tilt), n.z};
    double swirl = fractal3(p.x * 3.0, p.y * 9.0, p.z * 3.0, 5, 131) - 0.5;
    double bands = 0.5 + 0.5 * std::sin((p.y + 0.05 * swirl) * 11.0);
    static constexpr Rgb ramp[] = {hex(0x1B3F6E), hex(0x4F86B8), hex(0x9CCBEA), hex(0xE4F5FF)};
    double t = clamp01(0.2 + 0.55 * bands + 0.5 * swirl);
    double pos = t * 3.0;
    int i = pos >= 3.0 ? 2 : static_cast<int>(pos);
    Rgb c = blend(ramp[i], ramp[i + 1], pos - i);
    // White caps at the poles.
    return blend(c, hex(0xF4FBFF), smoothstep(0.72, 0.86, std::fabs(p.y)));
}

// A flat ring around the ice giant, seen from a little above: the half
// behind the globe is drawn first, the half in front of it after it.
constexpr int IceWidth = 460;
constexpr int IceHeight = 300;
constexpr double IceRadius = 96.0;
constexpr double RingTilt = -0.16;

void iceRing(cairo_t* cr, bool front)
{
    cairo_save(cr);
    cairo_translate(cr, IceWidth / 2.0, IceHeight / 2.0);
    cairo_rotate(cr, RingTilt);
    cairo_rectangle(cr, -IceWidth, front ? 0 : -IceHeight, 2.0 * IceWidth, IceHeight);
    cairo_clip(cr);
    for (int band = 0; band < 3; ++band) {
        const double rx = 150 + band * 26, ry = 32 + band * 6;
        ellipsePath(cr, 0, 0, rx, ry);
        setColour(cr, blend(hex(0xA9C8E0), hex(0xE8F2FA), band / 2.0), front ? 0.7 - 0.15 * band : 0.4 - 0.1 * band);
        cairo_set_line_width(cr, 14.0 - 3.0 * band);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// The third level's nebula: a wide, thin cloud of green and violet gas with
// bright knots, see-through so that the stars shine behind it.
constexpr int NebulaWidth = 760;
constexpr int NebulaHeight = 440;

Rgba nebulaPixel(double x, double y)
{
    double u = x / NebulaWidth, v = y / NebulaHeight;
    double dx = (u - 0.5) / 0.5, dy = (v - 0.5) / 0.5;
    double falloff = clamp01(1.0 - std::sqrt(dx * dx + dy * dy * 1.3));
    double cloud = fractal2(u * 5.0, v * 3.0, 6, 1 << 20, 311);
    double veins = fractal2(u * 11.0 + 4.0, v * 7.0, 4, 1 << 20, 317);
    double density = smoothstep(0.25, 0.7, cloud) * smoothstep(0.0, 0.5, falloff);
    Rgb c = blend(hex(0x3FD9A0), hex(0xA84BE0), smoothstep(0.3, 0.6, veins));
    c = blend(c, hex(0xFF7AC8), 0.5 * smoothstep(0.62, 0.8, veins) * density);
    double knot = smoothstep(0.6, 0.85, cloud * (0.6 + 0.4 * veins));
    c = blend(c, hex(0xE8FFF4), 0.55 * knot);
    return {c, clamp01(0.8 * density + 0.3 * knot * falloff)};
}

} // namespace

Canvas paintPlanet()
{
    Canvas canvas(PlanetCanvas, PlanetCanvas);
    const Globe gasGiant{PlanetCanvas / 2.0, PlanetCanvas / 2.0, PlanetRadius, planetSurface, hex(0xFFB27A),
        hex(0xFFD2A0)};
    canvas.shade([&](double x, double y) { return globePixel(gasGiant, x, y); });
    return canvas;
}

Canvas paintIcePlanet()
{
    Canvas canvas(IceWidth, IceHeight);
    const Globe iceGiant{IceWidth / 2.0, IceHeight / 2.0, IceRadius, iceSurface, hex(0x8ACFFF), hex(0xE2F6FF)};
    iceRing(canvas.cr(), false);
    canvas.shade([&](double x, double y) { return globePixel(iceGiant, x, y); });
    iceRing(canvas.cr(), true);
    return canvas;
}

Canvas paintNebula()
{
    Canvas canvas(NebulaWidth, NebulaHeight);
    canvas.shade(nebulaPixel);
    Rng rng(0x4EB1A);
    for (int i = 0; i < 14; ++i)
        glow(canvas.cr(), rng.range(120, NebulaWidth - 120), rng.range(90, NebulaHeight - 90), rng.range(2, 6),
            hex(0xE8FFF6), rng.range(0.5, 0.9));
    return canvas;
}

} // namespace assetgen
