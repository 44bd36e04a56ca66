// Asteroids, the floating mine and the insect swarm. The asteroids are lit
// per pixel from a height field; the rest is vector work.

#include <cmath>
#include <vector>

#include "Noise.h"
#include "Palette.h"
#include "Pictures.h"
#include "Rng.h"

namespace assetgen {

namespace {

using namespace palette;

// ---- Asteroids -------------------------------------------------------------

struct Crater {
    double x, y, radius, depth;
};

struct Vec {
    double x, y, z;
};

class RockShape {
public:
    RockShape(int size, unsigned seed)
        : centre_(size / 2.0)
        , radius_(size / 2.0 - 1.5)
        , seed_(seed)
    {
        Rng rng(seed);
        int count = size > 80 ? 9 : size > 50 ? 6 : 3;
        for (int i = 0; i < count; ++i) {
            double a = rng.range(0, 2 * M_PI), d = std::sqrt(rng.unit()) * 0.65;
            craters_.push_back({centre_ + std::cos(a) * d * radius_, centre_ + std::sin(a) * d * radius_,
                radius_ * rng.range(0.1, 0.28), rng.range(0.5, 0.9)});
        }
    }

    // Lumpy outline: noise that wraps once around the circle.
    double outline(double angle) const
    {
        double u = angle / (2 * M_PI) * 6.0;
        return radius_ * (0.74 + 0.26 * fractal2(u, 0.5, 3, 6, seed_));
    }

    // Surface relief on top of the round body: rolling bumps and craters
    // (a bowl with a raised rim), in pixels.
    double relief(double x, double y) const
    {
        double h = (fractal2(x / 10.0, y / 10.0, 4, 0, seed_ + 5) - 0.5) * radius_ * 0.12;
        for (const Crater& c : craters_) {
            double k = std::hypot(x - c.x, y - c.y) / c.radius;
            if (k < 1.0)
                h -= c.depth * c.radius * 0.5 * (1.0 - k * k);
            h += 0.18 * c.radius * std::exp(-std::pow((k - 1.0) / 0.3, 2.0));
        }
        return h;
    }

    Rgba pixel(double x, double y) const
    {
        double dx = x - centre_, dy = y - centre_;
        double d = std::sqrt(dx * dx + dy * dy);
        double edge = outline(std::atan2(dy, dx));
        double alpha = clamp01(edge - d + 0.5);
        if (alpha <= 0.0)
            return {{0, 0, 0}, 0.0};
        // Normal of an ellipsoid-like body, tilted by the relief's slope.
        double q = std::min(d / edge, 0.985);
        double bodyZ = std::sqrt(1.0 - q * q);
        Vec n{dx / edge, dy / edge, bodyZ};
        n.x += (relief(x - 0.7, y) - relief(x + 0.7, y)) * 0.35;
        n.y += (relief(x, y - 0.7) - relief(x, y + 0.7)) * 0.35;
        double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        n = {n.x / len, n.y / len, n.z / len};

        double diffuse = std::max(0.0, -0.55 * n.x - 0.5 * n.y + 0.67 * n.z);
        double tone = fractal2(x / 16.0 + 3.0, y / 16.0, 3, 0, seed_ + 9);
        Rgb base = blend(hex(0x5E5049), hex(0x9E8D7C), smoothstep(0.25, 0.75, tone));
        Rgb c = scaled(base, 0.16 + 1.05 * std::pow(diffuse, 1.2));
        // Cool rim light from behind keeps the dark side off the black sky.
        double rim = std::pow(clamp01(1.0 - n.z), 2.0) * clamp01(0.7 * n.x + 0.6 * n.y);
        c = blend(c, hex(0x7FB4D6), 0.5 * rim);
        return {c, alpha};
    }

private:
    double centre_;
    double radius_;
    unsigned seed_;
    std::vector<Crater> craters_;
};

// ---- Swarm -----------------------------------------------------------------

void bugLeg(cairo_t* cr, double x, double y, double kx, double ky, double fx, double fy, double width)
{
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, kx, ky);
    cairo_line_to(cr, fx, fy);
    setColour(cr, hex(0x12061A), 1.0);
    cairo_set_line_width(cr, width + 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, BugLight, 1.0);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void carapace(cairo_t* cr, double x, double y, double rx, double ry)
{
    ellipsePath(cr, x, y, rx, ry);
    setRadial2(cr, x - rx * 0.35, y - ry * 0.45, 0.5, x, y, std::max(rx, ry) * 1.1,
        {{0.0, hex(0xE3B5FF), 1.0}, {0.3, BugLight, 1.0}, {0.7, BugViolet, 1.0}, {1.0, BugDark, 1.0}});
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x12061A), 1.0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void bugWing(cairo_t* cr, double x, double y, double length, double width, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    ellipsePath(cr, length / 2.0, 0, length / 2.0, width / 2.0);
    setLinear(cr, 0, 0, length, 0, {{0.0, hex(0xE7D8FF), 0.55}, {1.0, hex(0x9FE6FF), 0.2}});
    cairo_fill_preserve(cr);
    setColour(cr, hex(0xF4EEFF), 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // Veins.
    cairo_move_to(cr, 1, 0);
    cairo_line_to(cr, length * 0.9, 0);
    cairo_move_to(cr, length * 0.3, 0);
    cairo_line_to(cr, length * 0.6, -width * 0.3);
    cairo_move_to(cr, length * 0.4, 0);
    cairo_line_to(cr, length * 0.75, width * 0.3);
    setColour(cr, hex(0xF4EEFF), 0.4);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void glowingEye(cairo_t* cr, double x, double y, double r)
{
    glow(cr, x, y, r * 2.6, AcidGreen, 0.55);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    setRadial(cr, x - r * 0.3, y - r * 0.3, r, {{0.0, hex(0xF4FFE0), 1.0}, {0.5, AcidGreen, 1.0}, {1.0, hex(0x3F7A10), 1.0}});
    cairo_fill(cr);
}

void mandible(cairo_t* cr, double side)
{
    double y = 32 + side * 4.5;
    cairo_move_to(cr, 8, y);
    cairo_curve_to(cr, 3, y + side * 2, 1, y - side * 1, 2, y - side * 4);
    cairo_curve_to(cr, 3.5, y - side * 1.5, 6, y - side * 0.5, 9, y - side * 1.5);
    cairo_close_path(cr);
    setColour(cr, hex(0x2A1038), 1.0);
    cairo_fill_preserve(cr);
    setColour(cr, AcidGreen, 0.6);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
}

} // namespace

Canvas paintRock(int size, unsigned seed)
{
    Canvas canvas(size, size);
    RockShape shape(size, seed);
    canvas.shade([&shape](double x, double y) { return shape.pixel(x, y); });
    return canvas;
}

Canvas paintMine()
{
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    const double c = 32.0;
    glow(cr, c, c, 31, hex(0xFF2A2A), 0.22);

    // Spikes with hot tips, under the shell.
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4.0 + M_PI / 8.0;
        double ca = std::cos(a), sa = std::sin(a);
        double px = -sa, py = ca;
        polygonPath(cr, {c + ca * 12 + px * 3.5, c + sa * 12 + py * 3.5, c + ca * 25, c + sa * 25,
                            c + ca * 12 - px * 3.5, c + sa * 12 - py * 3.5});
        setLinear(cr, c + px * 3.5, c + py * 3.5, c - px * 3.5, c - py * 3.5,
            {{0.0, hex(0xB4BDCB), 1.0}, {1.0, hex(0x2A303C), 1.0}});
        cairo_fill_preserve(cr);
        setColour(cr, hex(0x0C0F15), 1.0);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        glow(cr, c + ca * 25.5, c + sa * 25.5, 4.5, hex(0xFF4A3A), 0.9);
        cairo_arc(cr, c + ca * 25, c + sa * 25, 1.6, 0, 2 * M_PI);
        setColour(cr, hex(0xFFD0C0), 1.0);
        cairo_fill(cr);
    }

    // Metal shell.
    cairo_arc(cr, c, c, 15, 0, 2 * M_PI);
    setRadial2(cr, c - 5, c - 6, 1, c, c, 16,
        {{0.0, hex(0xE4EAF2), 1.0}, {0.3, hex(0x8893A6), 1.0}, {0.75, hex(0x3A4252), 1.0}, {1.0, hex(0x151922), 1.0}});
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x0C0F15), 1.0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    // Equator band with warning lights.
    ellipsePath(cr, c, c, 15, 4.5);
    setColour(cr, hex(0x1B1F29), 0.9);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    for (double x : {-10.0, 0.0, 10.0}) {
        double y = c + 4.5 * std::sqrt(1.0 - (x / 15.0) * (x / 15.0));
        glow(cr, c + x, y, 3.5, hex(0xFF3A2A), 0.9);
    }

    // Red sensor eye.
    glow(cr, c, c - 3, 9, hex(0xFF2A2A), 0.7);
    cairo_arc(cr, c, c - 3, 3.6, 0, 2 * M_PI);
    setRadial(cr, c - 1, c - 4, 3.6, {{0.0, hex(0xFFFFFF), 1.0}, {0.4, hex(0xFF7A6A), 1.0}, {1.0, hex(0xA01010), 1.0}});
    cairo_fill(cr);
    return canvas;
}

Canvas paintBigBug()
{
    // The swarm mother, seen from above, heading left.
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();

    for (double side : {-1.0, 1.0}) {
        bugLeg(cr, 24, 32 + side * 5, 20, 32 + side * 14, 13, 32 + side * 19, 1.8);
        bugLeg(cr, 27, 32 + side * 6, 29, 32 + side * 16, 26, 32 + side * 24, 1.8);
        bugLeg(cr, 30, 32 + side * 5, 38, 32 + side * 14, 40, 32 + side * 22, 1.8);
    }

    // Abdomen, segmented, with glowing acid bands.
    carapace(cr, 43, 32, 18, 12.5);
    for (double x : {36.0, 43.0, 50.0}) {
        double h = 12.5 * std::sqrt(1.0 - std::pow((x - 43.0) / 18.0, 2.0));
        cairo_move_to(cr, x, 32 - h + 1);
        cairo_curve_to(cr, x + 2.5, 32 - h * 0.4, x + 2.5, 32 + h * 0.4, x, 32 + h - 1);
        setColour(cr, hex(0x12061A), 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    for (double x : {39.5, 46.5})
        ellipseGlow(cr, x + 1, 32, 2.2, 7, AcidGreen, 0.85);
    glow(cr, 58, 32, 5, AcidGreen, 0.6);

    carapace(cr, 24, 32, 8, 8.5);
    carapace(cr, 12.5, 32, 7, 7.5);
    mandible(cr, -1.0);
    mandible(cr, 1.0);
    glowingEye(cr, 10.5, 27.5, 2.6);
    glowingEye(cr, 10.5, 36.5, 2.6);

    // Translucent wings folded back over the abdomen.
    bugWing(cr, 26, 29, 28, 9, -0.42);
    bugWing(cr, 26, 35, 28, 9, 0.42);
    return canvas;
}

Canvas paintSmallBug()
{
    // A drone of the swarm: the mother's shape, reduced to what reads at 20 px.
    Canvas canvas(20, 20);
    cairo_t* cr = canvas.cr();
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 8, 10 + side * 2);
        cairo_line_to(cr, 6, 10 + side * 6);
        cairo_line_to(cr, 3, 10 + side * 8);
        cairo_move_to(cr, 10, 10 + side * 2);
        cairo_line_to(cr, 12, 10 + side * 7);
        setColour(cr, hex(0x12061A), 1.0);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    carapace(cr, 13, 10, 6, 4.3);
    carapace(cr, 6, 10, 3.6, 3.6);
    glowingEye(cr, 4.5, 8.2, 1.2);
    glowingEye(cr, 4.5, 11.8, 1.2);
    ellipseGlow(cr, 14, 10, 1.2, 3.0, AcidGreen, 0.8);
    bugWing(cr, 8, 9, 10, 4, -0.55);
    bugWing(cr, 8, 11, 10, 4, 0.55);
    return canvas;
}

} // namespace assetgen
