#include "platform/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

namespace vm {

const std::array<Rgb, 16>& Palette() {
    static const std::array<Rgb, 16> p = {{
        {0, 0, 0},        // 0 black: normal text
        {0, 0, 128},      // 1 navy
        {150, 0, 0},      // 2 dark red
        {0, 0, 255},      // 3 blue: labels and emphasis
        {0, 32, 96},      // 4 deep navy: step-wait and key-prompt fill
        {200, 0, 0},      // 5 red: results and typed digits
        {150, 90, 0},     // 6 brown
        {140, 0, 170},    // 7 purple: headings
        {80, 80, 80},     // 8 dark grey
        {0, 165, 0},      // 9 green: prompt text
        {0, 80, 80},      // 10 dark teal: menu panel
        {0, 170, 200},    // 11 cyan
        {90, 0, 90},      // 12 plum: repeat-gate fill
        {245, 150, 0},    // 13 amber: borders, menu items, error text; red and black read on it
        {190, 190, 190},  // 14 light grey
        {255, 255, 255},  // 15 white: background
    }};
    return p;
}

FaceChoice ResolveFace(const std::string& name) {
    // fontconfig alone maps "ゴシック" to a face without kana, so the names
    // the programs use are resolved here.
    //
    // The Gothic face fills its cells exactly: a half-width character is
    // half the size wide, a full-width one the size, both the size high.
    // The serif faces only draw single letters (italic variables, the
    // script ell), which the formula writer magnifies far more across than
    // up and places by their cell's top: their letters are drawn narrow,
    // and the italic face's size counts in points, as the formula
    // positions assume, so that a variable stands on the digits' line.
    if (name == "Times New Roman") return {"Liberation Serif", false, 4.0 / 3.0, 0.6};
    if (name == "MT Extra") return {"Liberation Serif", false, 1.0, 0.6};
    return {"IPAGothic", true};
}

std::string FaceGlyph(const std::string& face, const std::string& text) {
    if (face == "MT Extra" && text == "l") return "\u2113";
    return text;
}

CairoCanvas::CairoCanvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    // Shapes are drawn without antialiasing: the programs erase by drawing
    // the same box again in the background colour, and soft edges would
    // leave a faint outline behind. Text keeps its smooth edges.
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    SetColour(15);
    cairo_paint(cr_);
}

CairoCanvas::~CairoCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void CairoCanvas::SetColour(int colour) {
    const Rgb c = Palette()[static_cast<size_t>(colour & 15)];
    cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

void ArcPath(cairo_t* cr, const Op& op, bool sector) {
    double rx = op.r, ry = op.r;
    if (op.aspect > 0 && op.aspect <= 1)
        ry = op.r * op.aspect;
    else if (op.aspect > 1)
        rx = op.r / op.aspect;
    if (rx <= 0 || ry <= 0) {
        cairo_move_to(cr, op.x1, op.y1);
        return;
    }
    const bool whole = op.start == op.end;
    const double a1 = op.start * kTurn;
    double a2 = op.end * kTurn;
    if (whole) a2 = a1 + kTurn;
    cairo_save(cr);
    cairo_translate(cr, op.x1, op.y1);
    cairo_scale(cr, rx, ry);
    if (sector && !whole) cairo_move_to(cr, 0, 0);
    else cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, a1, a2);  // clockwise on a y-down screen, through 0 when a2 < a1
    if (sector || whole) cairo_close_path(cr);
    cairo_restore(cr);
}

}  // namespace

void CairoCanvas::Path(const Op& op) {
    switch (op.kind) {
        case Op::Line:
            cairo_move_to(cr_, op.x1, op.y1);
            cairo_line_to(cr_, op.x2, op.y2);
            break;
        case Op::Box:
        case Op::FillBox:
            cairo_rectangle(cr_, std::min(op.x1, op.x2), std::min(op.y1, op.y2),
                            std::fabs(op.x2 - op.x1), std::fabs(op.y2 - op.y1));
            break;
        case Op::Arc: ArcPath(cr_, op, false); break;
        case Op::Sector: ArcPath(cr_, op, true); break;
        case Op::Dot:
            // A filled circle outlined with the pen: one disc reaching half
            // the pen's width beyond the radius, so a dot of radius 0.5
            // comes out the size of the pen.
            cairo_new_sub_path(cr_);
            cairo_arc(cr_, op.x1, op.y1, std::max(0.0f, op.r) + std::max(1, op.width) / 2.0, 0,
                      kTurn);
            cairo_close_path(cr_);
            break;
        case Op::Polyline:
        case Op::FillPolygon:
            for (size_t i = 0; i < op.pts.size(); ++i) {
                if (i == 0) cairo_move_to(cr_, op.pts[i].x, op.pts[i].y);
                else cairo_line_to(cr_, op.pts[i].x, op.pts[i].y);
            }
            if (op.kind == Op::FillPolygon) cairo_close_path(cr_);
            break;
        default: break;
    }
}

void CairoCanvas::Draw(const Op& op) {
    cairo_new_path(cr_);
    const int pen = std::max(1, op.width);
    cairo_set_line_width(cr_, pen);
    if (op.kind == Op::Clear) {
        SetColour(15);
        cairo_paint(cr_);
        Damage(PixelRect{0, 0, width_, height_});
        return;
    }
    if (op.kind == Op::Text) {
        DrawText(op);
        return;
    }
    Path(op);
    double x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    Damage(x0, y0, x1, y1, pen / 2.0 + 1);
    switch (op.kind) {
        case Op::FillBox:
        case Op::Sector:
        case Op::FillPolygon:
            SetColour(op.fill);
            cairo_fill_preserve(cr_);
            SetColour(op.colour);
            cairo_stroke(cr_);
            return;
        case Op::Dot:
            SetColour(op.colour);
            cairo_fill(cr_);
            return;
        default:
            SetColour(op.colour);
            cairo_stroke(cr_);
            return;
    }
}

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

void SourceColour(cairo_t* cr, int colour) {
    const Rgb c = Palette()[static_cast<size_t>(colour & 15)];
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
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

namespace {

bool Near(const PixelRect& a, const PixelRect& b, int gap) {
    return a.x <= b.x + b.w + gap && b.x <= a.x + a.w + gap && a.y <= b.y + b.h + gap &&
           b.y <= a.y + a.h + gap;
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect Clamp(const PixelRect& r, const PixelRect& bounds) {
    const int x0 = std::max(r.x, bounds.x), y0 = std::max(r.y, bounds.y);
    const int x1 = std::min(r.x + r.w, bounds.x + bounds.w);
    const int y1 = std::min(r.y + r.h, bounds.y + bounds.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

void CairoCanvas::Damage(double x0, double y0, double x1, double y1, double pad) {
    const auto lo = [](double v) { return static_cast<int>(std::clamp(std::floor(v), -1e6, 1e6)); };
    const auto hi = [](double v) { return static_cast<int>(std::clamp(std::ceil(v), -1e6, 1e6)); };
    const int ix0 = lo(x0 - pad), iy0 = lo(y0 - pad);
    Damage(PixelRect{ix0, iy0, hi(x1 + pad) - ix0, hi(y1 + pad) - iy0});
}

namespace {

// Adds r to a few rectangles covering what was drawn on. Rectangles close
// together are sent as one: a few larger updates cost less than many small
// ones.
void AddPart(std::vector<PixelRect>& parts, PixelRect r) {
    for (size_t i = 0; i < parts.size();) {
        if (Near(parts[i], r, 16)) {
            r = Union(parts[i], r);
            parts.erase(parts.begin() + static_cast<long>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    parts.push_back(r);
    if (parts.size() > 8) {
        PixelRect all = parts.front();
        for (const PixelRect& d : parts) all = Union(all, d);
        parts.assign(1, all);
    }
}

}  // namespace

void CairoCanvas::Damage(PixelRect r) {
    r = Clamp(r, PixelRect{0, 0, width_, height_});
    if (!r.Empty()) AddPart(damage_, r);
}

std::vector<PixelRect> CairoCanvas::TakeDamage() {
    std::vector<PixelRect> d;
    d.swap(damage_);
    return d;
}

namespace {

// The canvas is compared with what was shown in squares of this size.
constexpr int kTile = 32;

}  // namespace

// A step that clears the screen and draws most of it again as it was (a
// figure moved by a key) changes only a small part of it: only the squares
// whose pixels differ from those last taken are given.
std::vector<PixelRect> CairoCanvas::TakeChanges() {
    std::vector<PixelRect> damage = TakeDamage();
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const size_t row_bytes = static_cast<size_t>(width_) * 4;
    if (shown_.empty()) {
        // Copied row by row as it is made: no zero-filling first.
        shown_.reserve(row_bytes * static_cast<size_t>(height_));
        for (int y = 0; y < height_; ++y) {
            const unsigned char* row = data + static_cast<long>(y) * stride;
            shown_.insert(shown_.end(), row, row + row_bytes);
        }
        return {PixelRect{0, 0, width_, height_}};
    }
    const int cols = (width_ + kTile - 1) / kTile, rows = (height_ + kTile - 1) / kTile;
    std::vector<uint8_t> changed(static_cast<size_t>(cols * rows), 0);
    for (const PixelRect& d : damage)
        for (int ty = d.y / kTile; ty <= (d.y + d.h - 1) / kTile; ++ty)
            for (int tx = d.x / kTile; tx <= (d.x + d.w - 1) / kTile; ++tx) {
                uint8_t& c = changed[static_cast<size_t>(ty * cols + tx)];
                if (c) continue;
                const int x0 = tx * kTile, y0 = ty * kTile;
                const int w = std::min(kTile, width_ - x0), h = std::min(kTile, height_ - y0);
                const size_t bytes = static_cast<size_t>(w) * 4;
                for (int y = y0; y < y0 + h; ++y) {
                    const unsigned char* now = data + static_cast<long>(y) * stride + x0 * 4;
                    unsigned char* was = shown_.data() + row_bytes * static_cast<size_t>(y) +
                                         static_cast<size_t>(x0) * 4;
                    if (c || std::memcmp(now, was, bytes) != 0) {
                        c = 1;
                        std::memcpy(was, now, bytes);
                    }
                }
            }
    std::vector<PixelRect> parts;
    for (int ty = 0; ty < rows; ++ty)
        for (int tx = 0; tx < cols;) {
            if (!changed[static_cast<size_t>(ty * cols + tx)]) {
                ++tx;
                continue;
            }
            const int from = tx;
            while (tx < cols && changed[static_cast<size_t>(ty * cols + tx)]) ++tx;
            AddPart(parts, Clamp(PixelRect{from * kTile, ty * kTile, (tx - from) * kTile, kTile},
                                 PixelRect{0, 0, width_, height_}));
        }
    return parts;
}

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

PixelRect CairoCanvas::PaintInto(const TargetPixels& t, const Placement& at,
                                 const PixelRect& part) {
    const double s = at.scale;
    if (s <= 0) return {};
    // A smoothed target pixel reads the canvas pixels around it too.
    const double pad = s < 1 ? std::ceil(1 / s) + 1 : 2;
    const int x0 = static_cast<int>(std::floor(at.area.x + (part.x - pad) * s));
    const int y0 = static_cast<int>(std::floor(at.area.y + (part.y - pad) * s));
    const int x1 = static_cast<int>(std::ceil(at.area.x + (part.x + part.w + pad) * s));
    const int y1 = static_cast<int>(std::ceil(at.area.y + (part.y + part.h + pad) * s));
    const PixelRect r = Clamp(Clamp(PixelRect{x0, y0, x1 - x0, y1 - y0}, at.area),
                              PixelRect{0, 0, t.w, t.h});
    if (r.Empty()) return {};
    cairo_surface_flush(surface_);
    cairo_surface_t* dst =
        cairo_image_surface_create_for_data(t.data, CAIRO_FORMAT_RGB24, t.w, t.h, t.stride);
    cairo_t* cr = cairo_create(dst);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
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
    return r;
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

bool CairoCanvas::WritePng(const std::string& path) {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

const unsigned char* CairoCanvas::Pixels() {
    cairo_surface_flush(surface_);
    return cairo_image_surface_get_data(surface_);
}

int CairoCanvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

Rgb CairoCanvas::PixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
    const unsigned char* p = Pixels() + static_cast<long>(y) * Stride() + x * 4;
    return {p[2], p[1], p[0]};
}

}  // namespace vm
