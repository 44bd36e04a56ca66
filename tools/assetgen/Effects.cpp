// Explosions, the missile's smoke puff and the money pickups.

#include <cmath>
#include <vector>

#include "Noise.h"
#include "Palette.h"
#include "Pictures.h"
#include "Rng.h"

namespace assetgen {

namespace {

using namespace palette;

// Temperature of burning gas, 0 = cold smoke, 1 = white hot.
Rgb fireColour(double heat)
{
    static constexpr Rgb ramp[] = {SmokeDark, FireRed, FireOrange, FireYellow, FireWhite};
    double p = clamp01(heat) * 4.0;
    int i = std::min(3, static_cast<int>(p));
    return blend(ramp[i], ramp[i + 1], p - i);
}

struct Blob {
    double angle, distance, size, heat;
};

struct Spark {
    double angle, speed, length;
};

// One fireball: hot blobs thrown outward that cool into smoke, sparks and
// an initial flash. The same blobs are followed through every frame, so the
// animation holds together instead of flickering between random frames.
class Fireball {
public:
    Fireball(double radius, unsigned seed)
        : radius_(radius)
    {
        Rng rng(seed);
        for (int i = 0; i < 11; ++i)
            blobs_.push_back({rng.range(0, 2 * M_PI), rng.range(0.1, 0.6), rng.range(0.35, 0.6), rng.range(0.85, 1.1)});
        // Sparks spread evenly round the circle, each jittered a little.
        const int sparks = 10;
        for (int i = 0; i < sparks; ++i)
            sparks_.push_back({(i + rng.range(-0.35, 0.35)) * 2 * M_PI / sparks, rng.range(0.7, 1.0), rng.range(0.12, 0.25)});
    }

    void draw(cairo_t* cr, double cx, double cy, double t) const
    {
        flash(cr, cx, cy, t);
        smoke(cr, cx, cy, t);
        fire(cr, cx, cy, t);
        drawSparks(cr, cx, cy, t);
    }

private:
    void flash(cairo_t* cr, double cx, double cy, double t) const
    {
        if (t < 0.3)
            glow(cr, cx, cy, radius_ * (0.9 + 1.2 * t), FireWhite, 1.0 - t / 0.3);
    }

    void smoke(cairo_t* cr, double cx, double cy, double t) const
    {
        double a = smoothstep(0.25, 0.5, t) * (1.0 - smoothstep(0.6, 1.0, t));
        if (a <= 0.0)
            return;
        for (const Blob& b : blobs_) {
            double d = radius_ * b.distance * (0.6 + 0.7 * t);
            double x = cx + std::cos(b.angle) * d, y = cy + std::sin(b.angle) * d;
            glow(cr, x, y, radius_ * b.size * (0.8 + 0.6 * t), SmokeDark, 0.7 * a);
        }
    }

    void fire(cairo_t* cr, double cx, double cy, double t) const
    {
        double fade = 1.0 - smoothstep(0.45, 0.9, t);
        if (fade <= 0.0)
            return;
        double spread = 1.0 - std::pow(1.0 - t, 2.5); // fast out, slow settle
        for (const Blob& b : blobs_) {
            double d = radius_ * b.distance * spread;
            double x = cx + std::cos(b.angle) * d, y = cy + std::sin(b.angle) * d;
            double r = radius_ * b.size * (0.55 + 0.7 * spread);
            double heat = b.heat * (1.0 - 0.95 * t);
            setRadial(cr, x, y, r,
                {{0.0, fireColour(heat + 0.15), fade}, {0.45, fireColour(heat), 0.85 * fade},
                    {1.0, fireColour(heat - 0.3), 0.0}});
            cairo_arc(cr, x, y, r, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }

    void drawSparks(cairo_t* cr, double cx, double cy, double t) const
    {
        double a = 1.0 - smoothstep(0.3, 0.7, t);
        if (a <= 0.0)
            return;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (const Spark& s : sparks_) {
            double d = radius_ * (0.2 + 1.1 * s.speed * std::sqrt(t));
            double l = radius_ * s.length;
            double ca = std::cos(s.angle), sa = std::sin(s.angle);
            cairo_move_to(cr, cx + ca * (d - l), cy + sa * (d - l));
            cairo_line_to(cr, cx + ca * d, cy + sa * d);
            setColour(cr, FireYellow, a);
            cairo_set_line_width(cr, std::max(0.8, radius_ * 0.06));
            cairo_stroke(cr);
        }
    }

    double radius_;
    std::vector<Blob> blobs_;
    std::vector<Spark> sparks_;
};

void sparkBurstFrame(cairo_t* cr, int frame)
{
    // A bullet hit: a hot flash and a spray of sparks that fly off and cool.
    const double c = 10.5;
    const double t = frame / 6.0;
    glow(cr, c, c, 5 + 6 * t, FireOrange, 0.8 * (1.0 - t));
    if (frame < 3)
        glow(cr, c, c, 6.0 - 1.5 * frame, FireWhite, 1.0 - 0.25 * frame);
    Rng rng(0x5A4C);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 8; ++i) {
        double angle = (i + rng.range(-0.3, 0.3)) * M_PI / 4.0;
        double speed = rng.range(0.7, 1.0);
        double r1 = 2.0 + 8.0 * speed * std::sqrt(t), r0 = std::max(0.0, r1 - 3.0 * (1.0 - t) - 0.5);
        cairo_move_to(cr, c + std::cos(angle) * r0, c + std::sin(angle) * r0);
        cairo_line_to(cr, c + std::cos(angle) * r1, c + std::sin(angle) * r1);
        setColour(cr, fireColour(1.0 - 0.6 * t), 1.0 - t * 0.85);
        cairo_set_line_width(cr, 1.3 - 0.5 * t);
        cairo_stroke(cr);
    }
}

// A glint: four-pointed twinkle used on the pickups.
void twinkle(cairo_t* cr, double x, double y, double r, double alpha)
{
    polygonPath(cr, {x, y - r, x + r * 0.22, y - r * 0.22, x + r, y, x + r * 0.22, y + r * 0.22, x, y + r,
                        x - r * 0.22, y + r * 0.22, x - r, y, x - r * 0.22, y - r * 0.22});
    setColour(cr, hex(0xFFFFFF), alpha);
    cairo_fill(cr);
}

void coin(cairo_t* cr)
{
    glow(cr, 10, 10, 10, FireYellow, 0.35);
    cairo_arc(cr, 10, 10, 7.2, 0, 2 * M_PI);
    setRadial2(cr, 8, 7.5, 0.5, 10, 10, 7.5,
        {{0.0, hex(0xFFF6C8), 1.0}, {0.4, hex(0xF7C948), 1.0}, {1.0, hex(0xA8641A), 1.0}});
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x6B3A0C), 1.0);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_arc(cr, 10, 10, 4.8, 0, 2 * M_PI);
    setColour(cr, hex(0x8A5412), 0.7);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // Embossed diamond in the middle.
    polygonPath(cr, {10, 7, 12.5, 10, 10, 13, 7.5, 10});
    setLinear(cr, 7.5, 7, 12.5, 13, {{0.0, hex(0xFFF1B0), 1.0}, {1.0, hex(0xC07A1C), 1.0}});
    cairo_fill(cr);
    twinkle(cr, 6.5, 6, 2.5, 0.9);
}

// Cut gem seen from above: an octagon outline, a flat table and facets.
void gem(cairo_t* cr, Rgb light, Rgb mid, Rgb dark, double glowAlpha, double size)
{
    const double c = 10.0;
    glow(cr, c, c, 10, mid, glowAlpha);
    double r = size, t = size * 0.45;
    double outer[8][2], inner[8][2];
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4.0 + M_PI / 8.0;
        outer[i][0] = c + std::cos(a) * r, outer[i][1] = c + std::sin(a) * r;
        inner[i][0] = c + std::cos(a) * t, inner[i][1] = c + std::sin(a) * t;
    }
    for (int i = 0; i < 8; ++i) {
        int j = (i + 1) % 8;
        cairo_move_to(cr, outer[i][0], outer[i][1]);
        cairo_line_to(cr, outer[j][0], outer[j][1]);
        cairo_line_to(cr, inner[j][0], inner[j][1]);
        cairo_line_to(cr, inner[i][0], inner[i][1]);
        cairo_close_path(cr);
        // Facets toward the upper left catch the light.
        double a = (i + 0.5) * M_PI / 4.0 + M_PI / 8.0;
        double lit = 0.5 + 0.5 * std::cos(a - 1.25 * M_PI);
        setColour(cr, blend(dark, light, lit), 1.0);
        cairo_fill(cr);
    }
    cairo_move_to(cr, inner[0][0], inner[0][1]);
    for (int i = 1; i < 8; ++i)
        cairo_line_to(cr, inner[i][0], inner[i][1]);
    cairo_close_path(cr);
    setLinear(cr, c - t, c - t, c + t, c + t, {{0.0, light, 1.0}, {1.0, mid, 1.0}});
    cairo_fill(cr);
    cairo_move_to(cr, outer[0][0], outer[0][1]);
    for (int i = 1; i < 8; ++i)
        cairo_line_to(cr, outer[i][0], outer[i][1]);
    cairo_close_path(cr);
    setColour(cr, scaled(dark, 0.6), 1.0);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

} // namespace

Canvas paintExplosion(int frameWidth, int frameHeight, int frames, unsigned seed)
{
    Canvas canvas(frameWidth * frames, frameHeight);
    Fireball ball(std::min(frameWidth, frameHeight) / 2.0 - 1.0, seed);
    paintStrip(canvas, frameWidth, frames, [&](cairo_t* cr, int frame) {
        ball.draw(cr, frameWidth / 2.0, frameHeight / 2.0, frame / static_cast<double>(frames - 1));
    });
    return canvas;
}

Canvas paintSparkBurst()
{
    Canvas canvas(21 * 7, 21);
    paintStrip(canvas, 21, 7, sparkBurstFrame);
    return canvas;
}

Canvas paintSmoke()
{
    Canvas canvas(10, 10);
    cairo_t* cr = canvas.cr();
    glow(canvas.cr(), 5, 5, 5, hex(0xB8B4B0), 0.75);
    glow(cr, 4.2, 4.2, 2.5, hex(0xFFF0E0), 0.35);
    return canvas;
}

Canvas paintMoney(int tier)
{
    Canvas canvas(20, 20);
    cairo_t* cr = canvas.cr();
    switch (tier) {
    case 0:
        coin(cr);
        break;
    case 1:
        gem(cr, hex(0xC8FFD8), hex(0x2FD86A), hex(0x0A5A2A), 0.45, 7.5);
        twinkle(cr, 6.5, 6.5, 3.0, 0.9);
        break;
    default:
        gem(cr, hex(0xFFE0FF), hex(0xD05CFF), hex(0x4A1070), 0.7, 8.5);
        twinkle(cr, 6, 6, 4.0, 1.0);
        twinkle(cr, 14.5, 13.5, 2.5, 0.8);
        break;
    }
    return canvas;
}

} // namespace assetgen
