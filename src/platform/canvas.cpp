// The canvas and its drawing of shapes; its texts, the tracking of what it
// drew and its painting into a window have files of their own.
#include "platform/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

#include "platform/canvas_cairo.h"
#include "platform/colours.h"

namespace vm {

const std::array<Rgb, 16>& Palette() {
    static const std::array<Rgb, 16> p = [] {
        std::array<Rgb, 16> c{};
        c[kBlack] = {0, 0, 0};            // normal text
        c[kNavy] = {0, 0, 128};
        c[kDarkRed] = {150, 0, 0};
        c[kBlue] = {0, 0, 255};           // labels and emphasis
        c[kDeepNavy] = {0, 32, 96};       // step-wait and key-prompt fill
        c[kRed] = {200, 0, 0};            // results and typed digits
        c[kBrown] = {150, 90, 0};
        c[kPurple] = {140, 0, 170};       // headings
        c[kDarkGrey] = {80, 80, 80};
        c[kGreen] = {0, 165, 0};          // prompt text
        c[kDarkTeal] = {0, 80, 80};       // menu panel
        c[kCyan] = {0, 170, 200};
        c[kPlum] = {90, 0, 90};           // repeat-gate fill
        c[kAmber] = {245, 150, 0};        // borders, menu items, errors; red and black read on it
        c[kLightGrey] = {190, 190, 190};
        c[kWhite] = {255, 255, 255};      // background
        return c;
    }();
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
      cr_(cairo_create(surface_)),
      touched_(static_cast<size_t>(Tiles(width) * Tiles(height)), 0),
      drawn_on_(touched_.size(), 0) {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    // Shapes are drawn without antialiasing: the programs erase by drawing
    // the same box again in the background colour, and soft edges would
    // leave a faint outline behind. Text keeps its smooth edges.
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    SetColour(kBackground);
    cairo_paint(cr_);
}

CairoCanvas::~CairoCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void CairoCanvas::SetColour(int colour) { SourceColour(cr_, colour); }

void SourceColour(cairo_t* cr, int colour) {
    const Rgb c = Palette()[static_cast<size_t>(colour & 15)];
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
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
    if (op.kind == Op::Dot) {
        QueueDot(op);
        return;
    }
    Settle();
    cairo_new_path(cr_);
    const int pen = std::max(1, op.width);
    cairo_set_line_width(cr_, pen);
    if (op.kind == Op::Clear) {
        SetColour(kBackground);
        cairo_paint(cr_);
        Blanked(0, 0, width_, height_, 0, PixelRect{0, 0, width_, height_});
        return;
    }
    if (op.kind == Op::Text) {
        DrawText(op);
        return;
    }
    Path(op);
    double x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    if (op.kind == Op::FillBox && (op.fill & 15) == kBackground &&
        (op.colour & 15) == kBackground) {
        // A box filled and outlined in the background colour (how the
        // programs clear the screen or a part of it) leaves the background
        // in every whole pixel inside it.
        const auto in = [](double v) { return static_cast<int>(std::clamp(v, -1e6, 1e6)); };
        const int bx0 = in(std::ceil(x0)), by0 = in(std::ceil(y0));
        Blanked(x0, y0, x1, y1, pen / 2.0 + 1,
                PixelRect{bx0, by0, in(std::floor(x1)) - bx0, in(std::floor(y1)) - by0});
    } else {
        Damage(x0, y0, x1, y1, pen / 2.0 + 1);
    }
    switch (op.kind) {
        case Op::FillBox:
        case Op::Sector:
        case Op::FillPolygon:
            SetColour(op.fill);
            cairo_fill_preserve(cr_);
            SetColour(op.colour);
            cairo_stroke(cr_);
            return;
        default:
            SetColour(op.colour);
            cairo_stroke(cr_);
            return;
    }
}

namespace {

// A run of dots is drawn at this length at the latest, so that what waits
// stays small.
constexpr size_t kDotRun = 4096;

// Pixel rows or columns [first, last] whose centres lie within half of c,
// cut to [0, size): empty when first > last. Places far off the canvas
// are cut before they are made whole numbers.
std::pair<int, int> Within(double c, double half, int size) {
    const double lo = std::clamp(std::ceil(c - half - 0.5), -1.0, static_cast<double>(size));
    const double hi = std::clamp(std::floor(c + half - 0.5), -1.0, static_cast<double>(size));
    return {std::max(0, static_cast<int>(lo)), std::min(size - 1, static_cast<int>(hi))};
}

}  // namespace

void CairoCanvas::QueueDot(const Op& op) {
    if (!dots_.empty() && ((op.colour & 15) != (dot_colour_ & 15) || dots_.size() >= kDotRun))
        FillDots();
    // A filled circle outlined with the pen: one disc reaching half the
    // pen's width beyond the radius, so a dot of radius 0.5 comes out the
    // size of the pen.
    const int pen = std::max(1, op.width);
    const double r = std::max(0.0f, op.r) + pen / 2.0;
    dots_.push_back(Disc{op.x1, op.y1, r});
    dot_colour_ = op.colour;
    Damage(op.x1 - r, op.y1 - r, op.x1 + r, op.y1 + r, pen / 2.0 + 1);
}

// A dot is the pixels whose centres lie within its radius, set to the
// colour's one opaque value, as shapes are drawn without antialiasing. They
// are set here rather than by cairo, which builds, flattens and scans a
// curved outline for every dot: most of a scene that plots a curve as
// thousands of dots went into that.
void CairoCanvas::FillDots() {
    const uint32_t ink = Ink(dot_colour_);
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const long stride = cairo_image_surface_get_stride(surface_);
    int x0 = width_, y0 = height_, x1 = -1, y1 = -1;  // the pixels set
    for (const Disc& d : dots_) {
        if (!(std::isfinite(d.x) && std::isfinite(d.y) && std::isfinite(d.r))) continue;
        const auto [top, bottom] = Within(d.y, d.r, height_);
        for (int y = top; y <= bottom; ++y) {
            const double dy = y + 0.5 - d.y;
            const auto [from, to] = Within(d.x, std::sqrt(std::max(0.0, d.r * d.r - dy * dy)), width_);
            if (from > to) continue;
            auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
            std::fill(row + from, row + to + 1, ink);
            x0 = std::min(x0, from);
            x1 = std::max(x1, to);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    if (x1 >= x0) cairo_surface_mark_dirty_rectangle(surface_, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    dots_.clear();
}

void CairoCanvas::Settle() {
    if (!dots_.empty()) FillDots();
    cairo_surface_flush(surface_);
}

bool CairoCanvas::WritePng(const std::string& path) {
    Settle();
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

const unsigned char* CairoCanvas::Pixels() {
    Settle();
    return cairo_image_surface_get_data(surface_);
}

int CairoCanvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

Rgb CairoCanvas::PixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
    const unsigned char* p = Pixels() + static_cast<long>(y) * Stride() + x * 4;
    return {p[2], p[1], p[0]};
}

}  // namespace vm
