// The canvas's texts: drawn from their outlines, and kept as the pixels they
// leave so that drawing one again is a copy.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/canvas.h"
#include "platform/canvas_cairo.h"

namespace vm {

namespace {

void SelectFont(cairo_t* cr, const FontState& font, double sx, double sy, double fit) {
    const FaceChoice face = ResolveFace(font.name);
    const bool real_italic = font.italic && !face.shear_italic;
    cairo_select_font_face(cr, face.family.c_str(),
                           real_italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t m;
    const double em = font.size * face.cell * fit;
    const double across = face.width > 0 ? font.size * face.width : em;
    cairo_matrix_init(&m, across * sx, 0, 0, em * sy, 0, 0);
    if (font.italic && face.shear_italic) m.xy = -0.2 * em * sx;
    cairo_set_font_matrix(cr, &m);
}

// Builds the outline of a text on cr, shifted left and up by whole pixels
// (dx, dy) from where the canvas has it; returns the pen width of a bold
// outline. A shift by whole pixels moves every point of the outline by
// exactly that much, so the pixels come out the same, only moved.
double TextPath(cairo_t* cr, const Op& op, double dx, double dy) {
    const std::string glyphs = FaceGlyph(op.font.name, op.text);
    // The character cell is the font size high (times the magnification):
    // the face is scaled so that its ascent and descent together fill it,
    // and the cell's top is at y.
    SelectFont(cr, op.font, op.mh, op.mv, 1.0);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    const double cell = op.font.size * ResolveFace(op.font.name).cell * op.mv;
    const double total = fe.ascent + fe.descent;
    const double fit = total > 0 ? cell / total : 1.0;
    SelectFont(cr, op.font, op.mh, op.mv, fit);
    cairo_move_to(cr, op.x1 - dx, (op.y1 + fe.ascent * fit) - dy);
    cairo_text_path(cr, glyphs.c_str());
    return std::max(0.6, op.font.size * std::min(op.mh, op.mv) * 0.045);
}

// Paints the outline built by TextPath in the source colour: filled, and
// for bold text outlined as well.
void PaintText(cairo_t* cr, const Op& op, double stroke) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    if (op.font.bold) {
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, stroke);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
}

// A small surface to draw one text on, set up as the canvas is.
struct Scratch {
    cairo_surface_t* surface;
    cairo_t* cr;
    Scratch(cairo_format_t format, int w, int h)
        : surface(cairo_image_surface_create(format, w, h)), cr(cairo_create(surface)) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    }
    ~Scratch() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

// Texts drawn over and over (the same characters in the same face, size,
// magnification and place within a pixel) are kept as the pixels they make,
// up to this many bytes; past it the texts least recently drawn are
// forgotten until a quarter is free again. The pages, menus and drills in
// use at one time fit with room to spare, and memory stays level however
// long a program runs.
constexpr size_t kGlyphCacheBytes = 768 << 10;
// Larger texts are always drawn afresh.
constexpr int kGlyphMaxArea = 256 * 256;

}  // namespace

void CairoCanvas::DrawText(const Op& op) {
    KnownText* seen = nullptr;
    if (glyph_cache_ && DrawKnownText(op, seen)) return;
    cairo_new_path(cr_);
    const double stroke = TextPath(cr_, op, 0, 0);
    double x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    Damage(x0, y0, x1, y1, (op.font.bold ? stroke / 2 : 0) + 1);
    // A text seen for the first time on a plain background is kept as the
    // pixels this drawing leaves in its box.
    uint32_t background = 0;
    const bool keep = seen != nullptr && PlaceBox(op, x0, y0, x1, y1, stroke, *seen) &&
                      PlainBox(op, *seen, background);
    SetColour(op.colour);
    PaintText(cr_, op, stroke);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    if (keep) KeepLook(op, *seen, background);
}

namespace {

uint64_t LookKey(int colour, uint32_t background) {
    return (static_cast<uint64_t>(colour & 15) << 32) | background;
}

}  // namespace

// A text's pixels are the same wherever it is drawn on a background of one
// colour, up to a move by whole pixels: for each text colour and background
// colour, the pixels it leaves in its box. Where the whole box on the canvas
// has one colour, the box is copied in instead of drawing the outline again;
// where only the pixels the text covers (found by drawing it once on a mask)
// have one colour, those are; anywhere else (over other drawing) it is
// drawn afresh. A text drawn once on a plain background is kept as it was
// drawn, so it costs no more than before and is copied from its second time.
bool CairoCanvas::DrawKnownText(const Op& op, KnownText*& seen) {
    if (!(std::fabs(op.x1) < 1e5f && std::fabs(op.y1) < 1e5f)) return false;
    if (glyph_bytes_ > kGlyphCacheBytes) ForgetOldTexts();
    const float fx0 = std::floor(op.x1), fy0 = std::floor(op.y1);
    const float within[2] = {op.x1 - fx0, op.y1 - fy0};
    const int style[4] = {op.font.bold, op.font.italic, op.mh, op.mv};
    std::string key = op.text;
    key += '\0';
    key += op.font.name;
    key.append(reinterpret_cast<const char*>(&op.font.size), sizeof op.font.size);
    key.append(reinterpret_cast<const char*>(style), sizeof style);
    key.append(reinterpret_cast<const char*>(within), sizeof within);
    auto [it, first] = glyphs_.try_emplace(std::move(key));
    KnownText& t = it->second;
    t.used = ++glyph_clock_;
    if (first) {
        Grow(t, it->first.size() + 128);
        seen = &t;
        return false;
    }
    if (t.unfit) return false;
    const int ix = static_cast<int>(fx0), iy = static_cast<int>(fy0);
    if (!t.placed) {
        cairo_new_path(cr_);
        const double stroke = TextPath(cr_, op, 0, 0);
        double x0, y0, x1, y1;
        cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
        cairo_new_path(cr_);
        if (!PlaceBox(op, x0, y0, x1, y1, stroke, t)) return false;
    }
    if (!Inside(op, t)) return false;
    uint32_t background = 0;
    const bool plain = PlainBox(op, t, background);
    if (!plain) {
        if (!t.shaped) ShapeText(op, ix, iy, t);
        if (!PlainCover(op, t, background)) return false;
    }
    Look& look = t.looks[LookKey(op.colour, background)];
    if (look.Empty()) {
        look = TextLook(op, ix, iy, t, background);
        Grow(t, look.Bytes());
    }
    cairo_surface_flush(surface_);
    for (int y = 0; y < t.h; ++y) {
        uint32_t* px = BoxRow(op, t, y);
        const size_t at = static_cast<size_t>(y * t.w);
        const uint8_t* cover = plain ? nullptr : t.cover.data() + at;
        for (int x = 0; x < t.w; ++x)
            if (plain || cover[x] != 0) px[x] = look.At(at + static_cast<size_t>(x));
    }
    const int x0 = ix + t.x, y0 = iy + t.y;
    cairo_surface_mark_dirty_rectangle(surface_, x0, y0, t.w, t.h);
    Damage(PixelRect{x0, y0, t.w, t.h});
    ++glyph_hits_;
    return true;
}

void CairoCanvas::Grow(KnownText& t, size_t bytes) {
    t.bytes += bytes;
    glyph_bytes_ += bytes;
}

void CairoCanvas::ForgetOldTexts() {
    std::vector<std::pair<uint64_t, decltype(glyphs_)::iterator>> by_use;
    by_use.reserve(glyphs_.size());
    for (auto it = glyphs_.begin(); it != glyphs_.end(); ++it) by_use.emplace_back(it->second.used, it);
    std::sort(by_use.begin(), by_use.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [used, it] : by_use) {
        if (glyph_bytes_ <= kGlyphCacheBytes / 4 * 3) break;
        glyph_bytes_ -= it->second.bytes;
        glyphs_.erase(it);
    }
}

// The text's box, from the whole pixel it is drawn at, given its outline's
// extents on the canvas: every pixel its drawing can touch lies inside.
bool CairoCanvas::PlaceBox(const Op& op, double x0, double y0, double x1, double y1,
                           double stroke, KnownText& t) {
    const int ix = static_cast<int>(std::floor(op.x1)), iy = static_cast<int>(std::floor(op.y1));
    const double pad = (op.font.bold ? stroke / 2 : 0) + 2;
    t.placed = true;
    t.x = static_cast<int>(std::floor(x0 - pad)) - ix;
    t.y = static_cast<int>(std::floor(y0 - pad)) - iy;
    t.w = static_cast<int>(std::ceil(x1 + pad)) - ix - t.x;
    t.h = static_cast<int>(std::ceil(y1 + pad)) - iy - t.y;
    t.unfit = t.w <= 0 || t.h <= 0 || t.w * t.h > kGlyphMaxArea;
    return !t.unfit;
}

// Whether the text's box, drawn where op says, lies inside the canvas.
bool CairoCanvas::Inside(const Op& op, const KnownText& t) const {
    const int x0 = static_cast<int>(std::floor(op.x1)) + t.x;
    const int y0 = static_cast<int>(std::floor(op.y1)) + t.y;
    return x0 >= 0 && y0 >= 0 && x0 + t.w <= width_ && y0 + t.h <= height_;
}

// Row y of the text's box on the canvas, drawn where op says (the canvas
// flushed before).
uint32_t* CairoCanvas::BoxRow(const Op& op, const KnownText& t, int y) {
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const long stride = cairo_image_surface_get_stride(surface_);
    const int x0 = static_cast<int>(std::floor(op.x1)) + t.x;
    const int y0 = static_cast<int>(std::floor(op.y1)) + t.y;
    return reinterpret_cast<uint32_t*>(data + (y0 + y) * stride) + x0;
}

// Whether the text's box on the canvas lies inside it and has one colour.
bool CairoCanvas::PlainBox(const Op& op, const KnownText& t, uint32_t& background) {
    if (!Inside(op, t)) return false;
    cairo_surface_flush(surface_);
    background = BoxRow(op, t, 0)[0];
    for (int y = 0; y < t.h; ++y) {
        const uint32_t* px = BoxRow(op, t, y);
        for (int x = 0; x < t.w; ++x)
            if (px[x] != background) return false;
    }
    return true;
}

// Whether the pixels the text covers on the canvas have one colour.
bool CairoCanvas::PlainCover(const Op& op, const KnownText& t, uint32_t& background) {
    cairo_surface_flush(surface_);
    bool any = false;
    for (int y = 0; y < t.h; ++y) {
        const uint32_t* px = BoxRow(op, t, y);
        const uint8_t* cover = t.cover.data() + static_cast<size_t>(y * t.w);
        for (int x = 0; x < t.w; ++x) {
            if (cover[x] == 0) continue;
            if (!any) {
                background = px[x];
                any = true;
            } else if (px[x] != background) {
                return false;
            }
        }
    }
    // A blank covers nothing: its box over the first pixel does no harm.
    if (!any) background = BoxRow(op, t, 0)[0];
    return true;
}

// The box as the drawing just made it over one background colour.
void CairoCanvas::KeepLook(const Op& op, KnownText& t, uint32_t background) {
    cairo_surface_flush(surface_);
    Look& look = t.looks[LookKey(op.colour, background)];
    look = Pack(BoxRow(op, t, 0), static_cast<size_t>(cairo_image_surface_get_stride(surface_)) / 4,
                t.w, t.h);
    Grow(t, look.Bytes());
}

size_t CairoCanvas::Look::Bytes() const {
    return colours.size() * 4 + index.size() + raw.size() * 4 + 96;
}

CairoCanvas::Look CairoCanvas::Pack(const uint32_t* pixels, size_t stride, int w, int h) {
    Look look;
    look.index.reserve(static_cast<size_t>(w * h));
    // The colours met so far, by a hash of the colour: open addressing in a
    // table four times the largest number of colours kept.
    constexpr size_t kSlots = 1024;
    std::array<uint32_t, kSlots> colour_at;
    std::array<int16_t, kSlots> index_at;
    index_at.fill(-1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = pixels[static_cast<size_t>(y) * stride + static_cast<size_t>(x)];
            size_t slot = (c * 2654435761u) >> 22;
            while (index_at[slot] >= 0 && colour_at[slot] != c) slot = (slot + 1) % kSlots;
            if (index_at[slot] < 0) {
                if (look.colours.size() == 256) {
                    look = Look{};
                    for (int row = 0; row < h; ++row)
                        look.raw.insert(look.raw.end(), pixels + static_cast<size_t>(row) * stride,
                                        pixels + static_cast<size_t>(row) * stride + w);
                    return look;
                }
                colour_at[slot] = c;
                index_at[slot] = static_cast<int16_t>(look.colours.size());
                look.colours.push_back(c);
            }
            look.index.push_back(static_cast<uint8_t>(index_at[slot]));
        }
    return look;
}

void CairoCanvas::ShapeText(const Op& op, int ix, int iy, KnownText& t) {
    Scratch mask(CAIRO_FORMAT_A8, t.w, t.h);
    cairo_set_source_rgb(mask.cr, 0, 0, 0);
    const double stroke = TextPath(mask.cr, op, ix + t.x, iy + t.y);
    PaintText(mask.cr, op, stroke);
    cairo_surface_flush(mask.surface);
    const unsigned char* data = cairo_image_surface_get_data(mask.surface);
    const int stride = cairo_image_surface_get_stride(mask.surface);
    t.cover.resize(static_cast<size_t>(t.w * t.h));
    for (int y = 0; y < t.h; ++y)
        std::copy_n(data + static_cast<long>(y) * stride, t.w,
                    t.cover.begin() + static_cast<long>(y) * t.w);
    t.shaped = true;
    Grow(t, t.cover.size() + 64);
}

CairoCanvas::Look CairoCanvas::TextLook(const Op& op, int ix, int iy, const KnownText& t,
                                        uint32_t background) {
    Scratch look(CAIRO_FORMAT_ARGB32, t.w, t.h);
    cairo_surface_flush(look.surface);
    unsigned char* data = cairo_image_surface_get_data(look.surface);
    const int stride = cairo_image_surface_get_stride(look.surface);
    for (int y = 0; y < t.h; ++y)
        std::fill_n(reinterpret_cast<uint32_t*>(data + static_cast<long>(y) * stride), t.w,
                    background);
    cairo_surface_mark_dirty(look.surface);
    SourceColour(look.cr, op.colour);
    cairo_new_path(look.cr);
    const double stroke = TextPath(look.cr, op, ix + t.x, iy + t.y);
    PaintText(look.cr, op, stroke);
    cairo_surface_flush(look.surface);
    return Pack(reinterpret_cast<const uint32_t*>(data), static_cast<size_t>(stride) / 4, t.w, t.h);
}

bool CairoCanvas::HasGlyphs(const FontState& font, const std::string& text) {
    SelectFont(cr_, font, 1, 1, 1.0);
    cairo_scaled_font_t* sf = cairo_get_scaled_font(cr_);
    cairo_glyph_t* glyphs = nullptr;
    int n = 0;
    const std::string g = FaceGlyph(font.name, text);
    if (cairo_scaled_font_text_to_glyphs(sf, 0, 0, g.c_str(), static_cast<int>(g.size()), &glyphs,
                                         &n, nullptr, nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
        return false;
    bool ok = true;
    for (int i = 0; i < n; ++i)
        if (glyphs[i].index == 0) ok = false;
    cairo_glyph_free(glyphs);
    return ok;
}

}  // namespace vm
