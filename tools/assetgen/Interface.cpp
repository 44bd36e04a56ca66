// Menu and overlay buttons, the shop buttons, the HUD panel and its bar
// segments. Everything shares the chamfered, cyan-edged panel look.

#include <cmath>

#include "Palette.h"
#include "Pictures.h"

namespace assetgen {

namespace {

using namespace palette;

// Layered strokes of falling alpha give a cheap outer glow along a path.
void strokeGlow(cairo_t* cr, Rgb c, double alpha, double maxWidth)
{
    for (double w = maxWidth; w >= 1.0; w *= 0.6) {
        setColour(cr, c, alpha * (1.0 - w / (maxWidth + 1.0)) * 0.6);
        cairo_set_line_width(cr, w);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

void menuButtonFrame(cairo_t* cr, const std::string& label, double w, double bodyHeight, double labelSize, bool lit)
{
    const double x = 6.5, y = 6.5, bw = w - 13.0, bh = bodyHeight;
    const double cut = 12.0;

    chamferPath(cr, x, y, bw, bh, cut);
    strokeGlow(cr, lit ? UiCyanLight : UiCyan, lit ? 0.9 : 0.35, lit ? 12.0 : 7.0);

    chamferPath(cr, x, y, bw, bh, cut);
    if (lit)
        setLinear(cr, 0, y, 0, y + bh, {{0.0, hex(0x2A9CC8), 0.95}, {0.5, hex(0x0F4C72), 0.95}, {1.0, hex(0x0A2B48), 0.95}});
    else
        setLinear(cr, 0, y, 0, y + bh, {{0.0, UiMid, 0.92}, {0.55, UiDark, 0.92}, {1.0, hex(0x040A14), 0.94}});
    cairo_fill(cr);

    // Glass sheen over the upper half.
    chamferPath(cr, x, y, bw, bh * 0.48, cut);
    setLinear(cr, 0, y, 0, y + bh * 0.48, {{0.0, UiWhite, lit ? 0.22 : 0.10}, {1.0, UiWhite, 0.0}});
    cairo_fill(cr);

    // Fine scan lines, the panel's "screen" texture.
    setColour(cr, UiCyan, lit ? 0.08 : 0.05);
    for (double sy = y + 3; sy < y + bh - 2; sy += 3) {
        cairo_rectangle(cr, x + 3, sy, bw - 6, 1);
    }
    cairo_fill(cr);

    // Double border: crisp outer edge, faint inner one.
    chamferPath(cr, x, y, bw, bh, cut);
    setColour(cr, lit ? UiWhite : UiCyan, lit ? 1.0 : 0.85);
    cairo_set_line_width(cr, lit ? 2.0 : 1.5);
    cairo_stroke(cr);
    chamferPath(cr, x + 4, y + 4, bw - 8, bh - 8, cut - 2.5);
    setColour(cr, UiCyanLight, lit ? 0.45 : 0.22);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    // Bright corner brackets on the two square corners.
    setColour(cr, lit ? UiWhite : UiCyanLight, 1.0);
    cairo_set_line_width(cr, 2.0);
    cairo_move_to(cr, x + bw - 14, y);
    cairo_line_to(cr, x + bw, y);
    cairo_line_to(cr, x + bw, y + 10);
    cairo_move_to(cr, x, y + bh - 10);
    cairo_line_to(cr, x, y + bh);
    cairo_line_to(cr, x + 14, y + bh);
    cairo_stroke(cr);

    // Small arrow heads either side of the label.
    double cy = y + bh / 2.0;
    setColour(cr, lit ? UiWhite : UiCyan, lit ? 0.95 : 0.6);
    polygonPath(cr, {x + 10, cy - 5, x + 16, cy, x + 10, cy + 5});
    polygonPath(cr, {x + bw - 10, cy - 5, x + bw - 16, cy, x + bw - 10, cy + 5});
    cairo_fill(cr);

    textPath(cr, label, labelSize, x + bw / 2.0, cy);
    strokeGlow(cr, lit ? UiCyanLight : UiCyan, lit ? 0.9 : 0.45, lit ? 8.0 : 5.0);
    textPath(cr, label, labelSize, x + bw / 2.0, cy);
    setLinear(cr, 0, cy - 10, 0, cy + 10, {{0.0, UiWhite, 1.0}, {1.0, lit ? UiWhite : UiCyanLight, 1.0}});
    cairo_fill(cr);
}

enum class ShopState { Unavailable, Available, SoldOut };

void shopButtonFrame(cairo_t* cr, const std::string& letter, ShopState state)
{
    const double x = 1.5, y = 1.5, s = 22.0, cut = 5.0;
    Rgb top, bottom, edge, ink;
    switch (state) {
    case ShopState::Unavailable:
        top = hex(0x252B35), bottom = hex(0x12161C), edge = hex(0x4A5362), ink = hex(0x69727F);
        break;
    case ShopState::Available:
        top = hex(0x23A8D6), bottom = hex(0x0B3A5C), edge = UiCyanLight, ink = UiWhite;
        break;
    case ShopState::SoldOut:
        top = hex(0x3A1B20), bottom = hex(0x1A0A0D), edge = hex(0x8A3434), ink = hex(0x9A5A5A);
        break;
    }
    if (state == ShopState::Available) {
        chamferPath(cr, x, y, s, s, cut);
        strokeGlow(cr, UiCyan, 0.8, 4.0);
    }
    chamferPath(cr, x, y, s, s, cut);
    setLinear(cr, 0, y, 0, y + s, {{0.0, top, 1.0}, {1.0, bottom, 1.0}});
    cairo_fill(cr);
    chamferPath(cr, x, y, s, s * 0.45, cut);
    setLinear(cr, 0, y, 0, y + s * 0.45, {{0.0, UiWhite, 0.18}, {1.0, UiWhite, 0.0}});
    cairo_fill(cr);
    chamferPath(cr, x, y, s, s, cut);
    setColour(cr, edge, 1.0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    double c = x + s / 2.0;
    if (state == ShopState::Available) {
        textPath(cr, letter, 15.0, c, c);
        strokeGlow(cr, UiCyanLight, 0.8, 3.0);
    }
    textPath(cr, letter, 15.0, c, c);
    setColour(cr, ink, 1.0);
    cairo_fill(cr);
    if (state == ShopState::SoldOut) {
        // Struck through: nothing left to buy.
        cairo_move_to(cr, x + 4, y + s - 4);
        cairo_line_to(cr, x + s - 4, y + 4);
        setColour(cr, Danger, 0.9);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    }
}

} // namespace

Canvas paintMenuButton(const std::string& label, int frameWidth, int frameHeight, int bodyHeight, double labelSize)
{
    Canvas canvas(frameWidth * 2, frameHeight);
    paintStrip(canvas, frameWidth, 2, [&](cairo_t* cr, int frame) {
        menuButtonFrame(cr, label, frameWidth, bodyHeight, labelSize, frame == 1);
    });
    return canvas;
}

Canvas paintShopButton(const std::string& letter)
{
    Canvas canvas(75, 25);
    paintStrip(canvas, 25, 3, [&](cairo_t* cr, int frame) {
        shopButtonFrame(cr, letter, static_cast<ShopState>(frame));
    });
    return canvas;
}

namespace {

constexpr int PanelWidth = 1024;
constexpr int PanelHeight = 80;
constexpr double PanelBottom = 73.0;

// A sunken slot: the bars, counters and shop buttons sit in these.
void inset(cairo_t* cr, double x, double y, double w, double h, double cut)
{
    chamferPath(cr, x, y, w, h, cut);
    setLinear(cr, 0, y, 0, y + h, {{0.0, hex(0x01040A), 0.95}, {1.0, hex(0x081526), 0.95}});
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x24507A), 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void healthIcon(cairo_t* cr, double cx, double cy)
{
    glow(cr, cx, cy, 16, HealthGreen, 0.35);
    cairo_rectangle(cr, cx - 3.5, cy - 10, 7, 20);
    cairo_rectangle(cr, cx - 10, cy - 3.5, 20, 7);
    setLinear(cr, 0, cy - 10, 0, cy + 10, {{0.0, hex(0xC8FFD0), 1.0}, {1.0, HealthGreen, 1.0}});
    cairo_fill(cr);
}

void shieldIcon(cairo_t* cr, double cx, double cy)
{
    glow(cr, cx, cy, 16, ShieldBlue, 0.35);
    cairo_move_to(cr, cx, cy - 11);
    cairo_line_to(cr, cx + 10, cy - 7);
    cairo_curve_to(cr, cx + 10, cy + 3, cx + 5, cy + 8, cx, cy + 11);
    cairo_curve_to(cr, cx - 5, cy + 8, cx - 10, cy + 3, cx - 10, cy - 7);
    cairo_close_path(cr);
    setLinear(cr, 0, cy - 11, 0, cy + 11, {{0.0, hex(0xD0F0FF), 1.0}, {1.0, ShieldBlue, 1.0}});
    cairo_fill(cr);
    cairo_move_to(cr, cx, cy - 7);
    cairo_line_to(cr, cx, cy + 7);
    setColour(cr, ShieldDark, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void panelBody(cairo_t* cr)
{
    // Body with a slanted lower edge under the shop, like a console lip.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, PanelWidth, 0);
    cairo_line_to(cr, PanelWidth, PanelBottom);
    cairo_line_to(cr, 0, PanelBottom);
    cairo_close_path(cr);
    setLinear(cr, 0, 0, 0, PanelBottom, {{0.0, hex(0x10243A), 0.96}, {0.6, hex(0x0A1626), 0.94}, {1.0, hex(0x050B15), 0.92}});
    cairo_fill(cr);

    // Soft light spill under the bottom edge.
    cairo_rectangle(cr, 0, PanelBottom, PanelWidth, PanelHeight - PanelBottom);
    setLinear(cr, 0, PanelBottom, 0, PanelHeight, {{0.0, UiCyan, 0.35}, {1.0, UiCyan, 0.0}});
    cairo_fill(cr);
    cairo_rectangle(cr, 0, PanelBottom - 1.5, PanelWidth, 1.5);
    setLinear(cr, 0, 0, PanelWidth, 0,
        {{0.0, UiCyan, 0.5}, {0.3, UiCyanLight, 1.0}, {0.7, UiCyanLight, 1.0}, {1.0, UiCyan, 0.5}});
    cairo_fill(cr);

    // Faint horizontal scan lines across the whole panel.
    setColour(cr, UiCyan, 0.035);
    for (int y = 2; y < PanelBottom - 2; y += 3)
        cairo_rectangle(cr, 0, y, PanelWidth, 1);
    cairo_fill(cr);
}

void divider(cairo_t* cr, double x)
{
    cairo_move_to(cr, x + 8, 6);
    cairo_line_to(cr, x - 8, PanelBottom - 6);
    setColour(cr, UiCyan, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

} // namespace

Canvas paintHudPanel()
{
    Canvas canvas(PanelWidth, PanelHeight);
    cairo_t* cr = canvas.cr();
    panelBody(cr);

    // Health and shield: icons left of the bars; the bars themselves are
    // 100 segments at x 50 + 2k, y 7 and y 39, 24 pixels high.
    healthIcon(cr, 25, 19);
    shieldIcon(cr, 25, 51);
    inset(cr, 47.5, 4.5, 206, 30, 5);
    inset(cr, 47.5, 36.5, 206, 30, 5);
    // Quarter marks along the troughs so a half-empty bar reads at a glance.
    setColour(cr, UiCyan, 0.35);
    for (int k = 1; k < 4; ++k) {
        cairo_rectangle(cr, 50 + k * 50 - 0.5, 2, 1, 2);
        cairo_rectangle(cr, 50 + k * 50 - 0.5, 67, 1, 2);
    }
    cairo_fill(cr);

    divider(cr, 276);

    // Shop: a socket under each of the four key buttons, prices above them.
    inset(cr, 291.5, 2.5, 112, 70, 6);
    const double sockets[4][2] = {{335, 10}, {300, 45}, {335, 45}, {370, 45}};
    for (const auto& s : sockets) {
        cairo_rectangle(cr, s[0] - 1.5, s[1] - 1.5, 28, 28);
        setColour(cr, hex(0x000000), 0.6);
        cairo_fill_preserve(cr);
        setColour(cr, hex(0x1C3E60), 1.0);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }

    divider(cr, 428);

    // Money and score read-outs; the numbers are drawn at (500, 20) and
    // (800, 20) by the game.
    inset(cr, 486.5, 14.5, 272, 46, 8);
    divider(cr, 774);
    inset(cr, 786.5, 14.5, 230, 46, 8);
    return canvas;
}

Canvas paintBarSegment(bool health)
{
    // Two columns: a bright one and a slightly darker one, so the bar of
    // 100 segments placed 2 px apart shows a fine energy-cell grain.
    Canvas canvas(2, 24);
    cairo_t* cr = canvas.cr();
    Rgb light = health ? hex(0xC8FFD2) : hex(0xCDEEFF);
    Rgb mid = health ? HealthGreen : ShieldBlue;
    Rgb dark = health ? HealthDark : ShieldDark;
    for (int column = 0; column < 2; ++column) {
        double k = column == 0 ? 1.0 : 0.78;
        setLinear(cr, 0, 0, 0, 24,
            {{0.0, scaled(light, k), 1.0}, {0.25, scaled(mid, k), 1.0}, {0.7, scaled(mid, k * 0.85), 1.0},
                {1.0, scaled(dark, k), 1.0}});
        cairo_rectangle(cr, column, 0, 1, 24);
        cairo_fill(cr);
    }
    return canvas;
}

} // namespace assetgen
