// The player's fighter and missile, the boss, the boss's beams and the
// bullets. The fighter faces right, the boss faces left.

#include <cmath>

#include "Noise.h"
#include "Palette.h"
#include "Pictures.h"
#include "Rng.h"

namespace assetgen {

namespace {

using namespace palette;

void outline(cairo_t* cr, Rgb c, double alpha, double width)
{
    setColour(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// ---- Player fighter -------------------------------------------------------

void shipWing(cairo_t* cr, double side)
{
    // side = -1 for the upper wing, +1 for the lower one; y mirrored about 32.
    auto Y = [side](double dy) { return 32.0 + side * dy; };
    cairo_new_path(cr);
    cairo_move_to(cr, 46, Y(5));
    cairo_line_to(cr, 27, Y(25));
    cairo_line_to(cr, 21, Y(26));
    cairo_line_to(cr, 22, Y(21));
    cairo_line_to(cr, 27, Y(7));
    cairo_close_path(cr);
}

void shipFlame(cairo_t* cr, double y, double length, double width)
{
    const double x = 19.0;
    ellipseGlow(cr, x - length * 0.45, y, length * 0.8, width * 2.2, hex(0x2E7BFF), 0.7);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_move_to(cr, 0, -width);
    cairo_curve_to(cr, -length * 0.4, -width, -length * 0.8, -width * 0.3, -length, 0);
    cairo_curve_to(cr, -length * 0.8, width * 0.3, -length * 0.4, width, 0, width);
    cairo_close_path(cr);
    setLinear(cr, 0, 0, -length, 0, {{0.0, hex(0xFFFFFF), 1.0}, {0.3, UiCyanLight, 0.95}, {0.7, hex(0x3A8CFF), 0.6}, {1.0, hex(0x3A3CFF), 0.0}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void shipHull(cairo_t* cr)
{
    // Wings first, under the fuselage.
    for (double side : {-1.0, 1.0}) {
        shipWing(cr, side);
        setLinear(cr, 46, 32, 24, 32 + side * 26, {{0.0, HullMid, 1.0}, {0.6, HullDark, 1.0}, {1.0, HullShadow, 1.0}});
        cairo_fill_preserve(cr);
        outline(cr, HullShadow, 1.0, 1.0);
        // Cyan stripe along the leading edge.
        cairo_move_to(cr, 43, 32 + side * 8);
        cairo_line_to(cr, 27, 32 + side * 24);
        outline(cr, UiCyan, 0.9, 1.6);
        // Wing-tip cannons.
        cairo_rectangle(cr, 21, 32 + side * 23.5 - 1.5, 12, 3);
        setColour(cr, HullLight, 1.0);
        cairo_fill(cr);
        glow(cr, 22.5, 32 + side * 23.5, 3.0, UiCyan, 0.8);
    }

    // Engine nacelles.
    for (double y : {26.0, 38.0}) {
        cairo_rectangle(cr, 17, y - 3.5, 10, 7);
        setLinear(cr, 0, y - 3.5, 0, y + 3.5, {{0.0, HullMid, 1.0}, {1.0, HullShadow, 1.0}});
        cairo_fill_preserve(cr);
        outline(cr, HullShadow, 1.0, 0.8);
        cairo_rectangle(cr, 16, y - 2.5, 2, 5);
        setColour(cr, hex(0x0B0F1A), 1.0);
        cairo_fill(cr);
    }

    // Fuselage: a long dart from the engines to the nose.
    cairo_move_to(cr, 63, 32);
    cairo_curve_to(cr, 56, 27.5, 46, 24.5, 34, 24);
    cairo_line_to(cr, 22, 25);
    cairo_line_to(cr, 20, 32);
    cairo_line_to(cr, 22, 39);
    cairo_line_to(cr, 34, 40);
    cairo_curve_to(cr, 46, 39.5, 56, 36.5, 63, 32);
    cairo_close_path(cr);
    setLinear(cr, 0, 24, 0, 40, {{0.0, HullLight, 1.0}, {0.45, HullMid, 1.0}, {1.0, HullShadow, 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, HullShadow, 1.0, 1.0);

    // Spine highlight and panel lines.
    cairo_move_to(cr, 58, 31);
    cairo_curve_to(cr, 50, 28, 40, 27, 24, 27.5);
    outline(cr, hex(0xFFFFFF), 0.6, 1.0);
    for (double x : {30.0, 38.0}) {
        cairo_move_to(cr, x, 25);
        cairo_line_to(cr, x, 39);
        outline(cr, HullShadow, 0.6, 0.7);
    }

    // Canopy.
    ellipsePath(cr, 47, 31.5, 8.5, 3.6);
    setLinear(cr, 0, 28, 0, 35, {{0.0, hex(0xB8FBFF), 1.0}, {0.5, hex(0x2AA8D8), 1.0}, {1.0, hex(0x0A3050), 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, HullShadow, 1.0, 0.8);
    ellipsePath(cr, 49, 30.2, 4.0, 1.1);
    setColour(cr, hex(0xFFFFFF), 0.8);
    cairo_fill(cr);

    // Nose light.
    glow(cr, 61, 32, 3.5, UiCyanLight, 0.7);
}

void shipFrame(cairo_t* cr, int frame)
{
    // Two flame lengths, alternated by the game for a flicker.
    if (frame == 1) {
        shipFlame(cr, 26, 19, 3.0);
        shipFlame(cr, 38, 19, 3.0);
    } else if (frame == 2) {
        shipFlame(cr, 26, 14, 3.4);
        shipFlame(cr, 38, 14, 3.4);
    }
    shipHull(cr);
}

// ---- Missile ---------------------------------------------------------------

// Drawn pointing right; the left-pointing frame is the same mirrored.
void rocketRight(cairo_t* cr)
{
    ellipseGlow(cr, 2.5, 5, 3.0, 2.5, FireOrange, 0.9);
    glow(cr, 3.0, 5, 1.5, FireWhite, 1.0);
    // Fins.
    polygonPath(cr, {4, 5, 8, 3.5, 5, 0.5, 3, 0.5});
    polygonPath(cr, {4, 5, 8, 6.5, 5, 9.5, 3, 9.5});
    setColour(cr, hex(0xB8332A), 1.0);
    cairo_fill(cr);
    // Body.
    cairo_move_to(cr, 4, 3.4);
    cairo_line_to(cr, 13, 3.4);
    cairo_curve_to(cr, 15.5, 3.4, 17.5, 4.3, 17.8, 5);
    cairo_curve_to(cr, 17.5, 5.7, 15.5, 6.6, 13, 6.6);
    cairo_line_to(cr, 4, 6.6);
    cairo_close_path(cr);
    setLinear(cr, 0, 3.4, 0, 6.6, {{0.0, hex(0xFFFFFF), 1.0}, {0.5, HullMid, 1.0}, {1.0, HullDark, 1.0}});
    cairo_fill(cr);
    // Warhead band.
    cairo_rectangle(cr, 12, 3.4, 1.5, 3.2);
    setColour(cr, hex(0xFF4A3A), 1.0);
    cairo_fill(cr);
}

// ---- Boss ------------------------------------------------------------------

constexpr double BossEyeY = 64.0; // the ray leaves the bow at this height
constexpr Rgb BossBase = hex(0x221A2B);
constexpr Rgb BossEdge = hex(0x0E0913);

// Everything of the boss is symmetric about y = 64; `side` is -1 for the
// upper half and +1 for the lower one.
double bossY(double side, double dy) { return BossEyeY + side * dy; }

void bossEngine(cairo_t* cr, double side, double energy)
{
    double y = bossY(side, 37);
    ellipseGlow(cr, 258, y, 12, 9, hex(0xA070FF), 0.35 + 0.5 * energy);
    cairo_rectangle(cr, 196, y - 11, 58, 22);
    setLinear(cr, 0, y - 11, 0, y + 11, {{0.0, BossHullLight, 1.0}, {0.5, BossHull, 1.0}, {1.0, BossBase, 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.2);
    for (double x : {206.0, 216.0, 226.0}) {
        cairo_move_to(cr, x, y - 11);
        cairo_line_to(cr, x, y + 11);
        outline(cr, BossEdge, 0.7, 1.0);
    }
    cairo_rectangle(cr, 252, y - 7, 6, 14);
    setLinear(cr, 252, 0, 258, 0, {{0.0, hex(0x6A4ACF), 1.0}, {1.0, hex(0xE8DCFF), 1.0}});
    cairo_fill(cr);
}

void bossFin(cairo_t* cr, double side, double energy)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 112, bossY(side, 36));
    cairo_line_to(cr, 168, bossY(side, 62));
    cairo_line_to(cr, 206, bossY(side, 62));
    cairo_line_to(cr, 186, bossY(side, 34));
    cairo_close_path(cr);
    setLinear(cr, 0, bossY(side, 62), 0, bossY(side, 34), {{0.0, BossBase, 1.0}, {1.0, BossHull, 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.2);
    cairo_move_to(cr, 170, bossY(side, 60));
    cairo_line_to(cr, 204, bossY(side, 60));
    outline(cr, BossMagenta, 0.5 + 0.5 * energy, 1.5);
}

void bossClaw(cairo_t* cr, double side, double energy)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 96, bossY(side, 30));
    cairo_curve_to(cr, 64, bossY(side, 38), 26, bossY(side, 34), 3, bossY(side, 17));
    cairo_line_to(cr, 9, bossY(side, 12));
    cairo_curve_to(cr, 32, bossY(side, 21), 60, bossY(side, 20), 86, bossY(side, 12));
    cairo_close_path(cr);
    setLinear(cr, 0, bossY(side, 38), 0, bossY(side, 12), {{0.0, BossBase, 1.0}, {1.0, BossHullLight, 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.2);
    // Energy conduits along the claw, brightest at the tip.
    cairo_move_to(cr, 80, bossY(side, 22));
    cairo_curve_to(cr, 56, bossY(side, 26), 30, bossY(side, 24), 9, bossY(side, 16));
    outline(cr, BossMagenta, 0.45 + 0.5 * energy, 1.2);
    glow(cr, 6, bossY(side, 15), 4 + 5 * energy, BossMagenta, 0.6 + 0.4 * energy);
}

void bossHullPath(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 64);
    cairo_line_to(cr, 66, 40);
    cairo_curve_to(cr, 100, 27, 140, 22, 180, 24);
    cairo_line_to(cr, 232, 30);
    cairo_line_to(cr, 250, 48);
    cairo_line_to(cr, 250, 80);
    cairo_line_to(cr, 232, 98);
    cairo_line_to(cr, 180, 104);
    cairo_curve_to(cr, 140, 106, 100, 101, 66, 88);
    cairo_close_path(cr);
}

void bossHull(cairo_t* cr, double energy)
{
    bossHullPath(cr);
    setLinear(cr, 0, 22, 0, 106,
        {{0.0, BossHullLight, 1.0}, {0.3, BossHull, 1.0}, {0.55, BossBase, 1.0}, {1.0, hex(0x120D18), 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.6);

    // Upper armour plate, catching the light, and a darker lower one.
    polygonPath(cr, {70, 44, 110, 32, 180, 28, 228, 34, 238, 48, 176, 46, 110, 52});
    setLinear(cr, 0, 28, 0, 52, {{0.0, hex(0x9C8AB0), 1.0}, {1.0, hex(0x4E4160), 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.0);
    cairo_move_to(cr, 112, 33);
    cairo_line_to(cr, 180, 29.5);
    cairo_line_to(cr, 226, 35);
    outline(cr, hex(0xD8CCE6), 0.6, 1.0);
    polygonPath(cr, {70, 84, 110, 96, 180, 100, 228, 94, 238, 80, 176, 82, 110, 76});
    setLinear(cr, 0, 76, 0, 100, {{0.0, hex(0x3A2F48), 1.0}, {1.0, hex(0x1A131F), 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.0);

    // Panel seams and rows of running lights.
    for (double x : {128.0, 196.0}) {
        cairo_move_to(cr, x, 30);
        cairo_line_to(cr, x - 4, 48);
        cairo_move_to(cr, x, 98);
        cairo_line_to(cr, x - 4, 80);
    }
    outline(cr, BossEdge, 0.9, 1.0);
    for (int i = 0; i < 6; ++i) {
        double x = 96 + i * 14;
        for (double side : {-1.0, 1.0}) {
            double y = bossY(side, 14.5);
            glow(cr, x, y, 3.5, BossMagenta, 0.4 + 0.5 * energy);
            cairo_rectangle(cr, x - 1, y - 1, 2, 2);
            setColour(cr, BossPink, 0.6 + 0.4 * energy);
            cairo_fill(cr);
        }
    }
}

void bossCore(cairo_t* cr, double energy, bool firing)
{
    // The reactor: a glowing eye in an armoured collar.
    const double cx = 176, cy = BossEyeY;
    glow(cr, cx, cy, firing ? 34 : 22, BossMagenta, 0.3 + 0.4 * energy);
    cairo_arc(cr, cx, cy, 16, 0, 2 * M_PI);
    setRadial(cr, cx, cy, 16, {{0.6, hex(0x120D18), 1.0}, {1.0, BossHull, 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.5);
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4.0;
        cairo_move_to(cr, cx + std::cos(a) * 12, cy + std::sin(a) * 12);
        cairo_line_to(cr, cx + std::cos(a) * 15.5, cy + std::sin(a) * 15.5);
    }
    outline(cr, BossMagenta, 0.5 + 0.5 * energy, 1.6);
    cairo_arc(cr, cx, cy, 10, 0, 2 * M_PI);
    setRadial2(cr, cx - 3, cy - 3, 0.5, cx, cy, 10,
        {{0.0, hex(0xFFFFFF), 1.0}, {0.35, BossPink, 1.0}, {0.8, BossMagenta, 1.0}, {1.0, hex(0x5A0A48), 1.0}});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 3.5, 0, 2 * M_PI);
    setColour(cr, firing ? hex(0xFFFFFF) : hex(0x3A0630), 1.0);
    cairo_fill(cr);
}

void bossEmitter(cairo_t* cr, double energy, bool firing)
{
    // Barrel from the hull to the bow, wound with glowing coils.
    cairo_rectangle(cr, 12, BossEyeY - 8, 56, 16);
    setLinear(cr, 0, BossEyeY - 8, 0, BossEyeY + 8,
        {{0.0, BossHullLight, 1.0}, {0.45, BossHull, 1.0}, {1.0, hex(0x120D18), 1.0}});
    cairo_fill_preserve(cr);
    outline(cr, BossEdge, 1.0, 1.2);
    for (double x : {22.0, 31.0, 40.0, 49.0}) {
        if (firing)
            ellipseGlow(cr, x + 1.5, BossEyeY, 6, 12, BossMagenta, 0.6);
        cairo_rectangle(cr, x, BossEyeY - 9, 3, 18);
        setColour(cr, firing ? BossPink : BossMagenta, 0.45 + 0.55 * energy);
        cairo_fill(cr);
    }
    // The lens at the muzzle.
    glow(cr, 8, BossEyeY, firing ? 30 : 13, BossMagenta, firing ? 1.0 : 0.75);
    ellipsePath(cr, 10, BossEyeY, 5, firing ? 10 : 8);
    setRadial(cr, 10, BossEyeY, firing ? 10 : 8, {{0.0, hex(0xFFFFFF), 1.0}, {0.5, BossPink, 1.0}, {1.0, BossMagenta, 1.0}});
    cairo_fill(cr);
    if (firing)
        ellipseGlow(cr, 0, BossEyeY, 16, 13, hex(0xFFFFFF), 0.95);
}

void bossFrame(cairo_t* cr, bool firing)
{
    const double energy = firing ? 1.0 : 0.35;
    for (double side : {-1.0, 1.0}) {
        bossEngine(cr, side, energy);
        bossFin(cr, side, energy);
    }
    bossHull(cr, energy);
    for (double side : {-1.0, 1.0})
        bossClaw(cr, side, energy);
    bossCore(cr, energy, firing);
    bossEmitter(cr, energy, firing);
}

} // namespace

void drawShip(cairo_t* cr, int frame)
{
    shipFrame(cr, frame);
}

Canvas paintShip()
{
    Canvas canvas(64 * 3, 64);
    paintStrip(canvas, 64, 3, drawShip);
    return canvas;
}

Canvas paintRocket()
{
    Canvas canvas(36, 10);
    paintStrip(canvas, 18, 2, [](cairo_t* cr, int frame) {
        if (frame == 0) {
            // Frame 0 is shown while flying left.
            cairo_translate(cr, 18, 0);
            cairo_scale(cr, -1, 1);
        }
        rocketRight(cr);
    });
    return canvas;
}

Canvas paintBoss()
{
    Canvas canvas(520, 127);
    paintStrip(canvas, 260, 2, [](cairo_t* cr, int frame) { bossFrame(cr, frame == 1); });
    return canvas;
}

Canvas paintChargingBeam()
{
    // A jagged arc; both ends sit on the middle line so the eight copies the
    // boss lays end to end join up.
    Canvas canvas(100, 6);
    cairo_t* cr = canvas.cr();
    Rng rng(0xBEA3);
    cairo_rectangle(cr, 0, 2, 100, 2);
    setLinear(cr, 0, 2, 0, 4, {{0.0, BossMagenta, 0.2}, {0.5, BossMagenta, 0.5}, {1.0, BossMagenta, 0.2}});
    cairo_fill(cr);
    for (int strand = 0; strand < 2; ++strand) {
        cairo_move_to(cr, 0, 3);
        for (int x = 5; x < 100; x += 5)
            cairo_line_to(cr, x, 3 + rng.range(-2.4, 2.4));
        cairo_line_to(cr, 100, 3);
        setColour(cr, strand == 0 ? BossMagenta : BossPink, strand == 0 ? 0.7 : 1.0);
        cairo_set_line_width(cr, strand == 0 ? 2.0 : 0.9);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL);
        cairo_stroke(cr);
    }
    return canvas;
}

Canvas paintRay()
{
    // 75 x 22, periodic in x so sixteen copies make one unbroken beam.
    Canvas canvas(75, 22);
    canvas.shade([](double x, double y) {
        double v = std::abs(y - 11.0) / 11.0; // 0 at the axis, 1 at the edge
        double phase = 2.0 * M_PI * x / 75.0;
        double ripple = 0.5 + 0.5 * std::sin(phase * 3.0);
        double width = 0.22 + 0.05 * std::sin(phase * 2.0 + 1.0);
        double core = std::exp(-std::pow(v / width, 2.0) * 2.0);
        double halo = std::exp(-v * v * 4.0) * (0.75 + 0.25 * ripple);
        double edge = smoothstep(0.95, 0.72, v); // fades out before the top and bottom rows
        Rgb c = blend(BossMagenta, BossPink, clamp01(halo * 0.8));
        c = blend(c, hex(0xFFFFFF), core);
        return Rgba{c, clamp01((0.35 * halo + core) * edge + 0.55 * halo * edge)};
    });
    return canvas;
}

Canvas paintBullet(bool green)
{
    // A plasma bolt, symmetric so it reads the same flying either way.
    Canvas canvas(16, 16);
    cairo_t* cr = canvas.cr();
    Rgb outer = green ? AcidGreen : hex(0xFF3B2A);
    Rgb inner = green ? hex(0xE4FFC8) : hex(0xFFD0A0);
    ellipseGlow(cr, 8, 8, 8, 6.5, outer, 0.8);
    ellipseGlow(cr, 8, 8, 6.5, 3.8, outer, 1.0);
    ellipsePath(cr, 8, 8, 5.0, 2.3);
    setRadial(cr, 8, 8, 5.0, {{0.0, hex(0xFFFFFF), 1.0}, {0.6, inner, 1.0}, {1.0, inner, 0.7}});
    cairo_fill(cr);
    return canvas;
}

} // namespace assetgen
