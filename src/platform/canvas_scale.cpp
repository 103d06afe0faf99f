// Where the canvas shows in a window, and its painting there, scaled.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/canvas.h"
#include "platform/canvas_cairo.h"

namespace vm {

Placement FitCanvas(int canvas_w, int canvas_h, int target_w, int target_h) {
    Placement p;
    if (canvas_w <= 0 || canvas_h <= 0 || target_w <= 0 || target_h <= 0) return p;
    const double fit = std::min(static_cast<double>(target_w) / canvas_w,
                                static_cast<double>(target_h) / canvas_h);
    // The scale is taken a little smaller, so that a target pixel's place on
    // the canvas is a whole number of 1/256 pixels: the smoothing then gives
    // each target pixel the same value whether the whole picture or only a
    // part of it is painted.
    p.scale = 256.0 / std::ceil(256.0 / fit - 1e-9);
    const int w = std::min(target_w, static_cast<int>(std::lround(canvas_w * p.scale)));
    const int h = std::min(target_h, static_cast<int>(std::lround(canvas_h * p.scale)));
    p.area = {(target_w - w) / 2, (target_h - h) / 2, w, h};
    return p;
}

namespace {

// The target pixels that painting `part` of the canvas reaches.
PixelRect Reach(const TargetPixels& t, const Placement& at, const PixelRect& part) {
    const double s = at.scale;
    // A smoothed target pixel reads the canvas pixels around it too.
    const double pad = s < 1 ? std::ceil(1 / s) + 1 : 2;
    const int x0 = static_cast<int>(std::floor(at.area.x + (part.x - pad) * s));
    const int y0 = static_cast<int>(std::floor(at.area.y + (part.y - pad) * s));
    const int x1 = static_cast<int>(std::ceil(at.area.x + (part.x + part.w + pad) * s));
    const int y1 = static_cast<int>(std::ceil(at.area.y + (part.y + part.h + pad) * s));
    return Clamp(Clamp(PixelRect{x0, y0, x1 - x0, y1 - y0}, at.area), PixelRect{0, 0, t.w, t.h});
}

}  // namespace

PixelRect CairoCanvas::PaintInto(const TargetPixels& t, const Placement& at,
                                 const PixelRect& part) {
    const std::vector<PixelRect> r = PaintInto(t, at, std::vector<PixelRect>{part});
    return r.empty() ? PixelRect{} : r.front();
}

std::vector<PixelRect> CairoCanvas::PaintInto(const TargetPixels& t, const Placement& at,
                                              const std::vector<PixelRect>& parts) {
    const double s = at.scale;
    if (s <= 0) return {};
    std::vector<PixelRect> painted;
    for (const PixelRect& part : parts) {
        const PixelRect r = Reach(t, at, part);
        if (!r.Empty()) painted.push_back(r);
    }
    if (painted.empty()) return {};
    Settle();
    cairo_surface_t* dst =
        cairo_image_surface_create_for_data(t.data, CAIRO_FORMAT_RGB24, t.w, t.h, t.stride);
    cairo_t* cr = cairo_create(dst);
    // One paint through all the parts: each target pixel is worked out from
    // its place alone, so it comes out as a paint of its part alone would
    // give it, and the scaling is set up once.
    for (const PixelRect& r : painted) cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_clip(cr);
    cairo_translate(cr, at.area.x, at.area.y);
    cairo_scale(cr, s, s);
    cairo_set_source_surface(cr, surface_, 0, 0);
    cairo_pattern_t* src = cairo_get_source(cr);
    cairo_pattern_set_filter(src, s == 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    // The edge pixels repeat outward, so the rim of the picture is not
    // blended with nothing.
    cairo_pattern_set_extend(src, CAIRO_EXTEND_PAD);
    // The canvas is opaque: copying is the same as painting over, and faster.
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(dst);
    cairo_surface_destroy(dst);
    return painted;
}

}  // namespace vm
