// The desktop icon: the player's fighter on a dark rounded tile. From 48 px
// up it is the fighter exactly as the game paints it, climbing past a few
// stars; below that its panel lines and thin wings would blur into grey, so
// 16 and 32 px get a bolder silhouette of the same craft.

#include <cmath>

#include "Palette.h"
#include "Pictures.h"
#include "Rng.h"

namespace assetgen {

namespace {

using namespace palette;

void roundedSquare(cairo_t* cr, double x, double size, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + size - radius, x + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + size - radius, x + size - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, x + size - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, x + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void tile(cairo_t* cr, double size)
{
    const double rim = std::max(1.0, size / 64.0);
    const double inset = rim / 2;
    roundedSquare(cr, inset, size - 2 * inset, size * 0.2);
    setLinear(cr, 0, 0, 0, size, {{0.0, SpaceBlue, 1.0}, {1.0, SpaceDeep, 1.0}});
    cairo_fill_preserve(cr);
    setColour(cr, UiCyan, 0.55);
    cairo_set_line_width(cr, rim);
    cairo_stroke(cr);
}

void stars(cairo_t* cr, double size)
{
    Rng rng(0x1C0);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(0.12, 0.88) * size, y = rng.range(0.12, 0.88) * size;
        glow(cr, x, y, size * rng.range(0.008, 0.02), UiWhite, rng.range(0.4, 0.9));
    }
}

// The fighter's outline with thicker wings, in its 64 x 64 frame. All three
// parts run the same way round, so that where they overlap they still fill.
void boldHullPath(cairo_t* cr)
{
    cairo_new_path(cr);
    polygonPath(cr, {48, 27, 28, 4, 18, 4, 21, 27});
    polygonPath(cr, {48, 37, 21, 37, 18, 60, 28, 60});
    polygonPath(cr, {63, 32, 36, 22, 19, 23, 16, 32, 19, 41, 36, 42});
}

void boldFighter(cairo_t* cr)
{
    polygonPath(cr, {19, 24, 1, 32, 19, 40});
    setLinear(cr, 19, 0, 1, 0, {{0.0, hex(0xFFFFFF), 1.0}, {0.4, UiCyanLight, 1.0}, {1.0, hex(0x3A8CFF), 0.2}});
    cairo_fill(cr);

    boldHullPath(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, hex(0x05070D), 1.0);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    setLinear(cr, 0, 4, 0, 60, {{0.0, HullLight, 1.0}, {0.6, HullLight, 1.0}, {1.0, HullMid, 1.0}});
    cairo_fill(cr);

    // The cyan leading edges and the canopy, the colours that make it the
    // player's ship in the game.
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 44, 32 + side * 6);
        cairo_line_to(cr, 28, 32 + side * 23);
    }
    setColour(cr, UiCyan, 1.0);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    ellipsePath(cr, 45, 32, 9, 4.5);
    setLinear(cr, 0, 27.5, 0, 36.5, {{0.0, hex(0x7FE8FF), 1.0}, {0.5, hex(0x2AA8D8), 1.0}, {1.0, hex(0x0A3050), 1.0}});
    cairo_fill(cr);
}

} // namespace

Canvas paintIcon(int size)
{
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    tile(cr, size);
    cairo_save(cr);
    if (size >= 48) {
        stars(cr, size);
        // Climbing slightly, centred on the tile, wings clear of the rim.
        cairo_translate(cr, size / 2.0, size / 2.0);
        cairo_rotate(cr, -M_PI / 9);
        cairo_scale(cr, size / 80.0, size / 80.0);
        cairo_translate(cr, -34, -32);
        drawShip(cr, 1);
    } else {
        const double margin = size * 0.05;
        cairo_translate(cr, margin, margin);
        cairo_scale(cr, (size - 2 * margin) / 64.0, (size - 2 * margin) / 64.0);
        boldFighter(cr);
    }
    cairo_restore(cr);
    return canvas;
}

} // namespace assetgen
