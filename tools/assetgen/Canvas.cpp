#include "Canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <mutex>
#include <stdexcept>

#include "Noise.h"

namespace assetgen {

Rgb blend(Rgb a, Rgb b, double t)
{
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}

Rgb scaled(Rgb c, double k)
{
    return {clamp01(c.r * k), clamp01(c.g * k), clamp01(c.b * k)};
}

Canvas::Canvas(int width, int height)
    : width_(width)
    , height_(height)
    , surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
    , cr_(cairo_create(surface_))
{
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) + " picture");
}

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_)
    , height_(other.height_)
    , surface_(other.surface_)
    , cr_(other.cr_)
{
    other.surface_ = nullptr;
    other.cr_ = nullptr;
}

Canvas::~Canvas()
{
    if (cr_)
        cairo_destroy(cr_);
    if (surface_)
        cairo_surface_destroy(surface_);
}

void Canvas::blendPixel(int x, int y, Rgba colour)
{
    double a = clamp01(colour.a);
    if (a <= 0.0)
        return;
    unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    auto* px = reinterpret_cast<std::uint32_t*>(row) + x;
    // Cairo keeps premultiplied ARGB in native byte order.
    double da = ((*px >> 24) & 0xFF) / 255.0;
    double dr = ((*px >> 16) & 0xFF) / 255.0;
    double dg = ((*px >> 8) & 0xFF) / 255.0;
    double db = (*px & 0xFF) / 255.0;
    double k = 1.0 - a;
    auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(clamp01(v) * 255.0)); };
    *px = (byte(a + da * k) << 24) | (byte(clamp01(colour.c.r) * a + dr * k) << 16)
        | (byte(clamp01(colour.c.g) * a + dg * k) << 8) | byte(clamp01(colour.c.b) * a + db * k);
}

Rgba Canvas::pixel(int x, int y) const
{
    cairo_surface_flush(surface_);
    const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    std::uint32_t px = reinterpret_cast<const std::uint32_t*>(row)[x];
    double a = ((px >> 24) & 0xFF) / 255.0;
    if (a <= 0.0)
        return {{0, 0, 0}, 0.0};
    return {{((px >> 16) & 0xFF) / 255.0 / a, ((px >> 8) & 0xFF) / 255.0 / a, (px & 0xFF) / 255.0 / a}, a};
}

void Canvas::savePng(const std::filesystem::path& file) const
{
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png(surface_, file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string());
}

void setColour(cairo_t* cr, Rgb c, double alpha)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

namespace {

void applyStops(cairo_t* cr, cairo_pattern_t* pattern, std::initializer_list<Stop> stops)
{
    for (const Stop& s : stops)
        cairo_pattern_add_color_stop_rgba(pattern, s.offset, s.colour.r, s.colour.g, s.colour.b, s.alpha);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern); // the context keeps its own reference
}

} // namespace

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops)
{
    applyStops(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void setRadial(cairo_t* cr, double cx, double cy, double r, std::initializer_list<Stop> stops)
{
    applyStops(cr, cairo_pattern_create_radial(cx, cy, 0.0, cx, cy, r), stops);
}

void setRadial2(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1, std::initializer_list<Stop> stops)
{
    applyStops(cr, cairo_pattern_create_radial(fx, fy, r0, cx, cy, r1), stops);
}

void glow(cairo_t* cr, double x, double y, double radius, Rgb c, double alpha)
{
    // A roughly Gaussian falloff reads as light rather than as a disc.
    setRadial(cr, x, y, radius,
        {{0.0, c, alpha}, {0.2, c, alpha * 0.7}, {0.45, c, alpha * 0.3}, {0.7, c, alpha * 0.1}, {1.0, c, 0.0}});
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

void ellipseGlow(cairo_t* cr, double x, double y, double rx, double ry, Rgb c, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    glow(cr, 0, 0, 1.0, c, alpha);
    cairo_restore(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void chamferPath(cairo_t* cr, double x, double y, double w, double h, double cut)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x + cut, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w, y + h - cut);
    cairo_line_to(cr, x + w - cut, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_line_to(cr, x, y + cut);
    cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, std::initializer_list<double> xy)
{
    const double* p = xy.begin();
    cairo_new_sub_path(cr);
    cairo_move_to(cr, p[0], p[1]);
    for (std::size_t i = 2; i + 1 < xy.size(); i += 2)
        cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
}

namespace {

struct FontHolder {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    cairo_font_face_t* cairoFace = nullptr;
};

FontHolder& font()
{
    static FontHolder holder;
    return holder;
}

} // namespace

void useFontFile(const std::string& path)
{
    FontHolder& f = font();
    if (!f.library && FT_Init_FreeType(&f.library) != 0)
        throw std::runtime_error("cannot start FreeType");
    if (FT_New_Face(f.library, path.c_str(), 0, &f.face) != 0)
        throw std::runtime_error("cannot open the font " + path);
    // The face lives for the whole run, so FreeType is never shut down.
    f.cairoFace = cairo_ft_font_face_create_for_ft_face(f.face, 0);
}

void textPath(cairo_t* cr, const std::string& text, double size, double cx, double cy)
{
    // Pictures are painted on several threads but share one FreeType face.
    static std::mutex faceMutex;
    std::lock_guard<std::mutex> lock(faceMutex);
    if (!font().cairoFace)
        throw std::runtime_error("no font loaded for lettering");
    cairo_set_font_face(cr, font().cairoFace);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_move_to(cr, cx - ext.x_bearing - ext.width / 2.0, cy - ext.y_bearing - ext.height / 2.0);
    cairo_text_path(cr, text.c_str());
}

} // namespace assetgen
