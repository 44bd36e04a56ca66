#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace assetgen {

struct Rgb {
    double r, g, b;
};

// 0xRRGGBB -> colour, so the palette reads like a colour picker.
constexpr Rgb hex(std::uint32_t v)
{
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

Rgb blend(Rgb a, Rgb b, double t);
Rgb scaled(Rgb c, double k);

struct Rgba {
    Rgb c;
    double a;
};

struct Stop {
    double offset;
    Rgb colour;
    double alpha;
};

// An ARGB picture with its drawing context; one per generated PNG.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Per-pixel painting for procedural textures: `shader(x, y)` gets the
    // pixel centre and returns a straight-alpha colour that is composited
    // over what is already there.
    template <typename Shader>
    void shade(Shader shader)
    {
        cairo_surface_flush(surface_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                blendPixel(x, y, shader(x + 0.5, y + 0.5));
        cairo_surface_mark_dirty(surface_);
    }

    // Straight-alpha read of a pixel (for tests of the painters and effects).
    Rgba pixel(int x, int y) const;

    void savePng(const std::filesystem::path& file) const;

private:
    void blendPixel(int x, int y, Rgba colour);

    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Drawing helpers shared by all painters.
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
void setRadial(cairo_t* cr, double cx, double cy, double r, std::initializer_list<Stop> stops);
void setRadial2(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1, std::initializer_list<Stop> stops);

// Soft round light: bright at the centre, fading to nothing at `radius`.
void glow(cairo_t* cr, double x, double y, double radius, Rgb c, double alpha);
// The same squeezed into an ellipse.
void ellipseGlow(cairo_t* cr, double x, double y, double rx, double ry, Rgb c, double alpha);

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry);
// Rectangle with its top-left and bottom-right corners cut at 45 degrees,
// the shape language of the whole interface.
void chamferPath(cairo_t* cr, double x, double y, double w, double h, double cut);
void polygonPath(cairo_t* cr, std::initializer_list<double> xy);

// Text in the game's own font, as a path centred on (cx, cy) by its ink.
void textPath(cairo_t* cr, const std::string& text, double size, double cx, double cy);

// The game's font file, used for the lettering on buttons.
void useFontFile(const std::string& path);

} // namespace assetgen
