// Where the canvas shows in a window, and its painting there, scaled.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/canvas_cairo.h"

namespace vm {

Placement FitCanvas(int canvas_w, int canvas_h, int target_w, int target_h) {
    Placement p;
    if (canvas_w <= 0 || canvas_h <= 0 || target_w <= 0 || target_h <= 0) return p;
    const double fit = std::min(static_cast<double>(target_w) / canvas_w,
                                static_cast<double>(target_h) / canvas_h);
    // The scale is taken a little smaller, so that a target pixel's place on
    // the canvas is a whole number of 1/512 pixels: the smoothing then gives
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

// Where target pixels fall on the canvas along one axis, enlarged by 256/k
// (k < 256): the canvas pixel before the place and the weight out of 256 of
// the one after it, which always exists. Places are whole 1/512 pixels, so
// this is exact and a target pixel's value depends on its place alone.
struct Tap {
    int at;
    uint32_t w;
};

Tap Locate(int target, int k, int size) {
    // The target pixel's centre on the canvas, less half a pixel, in 1/512
    // pixels: the two canvas pixels whose centres are either side of it.
    const int place = (2 * target + 1) * k - 256;
    const int at = place >> 9;  // rounds down, before the picture too
    // Outside the canvas's centres the edge pixel repeats outward: it alone
    // counts.
    if (at < 0) return {0, 0};
    if (at >= size - 1) return {size - 2, 256};
    return {at, static_cast<uint32_t>(((place & 511) + 1) >> 1)};
}

// Two channels of a pixel at a time: blue and red, or green and the top
// byte, each in the low byte of a 16-bit half.
constexpr uint32_t kLow = 0x00ff00ffu;

// a + (b - a) * w / 256, rounded, for both halves at once. Each half of
// a * (256 - w) + b * w lies in 0..65280, so the product taken modulo 2^32
// is the exact sum and no half borrows from the other.
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t w) {
    return (((a << 8) + (b - a) * w + 0x00800080u) >> 8) & kLow;
}

// A pixel's blend with the next, w of 256 the next's.
inline uint32_t Blend(uint32_t a, uint32_t b, uint32_t w) {
    return Mix(a & kLow, b & kLow, w) | Mix((a >> 8) & kLow, (b >> 8) & kLow, w) << 8;
}

// Pixels are looked at in stretches of this many: most stretches of a
// picture are of one colour, or alike in two rows, and cost no blending.
constexpr int kStretch = 16;

// Blends a stretch of two rows as Blend does, a channel at a time: the
// compiler does many channels at once. (The sum of a channel lies in
// 0..65280 and is taken modulo 2^16 exactly.)
void BlendStretch(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out) {
    const auto* a8 = reinterpret_cast<const uint8_t*>(a);
    const auto* b8 = reinterpret_cast<const uint8_t*>(b);
    auto* o8 = reinterpret_cast<uint8_t*>(out);
    const auto wa = static_cast<uint16_t>(256 - w), wb = static_cast<uint16_t>(w);
    for (int i = 0; i < 4 * kStretch; ++i)
        o8[i] = static_cast<uint8_t>(
            static_cast<uint16_t>(static_cast<uint16_t>(a8[i] * wa) +
                                  static_cast<uint16_t>(b8[i] * wb) + 128) >> 8);
}

// Blends a stretch of pixels each with the next, pixel i's weight the four
// in w from 4 * i on, as BlendStretch does.
void BlendAcross(const uint32_t* a, const uint32_t* b, const uint16_t* w, uint32_t* out) {
    const auto* a8 = reinterpret_cast<const uint8_t*>(a);
    const auto* b8 = reinterpret_cast<const uint8_t*>(b);
    auto* o8 = reinterpret_cast<uint8_t*>(out);
    for (int i = 0; i < 4 * kStretch; ++i)
        o8[i] = static_cast<uint8_t>(
            static_cast<uint16_t>(static_cast<uint16_t>(a8[i] * (256 - w[i])) +
                                  static_cast<uint16_t>(b8[i] * w[i]) + 128) >> 8);
}

// Whether the n pixels from a on equal those from b on. (Of fixed length,
// the loop compares many at once.)
template <int n>
bool Alike(const uint32_t* a, const uint32_t* b) {
    uint32_t differ = 0;
    for (int i = 0; i < n; ++i) differ |= a[i] ^ b[i];
    return differ == 0;
}

// Whether the n pixels from p on are all p[0].
template <int n>
bool OneColour(const uint32_t* p) {
    uint32_t differ = 0;
    for (int i = 1; i < n; ++i) differ |= p[i] ^ p[0];
    return differ == 0;
}

// Where two rows of n pixels differ: the first pixel and one past the last,
// or n, n when they do not. Halving with memcmp looks at about as many
// bytes as one memcmp of the rows.
std::pair<size_t, size_t> Differ(const uint32_t* a, const uint32_t* b, size_t n) {
    if (std::memcmp(a, b, n * 4) == 0) return {n, n};
    // The first difference lies in [lo, hi).
    size_t lo = 0, hi = n;
    while (hi - lo > 8) {
        const size_t mid = lo + (hi - lo) / 2;
        if (std::memcmp(a + lo, b + lo, (mid - lo) * 4) == 0) lo = mid;
        else hi = mid;
    }
    while (a[lo] == b[lo]) ++lo;
    const size_t first = lo;
    // The last lies in [lo, hi), from the first on.
    hi = n;
    while (hi - lo > 8) {
        const size_t mid = lo + (hi - lo) / 2;
        if (std::memcmp(a + mid, b + mid, (hi - mid) * 4) == 0) hi = mid;
        else lo = mid;
    }
    while (a[hi - 1] == b[hi - 1]) --hi;
    return {first, hi};
}

// The canvas enlarged by 256/k into the target, each target pixel blended
// from the four canvas pixels around its centre's place: across each canvas
// row into a line first, then down between two lines. Blending pixels of
// one colour gives exactly that colour, so where the four are alike nothing
// is blended: a row as the one above it gives the same line, a line is
// worked out only where its row differs from the one above, and stretches of
// one colour are filled.
class Enlarger {
public:
    Enlarger(const uint32_t* canvas, size_t stride, int w, int h, const TargetPixels& t,
             const Placement& at, int k, int x_begin, int x_end)
        : canvas_(canvas), stride_(stride), w_(w), h_(h), t_(t), at_(at), k_(k),
          x_begin_(x_begin), cols_(static_cast<size_t>(x_end - x_begin)) {
        // The columns' taps do not change from row to row.
        for (int x = x_begin; x < x_end; ++x)
            cols_[static_cast<size_t>(x - x_begin)] = Locate(x - at.area.x, k, w);
        weights_.reserve(4 * cols_.size());
        for (const Tap& c : cols_) weights_.insert(weights_.end(), 4, static_cast<uint16_t>(c.w));
    }

    // Paints the target pixels of r, inside the picture's area.
    void Paint(const PixelRect& r) {
        n_ = r.w;
        c_ = cols_.data() + (r.x - x_begin_);
        w4_ = weights_.data() + 4 * (r.x - x_begin_);
        first_ = c_[0].at;
        last_ = c_[n_ - 1].at + 1;
        for (auto& s : store_) s.resize(static_cast<size_t>(n_));
        top_ = bottom_ = Line{};
        for (int y = r.y; y < r.y + r.h; ++y) {
            const Tap row = Locate(y - at_.area.y, k_, h_);
            if (bottom_.row == row.at) {
                top_ = bottom_;
            } else if (top_.row != row.at) {
                top_ = Across(row.at, Line{});
            }
            if (bottom_.row != row.at + 1) bottom_ = Across(row.at + 1, top_);
            Down(row.w, reinterpret_cast<uint32_t*>(t_.data + static_cast<size_t>(y) * t_.stride) +
                            r.x);
        }
    }

private:
    // A canvas row enlarged across the part's columns; it differs from the
    // line of the row above only in columns [from, to).
    struct Line {
        int row = -1;
        const uint32_t* px = nullptr;
        int from = 0, to = 0;
    };

    const uint32_t* CanvasRow(int y) const { return canvas_ + static_cast<size_t>(y) * stride_; }

    // Canvas row y enlarged across, kept apart from `above`, the line of the
    // row above if it has one.
    Line Across(int y, const Line& above) {
        const uint32_t* src = CanvasRow(y);
        int from = 0, to = n_;
        uint32_t* out = store_[0].data() == above.px ? store_[1].data() : store_[0].data();
        if (above.px != nullptr) {
            // Most of a row is as the row above it (all of most rows): there
            // the line is the same.
            const auto d = Differ(src + first_, CanvasRow(y - 1) + first_,
                                  static_cast<size_t>(last_ - first_ + 1));
            if (d.first == d.second) return {y, above.px, 0, 0};
            // The columns that read a canvas pixel in [d0, d1).
            const int d0 = first_ + static_cast<int>(d.first);
            const int d1 = first_ + static_cast<int>(d.second);
            const Tap* c = c_;
            from = static_cast<int>(
                std::partition_point(c, c + n_, [d0](const Tap& t) { return t.at + 1 < d0; }) - c);
            to = static_cast<int>(
                std::partition_point(c, c + n_, [d1](const Tap& t) { return t.at < d1; }) - c);
            std::copy(above.px, above.px + from, out);
            std::copy(above.px + to, above.px + n_, out + to);
        }
        int x = from;
        for (; x + kStretch <= to; x += kStretch) {
            // A stretch reads fewer than kStretch + 2 canvas pixels.
            const int j = c_[x].at;
            if (j + kStretch + 2 <= w_ && OneColour<kStretch + 2>(src + j)) {
                std::fill_n(out + x, kStretch, src[j]);
                continue;
            }
            uint32_t a[kStretch], b[kStretch];
            for (int i = 0; i < kStretch; ++i) {
                a[i] = src[c_[x + i].at];
                b[i] = src[c_[x + i].at + 1];
            }
            BlendAcross(a, b, w4_ + 4 * x, out + x);
        }
        for (; x < to; ++x) out[x] = Blend(src[c_[x].at], src[c_[x].at + 1], c_[x].w);
        return {y, out, from, to};
    }

    // The target row blended from the two lines, w of 256 the lower's.
    void Down(uint32_t w, uint32_t* out) const {
        const uint32_t* a = top_.px;
        const uint32_t* b = bottom_.px;
        // Where the lines are the same, so is the blend.
        const int from = bottom_.from, to = bottom_.to;
        std::copy(a, a + from, out);
        std::copy(a + to, a + n_, out + to);
        int x = from;
        for (; x + kStretch <= to; x += kStretch) {
            if (Alike<kStretch>(a + x, b + x))
                std::copy_n(a + x, kStretch, out + x);
            else
                BlendStretch(a + x, b + x, w, out + x);
        }
        for (; x < to; ++x) out[x] = Blend(a[x], b[x], w);
    }

    const uint32_t* canvas_;
    size_t stride_;
    int w_, h_;
    const TargetPixels& t_;
    const Placement& at_;
    int k_, x_begin_;
    std::vector<Tap> cols_;
    std::vector<uint16_t> weights_;  // each column's weight four times over
    // The part being painted: its columns' taps, and the canvas columns
    // they read.
    const Tap* c_ = nullptr;
    const uint16_t* w4_ = nullptr;
    int n_ = 0, first_ = 0, last_ = 0;
    std::vector<uint32_t> store_[2];
    Line top_, bottom_;
};

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
    // Enlarging is done here rather than by cairo: the same bilinear blend,
    // but cairo works out every pixel in full, which cost more than half of
    // a scaled window's steps, while most of a picture needs no blending.
    const int k = static_cast<int>(std::lround(256 / s));
    if (s > 1 && 256.0 / k == s && width_ > 1 && height_ > 1) {
        const auto* canvas =
            reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface_));
        int x_begin = t.w, x_end = 0;
        for (const PixelRect& r : painted) {
            x_begin = std::min(x_begin, r.x);
            x_end = std::max(x_end, r.x + r.w);
        }
        Enlarger e(canvas, static_cast<size_t>(Stride()) / 4, width_, height_, t, at, k, x_begin,
                   x_end);
        // Parts lie apart (the canvas joins those close together); where
        // any overlap, the pixels are painted again, the same.
        for (const PixelRect& r : painted) e.Paint(r);
        return painted;
    }
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
