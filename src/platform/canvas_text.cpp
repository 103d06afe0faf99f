// The canvas's texts: drawn from their outlines, and kept as how much of
// each pixel they cover, so that drawing one again is a few sums a pixel,
// or on a plain background a copy of the pixels it left there.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/canvas.h"
#include "platform/canvas_cairo.h"
#include "platform/colours.h"

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

// Texts drawn over and over (the same characters in the same face, size,
// magnification and place within a pixel) are kept as the pixels they make,
// up to this many bytes; past it the texts least recently drawn are
// forgotten until a quarter is free again. The pages, menus and drills in
// use at one time fit with room to spare, and memory stays level however
// long a program runs.
constexpr size_t kGlyphCacheBytes = 3 << 20;
// Larger texts are always drawn afresh.
constexpr int kGlyphMaxArea = 256 * 256;

}  // namespace

void CairoCanvas::DrawText(const Op& op) {
    if (glyph_cache_ && DrawKnownText(op)) return;
    cairo_new_path(cr_);
    const double stroke = TextPath(cr_, op, 0, 0);
    double x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    Damage(x0, y0, x1, y1, (op.font.bold ? stroke / 2 : 0) + 1);
    SetColour(op.colour);
    PaintText(cr_, op, stroke);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

namespace {

uint64_t LookKey(int colour, uint32_t background) {
    return (static_cast<uint64_t>(colour & 15) << 32) | background;
}

// a * b / 255, rounded, for the two bytes of each half of a pixel.
[[gnu::always_inline]] inline uint32_t Scale2(uint32_t a, uint8_t b) {
    const uint32_t t = (a & 0xff00ff) * b + 0x7f007f;
    return ((t + ((t >> 8) & 0xff00ff)) >> 8) & 0xff00ff;
}

[[gnu::always_inline]] inline uint32_t Add2(uint32_t a, uint32_t b) {
    uint32_t t = a + b;
    t |= 0x1000100 - ((t >> 8) & 0xff00ff);
    return t & 0xff00ff;
}

// An opaque colour over a pixel, covering `cover` of it: the arithmetic of
// cairo's own painting of covered spans in one opaque colour, to the
// rounding, so that a text laid from its covers has the pixels that
// painting its outline leaves.
[[gnu::always_inline]] inline uint32_t Blend(uint32_t colour, uint8_t cover, uint32_t pixel) {
    if (cover == 255) return colour;
    const uint8_t rest = static_cast<uint8_t>(~cover);
    return Add2(Scale2(colour, cover), Scale2(pixel, rest)) |
           Add2(Scale2(colour >> 8, cover), Scale2(pixel >> 8, rest)) << 8;
}

}  // namespace

// A text's pixels are the same wherever it is drawn, up to a move by whole
// pixels: it is kept as how much of each pixel of its box its fill and its
// outline cover, and painted from those on whatever lies beneath, as cairo
// would paint it. Where its whole box has one colour, the pixels it leaves
// there are kept too, for each text colour and background colour, and
// copied in when it comes again on that background.
CairoCanvas::KnownText* CairoCanvas::Know(const Op& op, bool& first) {
    if (!(std::fabs(op.x1) < 1e5f && std::fabs(op.y1) < 1e5f)) return nullptr;
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
    auto [it, added] = glyphs_.try_emplace(std::move(key));
    first = added;
    KnownText& t = it->second;
    t.used = ++glyph_clock_;
    if (first) Grow(t, it->first.size() + 128);
    if (t.unfit) return nullptr;
    if (!t.placed) {
        cairo_new_path(cr_);
        const double stroke = TextPath(cr_, op, 0, 0);
        double x0, y0, x1, y1;
        cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
        cairo_new_path(cr_);
        if (!PlaceBox(op, x0, y0, x1, y1, stroke, t)) return nullptr;
    }
    return &t;
}

// Besides its covers, a prepared text has the pixels it leaves on the
// background kept, as drawing it there the first time would keep them.
void CairoCanvas::Prepare(const Op& op) {
    bool first = false;
    KnownText* t = Know(op, first);
    if (t == nullptr) return;
    if (t->fill.empty()) Cover(op, *t);
    const uint32_t background = Ink(kBackground);
    const uint64_t key = LookKey(op.colour, background);
    if (t->looks.count(key) != 0) return;
    std::vector<uint32_t> box(static_cast<size_t>(t->w * t->h), background);
    const uint32_t ink = Ink(op.colour);
    for (int y = 0; y < t->h; ++y) LayRow(*t, y, ink, box.data() + static_cast<size_t>(y * t->w));
    Look& look = t->looks[key];
    look = Pack(box.data(), static_cast<size_t>(t->w), t->w, t->h);
    Grow(*t, look.Bytes());
}

bool CairoCanvas::DrawKnownText(const Op& op) {
    bool first = false;
    KnownText* known = Know(op, first);
    if (known == nullptr || !Inside(op, *known)) return false;
    KnownText& t = *known;
    const float fx0 = std::floor(op.x1), fy0 = std::floor(op.y1);
    uint32_t background = 0;
    const bool plain = PlainBox(op, t, background);
    const auto look = plain ? t.looks.find(LookKey(op.colour, background)) : t.looks.end();
    if (look != t.looks.end()) {
        Settle();
        const Look& kept = look->second;
        uint32_t* row = BoxRow(op, t, 0);
        const long stride = cairo_image_surface_get_stride(surface_) / 4;
        for (int y = 0; y < t.h; ++y, row += stride) {
            const size_t at = static_cast<size_t>(y * t.w);
            if (!kept.raw.empty()) {
                std::copy_n(kept.raw.begin() + static_cast<long>(at), t.w, row);
                continue;
            }
            const uint8_t* index = kept.index.data() + at;
            const uint32_t* colours = kept.colours.data();
            for (int x = 0; x < t.w; ++x) row[x] = colours[index[x]];
        }
        const int x0 = static_cast<int>(fx0) + t.x, y0 = static_cast<int>(fy0) + t.y;
        cairo_surface_mark_dirty_rectangle(surface_, x0, y0, t.w, t.h);
    } else {
        if (t.fill.empty()) Cover(op, t);
        Lay(op, t);
        if (plain) KeepLook(op, t, background);
    }
    Damage(PixelRect{static_cast<int>(fx0) + t.x, static_cast<int>(fy0) + t.y, t.w, t.h});
    if (!first) ++glyph_hits_;
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
    Settle();
    const uint32_t* row = BoxRow(op, t, 0);
    const long stride = cairo_image_surface_get_stride(surface_) / 4;
    background = row[0];
    for (int x = 1; x < t.w; ++x)
        if (row[x] != background) return false;
    // The other rows are compared with the first whole, as memory.
    const uint32_t* first = row;
    const size_t bytes = static_cast<size_t>(t.w) * 4;
    for (int y = 1; y < t.h; ++y)
        if (std::memcmp(first + y * stride, first, bytes) != 0) return false;
    return true;
}

// The box as the drawing just made it over one background colour.
void CairoCanvas::KeepLook(const Op& op, KnownText& t, uint32_t background) {
    Settle();
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

void CairoCanvas::Cover(const Op& op, KnownText& t) {
    const int ix = static_cast<int>(std::floor(op.x1)), iy = static_cast<int>(std::floor(op.y1));
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, t.w);
    const size_t size = static_cast<size_t>(stride) * static_cast<size_t>(t.h);
    if (mask_.size() < size) mask_.resize(size);
    std::fill_n(mask_.begin(), size, 0);
    cairo_surface_t* s =
        cairo_image_surface_create_for_data(mask_.data(), CAIRO_FORMAT_A8, t.w, t.h, stride);
    cairo_t* cr = cairo_create(s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    const double stroke = TextPath(cr, op, ix + t.x, iy + t.y);
    const auto take = [&](std::vector<uint8_t>& cover) {
        cairo_surface_flush(s);
        cover.resize(static_cast<size_t>(t.w * t.h));
        for (int y = 0; y < t.h; ++y)
            std::copy_n(mask_.begin() + static_cast<long>(y) * stride, t.w,
                        cover.begin() + static_cast<long>(y) * t.w);
        Grow(t, cover.size());
    };
    // The fill and the outline are covers of their own: drawing a bold
    // text paints the outline over what the fill has left.
    cairo_fill_preserve(cr);
    take(t.fill);
    if (op.font.bold) {
        std::fill_n(mask_.begin(), size, 0);
        cairo_surface_mark_dirty(s);
        cairo_set_line_width(cr, stroke);
        cairo_stroke(cr);
        take(t.outline);
    }
    cairo_destroy(cr);
    cairo_surface_finish(s);
    cairo_surface_destroy(s);
}

void CairoCanvas::LayRow(const KnownText& t, int y, uint32_t ink, uint32_t* px) {
    const size_t at = static_cast<size_t>(y * t.w);
    const uint8_t* fill = t.fill.data() + at;
    const uint8_t* outline = t.outline.empty() ? nullptr : t.outline.data() + at;
    for (int x = 0; x < t.w; ++x) {
        const uint8_t f = fill[x], o = outline ? outline[x] : 0;
        if ((f | o) == 0) continue;
        uint32_t p = px[x];
        if (f != 0) p = Blend(ink, f, p);
        if (o != 0) p = Blend(ink, o, p);
        px[x] = p;
    }
}

void CairoCanvas::Lay(const Op& op, const KnownText& t) {
    const uint32_t ink = Ink(op.colour);
    Settle();
    for (int y = 0; y < t.h; ++y) LayRow(t, y, ink, BoxRow(op, t, y));
    const int x0 = static_cast<int>(std::floor(op.x1)) + t.x;
    const int y0 = static_cast<int>(std::floor(op.y1)) + t.y;
    cairo_surface_mark_dirty_rectangle(surface_, x0, y0, t.w, t.h);
}

uint32_t CairoCanvas::Ink(int colour) {
    if (!inked_) {
        // Each colour as cairo turns it into a pixel.
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        cairo_t* cr = cairo_create(s);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        for (int c = 0; c < 16; ++c) {
            SourceColour(cr, c);
            cairo_paint(cr);
            cairo_surface_flush(s);
            inks_[static_cast<size_t>(c)] =
                *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s));
        }
        cairo_destroy(cr);
        cairo_surface_destroy(s);
        inked_ = true;
    }
    return inks_[static_cast<size_t>(colour & 15)];
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
