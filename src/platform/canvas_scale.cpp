// Where the canvas shows in a window, and its painting there, scaled.
#include <cairo.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// AVX2 is not in the baseline x86 build: its kernels are compiled for it
// alone and used where the processor has it.
#if defined(__SSE2__) && (defined(__x86_64__) || defined(__i386__))
#define VM_ENLARGE_AVX2 1
#include <immintrin.h>
#endif

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
    // A smoothed target pixel reads the canvas pixels around it too. An
    // enlarged one reads the two either side of its centre's place, so the
    // pixels of the canvas column (or row) before the part reach into it by
    // less than a canvas pixel.
    const double pad = s < 1 ? std::ceil(1 / s) + 1 : s > 1 ? 1 : 2;
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

// A weight of 256 as the AVX2 blend takes it: w * 128, of which the
// rounded high half of the product with b - a is ((b - a) * w + 128) >> 8
// rounded down, as Mix works it out; 256 is taken as 32767, which gives
// b - a exactly for any difference of bytes.
constexpr int16_t Sharp(uint32_t w) { return static_cast<int16_t>(w >= 256 ? 32767 : w * 128); }

// Pixels are looked at in stretches of this many: most stretches of a
// picture are of one colour, or alike in two rows, and cost no blending.
constexpr int kStretch = 16;
// The checks below look at a stretch as four sets of four pixels, and
// Differing gives its pixels as the 16 bits of a number.
static_assert(kStretch == 16);

#if defined(__SSE2__)

// Four pixels of a blended with those of b, weights of 256 for b's
// channels in w_lo (pixels 0 and 1) and w_hi (2 and 3), as Mix does: each
// channel a * 256 + 128 + (b - a) * w in a 16-bit lane, whose sum modulo
// 2^16 is exact as it lies in 0..65408. (a * 256 + 128 is a's byte put
// above a byte of 128.)
inline __m128i Mix4(__m128i a, __m128i b, __m128i w_lo, __m128i w_hi) {
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi8(-128);
    const __m128i lo = _mm_add_epi16(
        _mm_unpacklo_epi8(half, a),
        _mm_mullo_epi16(_mm_sub_epi16(_mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(a, zero)),
                        w_lo));
    const __m128i hi = _mm_add_epi16(
        _mm_unpackhi_epi8(half, a),
        _mm_mullo_epi16(_mm_sub_epi16(_mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(a, zero)),
                        w_hi));
    return _mm_packus_epi16(_mm_srli_epi16(lo, 8), _mm_srli_epi16(hi, 8));
}

inline __m128i Load4(const uint32_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store4(uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Four target pixels of a line, each blended from the canvas pixel at[i]
// of src and the one after it: the two are next to each other, so one
// 8-byte load fetches both.
inline void Across4(const uint32_t* src, const int32_t* at, const uint16_t* w4, uint32_t* out) {
    const auto pair = [src](int32_t j) {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + j));
    };
    const __m128i ab01 = _mm_unpacklo_epi32(pair(at[0]), pair(at[1]));  // a0 a1 b0 b1
    const __m128i ab23 = _mm_unpacklo_epi32(pair(at[2]), pair(at[3]));
    Store4(out, Mix4(_mm_unpacklo_epi64(ab01, ab23), _mm_unpackhi_epi64(ab01, ab23),
                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(w4)),
                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(w4 + 8))));
}

// Whether the kStretch + 2 pixels from p on are all p[0].
inline bool OneColour(const uint32_t* p) {
    const __m128i c = _mm_set1_epi32(static_cast<int>(p[0]));
    __m128i same = _mm_cmpeq_epi32(Load4(p + 14), c);
    for (int i = 0; i < kStretch; i += 4)
        same = _mm_and_si128(same, _mm_cmpeq_epi32(Load4(p + i), c));
    return _mm_movemask_epi8(same) == 0xffff;
}

// A stretch of a target row blended from two lines, w of 256 the lower's
// (in every 16-bit lane). The stretch is looked at whole, as the loads are
// needed for the blend anyway: alike in the two lines, it is copied.
inline void DownStretch(const uint32_t* a, const uint32_t* b, __m128i w, uint32_t* out) {
    __m128i va[kStretch / 4], vb[kStretch / 4];
    __m128i same = _mm_set1_epi32(-1);
    for (int i = 0; i < kStretch / 4; ++i) {
        va[i] = Load4(a + 4 * i);
        vb[i] = Load4(b + 4 * i);
        same = _mm_and_si128(same, _mm_cmpeq_epi32(va[i], vb[i]));
    }
    if (_mm_movemask_epi8(same) == 0xffff) {
        for (int i = 0; i < kStretch / 4; ++i) Store4(out + 4 * i, va[i]);
    } else {
        for (int i = 0; i < kStretch / 4; ++i) Store4(out + 4 * i, Mix4(va[i], vb[i], w, w));
    }
}

// Four pixels of a target row blended from two lines.
inline void Down4(const uint32_t* a, const uint32_t* b, __m128i w, uint32_t* out) {
    Store4(out, Mix4(Load4(a), Load4(b), w, w));
}

// Whether the kStretch pixels from a on equal those from b on.
inline bool Alike(const uint32_t* a, const uint32_t* b) {
    __m128i same = _mm_set1_epi32(-1);
    for (int i = 0; i < kStretch; i += 4)
        same = _mm_and_si128(same, _mm_cmpeq_epi32(Load4(a + i), Load4(b + i)));
    return _mm_movemask_epi8(same) == 0xffff;
}

// Of the kStretch pixels from a and from b on, those that differ: a bit
// each, pixel 0 the lowest.
inline uint16_t Differing(const uint32_t* a, const uint32_t* b) {
    unsigned same = 0;
    for (int i = 0; i < kStretch; i += 4)
        same |= static_cast<unsigned>(_mm_movemask_ps(
                    _mm_castsi128_ps(_mm_cmpeq_epi32(Load4(a + i), Load4(b + i)))))
                << i;
    return static_cast<uint16_t>(~same);
}

#else

// Without SSE2 the same, a pixel at a time.
inline void Across4(const uint32_t* src, const int32_t* at, const uint16_t* w4, uint32_t* out) {
    for (int i = 0; i < 4; ++i) out[i] = Blend(src[at[i]], src[at[i] + 1], w4[4 * i]);
}

inline bool OneColour(const uint32_t* p) {
    uint32_t differ = 0;
    for (int i = 1; i < kStretch + 2; ++i) differ |= p[i] ^ p[0];
    return differ == 0;
}

inline bool Alike(const uint32_t* a, const uint32_t* b) {
    uint32_t differ = 0;
    for (int i = 0; i < kStretch; ++i) differ |= a[i] ^ b[i];
    return differ == 0;
}

inline uint16_t Differing(const uint32_t* a, const uint32_t* b) {
    unsigned differ = 0;
    for (int i = 0; i < kStretch; ++i) differ |= static_cast<unsigned>(a[i] != b[i]) << i;
    return static_cast<uint16_t>(differ);
}

inline void DownStretch(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out) {
    if (Alike(a, b))
        std::copy_n(a, kStretch, out);
    else
        for (int i = 0; i < kStretch; ++i) out[i] = Blend(a[i], b[i], w);
}

inline void Down4(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out) {
    for (int i = 0; i < 4; ++i) out[i] = Blend(a[i], b[i], w);
}

#endif

// A line's pixels [from, to) blended across from canvas row src, w pixels
// wide; c and w4 are the columns' taps, ws the weights as Sharp gives them
// for kernels that take those. Wide::Across blends a stretch whose
// kStretch + 2 canvas pixels from the first one read on lie in the row.
template <class Wide>
void AcrossSpan(const uint32_t* src, int w, const int32_t* c, const uint16_t* w4,
                const int16_t* ws, int from, int to, uint32_t* out) {
    int x = from;
    for (; x + kStretch <= to; x += kStretch) {
        // A stretch reads fewer than kStretch + 2 canvas pixels.
        const int j = c[x];
        if (j + kStretch + 2 <= w) {
            if constexpr (Wide::kBlendsAll)
                Wide::Across(src, c + x, ws + 4 * x, out + x);
            else if (OneColour(src + j))
                std::fill_n(out + x, kStretch, src[j]);
            else
                Wide::Across(src, c + x, w4 + 4 * x, out + x);
            continue;
        }
        for (int i = x; i < x + kStretch; i += 4) Across4(src, c + i, w4 + 4 * i, out + i);
    }
    for (; x + 4 <= to; x += 4) Across4(src, c + x, w4 + 4 * x, out + x);
    // The last few pixels are worked out four at once, some of them
    // again, unless there are fewer than four.
    if (x < to && to - from >= 4) {
        Across4(src, c + to - 4, w4 + 4 * (to - 4), out + to - 4);
        x = to;
    }
    for (; x < to; ++x) out[x] = Blend(src[c[x]], src[c[x] + 1], w4[4 * x]);
}

// A target row's pixels [from, to) blended from lines a and b, w of 256
// b's, a stretch at a time by Wide::Down.
template <class Wide>
void DownSpan(const uint32_t* a, const uint32_t* b, uint32_t w, int from, int to, uint32_t* out) {
#if defined(__SSE2__)
    const __m128i ws = _mm_set1_epi16(static_cast<int16_t>(w));
#else
    const uint32_t ws = w;
#endif
    int x = from;
    for (; x + kStretch <= to; x += kStretch) Wide::Down(a + x, b + x, w, out + x);
    for (; x + 4 <= to; x += 4) Down4(a + x, b + x, ws, out + x);
    if (x < to && to - from >= 4) {
        Down4(a + to - 4, b + to - 4, ws, out + to - 4);
        x = to;
    }
    for (; x < to; ++x) out[x] = Blend(a[x], b[x], w);
}

// Stretches four pixels at a time.
struct Narrow {
    static constexpr bool kBlendsAll = false;
    static void Across(const uint32_t* src, const int32_t* c, const uint16_t* w4, uint32_t* out) {
        for (int i = 0; i < kStretch; i += 4) Across4(src, c + i, w4 + 4 * i, out + i);
    }
    static void Down(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out) {
#if defined(__SSE2__)
        DownStretch(a, b, _mm_set1_epi16(static_cast<int16_t>(w)), out);
#else
        DownStretch(a, b, w, out);
#endif
    }
};

#if defined(VM_ENLARGE_AVX2)

[[gnu::target("avx2")]] inline __m256i Load8(const void* p) {
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}

[[gnu::target("avx2")]] inline __m256i Halves(const uint16_t* lo, const uint16_t* hi) {
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(lo))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(hi)), 1);
}

// Mix for eight pixels, with weights as Sharp gives them. Unpacking and
// packing work within each 128-bit half, so w_lo holds the weights of
// pixels 0, 1, 4 and 5 and w_hi those of 2, 3, 6 and 7, and the pixels come
// out in their order.
[[gnu::target("avx2")]] inline __m256i Mix8(__m256i a, __m256i b, __m256i w_lo, __m256i w_hi) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alo = _mm256_unpacklo_epi8(a, zero), ahi = _mm256_unpackhi_epi8(a, zero);
    const __m256i lo = _mm256_add_epi16(
        alo, _mm256_mulhrs_epi16(_mm256_sub_epi16(_mm256_unpacklo_epi8(b, zero), alo), w_lo));
    const __m256i hi = _mm256_add_epi16(
        ahi, _mm256_mulhrs_epi16(_mm256_sub_epi16(_mm256_unpackhi_epi8(b, zero), ahi), w_hi));
    return _mm256_packus_epi16(lo, hi);
}

// Stretches eight pixels at a time.
struct Wide8 {
    // Every pixel is blended, of one colour or alike in two lines or not:
    // blending such pixels gives them unchanged, and costs less than
    // looking for them does where they come and go, as in text, and the
    // processor guesses wrong which way each set of eight goes.
    static constexpr bool kBlendsAll = true;
    // A column's place is k/256 of a canvas pixel on from the one before,
    // so the canvas pixels before eight columns lie among the eight from
    // at[0] on: one shuffle across the lanes gathers them, another the
    // pixels after them, from the eight from at[0] + 1 on. Those nine canvas
    // pixels must lie in the row.
    [[gnu::target("avx2")]] static void Across8(const uint32_t* src, const int32_t* at,
                                                const int16_t* w4, uint32_t* out) {
        const __m256i p = Load8(src + at[0]), q = Load8(src + at[0] + 1);
        auto* o = reinterpret_cast<__m256i*>(out);
        const __m256i i = _mm256_sub_epi32(Load8(at), _mm256_set1_epi32(at[0]));
        const __m256i a = _mm256_permutevar8x32_epi32(p, i);
        const __m256i b = _mm256_permutevar8x32_epi32(q, i);
        const auto* w = reinterpret_cast<const uint16_t*>(w4);
        _mm256_storeu_si256(o, Mix8(a, b, Halves(w, w + 16), Halves(w + 8, w + 24)));
    }
    [[gnu::target("avx2")]] static void Across(const uint32_t* src, const int32_t* c,
                                               const int16_t* w4, uint32_t* out) {
        Across8(src, c, w4, out);
        Across8(src, c + 8, w4 + 32, out + 8);
    }
    [[gnu::target("avx2")]] static void Down8(const uint32_t* a, const uint32_t* b, __m256i ws,
                                              uint32_t* out) {
        const __m256i va = Load8(a), vb = Load8(b);
        auto* o = reinterpret_cast<__m256i*>(out);
        _mm256_storeu_si256(o, Mix8(va, vb, ws, ws));
    }
    [[gnu::target("avx2")]] static void Down(const uint32_t* a, const uint32_t* b, uint32_t w,
                                             uint32_t* out) {
        const __m256i ws = _mm256_set1_epi16(Sharp(w));
        Down8(a, b, ws, out);
        Down8(a + 8, b + 8, ws, out + 8);
    }
};

// The loops compiled for AVX2, with all they call worked into them. The
// kernels pass pointers, not vectors, so no 256-bit value is handed to code
// of the baseline build even where it is not inlined.
[[gnu::target("avx2"), gnu::flatten]] void AcrossSpanWide(const uint32_t* src, int w,
                                                          const int32_t* c, const uint16_t* w4,
                                                          const int16_t* ws, int from, int to,
                                                          uint32_t* out) {
    AcrossSpan<Wide8>(src, w, c, w4, ws, from, to, out);
}

[[gnu::target("avx2"), gnu::flatten]] void DownSpanWide(const uint32_t* a, const uint32_t* b,
                                                        uint32_t w, int from, int to,
                                                        uint32_t* out) {
    DownSpan<Wide8>(a, b, w, from, to, out);
}

// Which of eight pixels of a and b are alike: a bit each, pixel 0 the lowest.
[[gnu::target("avx2")]] inline unsigned Same8(const uint32_t* a, const uint32_t* b) {
    return static_cast<unsigned>(
        _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(Load8(a), Load8(b)))));
}

// Differ with AVX2: the rows are gone through from the start as fast as
// memcmp goes, which also tells where they first differ, and from the end
// in.
[[gnu::target("avx2")]] std::pair<size_t, size_t> DifferWide(const uint32_t* a, const uint32_t* b,
                                                              size_t n) {
    size_t first = 0;
    for (; first + 32 <= n; first += 32) {
        const __m256i e = _mm256_and_si256(
            _mm256_and_si256(_mm256_cmpeq_epi32(Load8(a + first), Load8(b + first)),
                             _mm256_cmpeq_epi32(Load8(a + first + 8), Load8(b + first + 8))),
            _mm256_and_si256(_mm256_cmpeq_epi32(Load8(a + first + 16), Load8(b + first + 16)),
                             _mm256_cmpeq_epi32(Load8(a + first + 24), Load8(b + first + 24))));
        if (_mm256_movemask_epi8(e) != -1) break;
    }
    for (; first + 8 <= n; first += 8) {
        const unsigned same = Same8(a + first, b + first);
        if (same != 0xff) {
            first += static_cast<size_t>(std::countr_one(same));
            break;
        }
    }
    if (first + 8 > n)
        while (first < n && a[first] == b[first]) ++first;
    if (first == n) return {n, n};
    size_t last = n;
    for (; last >= first + 8; last -= 8) {
        const unsigned same = Same8(a + last - 8, b + last - 8);
        if (same != 0xff) {
            last -= static_cast<size_t>(std::countl_one(same << 24));
            return {first, last};
        }
    }
    while (a[last - 1] == b[last - 1]) --last;
    return {first, last};
}

#endif

// The loops an enlarging runs: the widest the processor has, asked when an
// enlarger is made (a load and a test).
struct Kernels {
    void (*across)(const uint32_t*, int, const int32_t*, const uint16_t*, const int16_t*, int, int,
                   uint32_t*);
    void (*down)(const uint32_t*, const uint32_t*, uint32_t, int, int, uint32_t*);
    std::pair<size_t, size_t> (*differ)(const uint32_t*, const uint32_t*, size_t);
};

// Where two rows of n pixels differ: the first pixel and one past the last,
// or n, n when they do not. Most rows are as the row above, which one
// memcmp tells fastest; in a row that is not, the differences mostly lie
// near the ends of the part painted, so they are looked for from the ends
// in.
std::pair<size_t, size_t> Differ(const uint32_t* a, const uint32_t* b, size_t n) {
    if (std::memcmp(a, b, n * 4) == 0) return {n, n};
    size_t first = 0;
    while (first + kStretch <= n && Alike(a + first, b + first)) first += kStretch;
    if (first + kStretch <= n)
        first += static_cast<size_t>(std::countr_zero(Differing(a + first, b + first)));
    else
        while (a[first] == b[first]) ++first;
    size_t last = n;
    while (last >= first + kStretch && Alike(a + last - kStretch, b + last - kStretch))
        last -= kStretch;
    if (last >= first + kStretch)
        last -= static_cast<size_t>(
            std::countl_zero(Differing(a + last - kStretch, b + last - kStretch)));
    else
        while (a[last - 1] == b[last - 1]) --last;
    return {first, last};
}

Kernels ChooseKernels(bool wide) {
#if defined(VM_ENLARGE_AVX2)
    if (wide && __builtin_cpu_supports("avx2")) return {AcrossSpanWide, DownSpanWide, DifferWide};
#else
    (void)wide;
#endif
    return {AcrossSpan<Narrow>, DownSpan<Narrow>, Differ};
}

// Copies pixels [from, to) of one line to another, if any.
void CopyLine(const uint32_t* line, int from, int to, uint32_t* out) {
    if (from < to) std::copy(line + from, line + to, out + from);
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
    // cols and weights: the canvas pixel before each column of the
    // picture's area and its weight, four times over; lines: room for two
    // lines as wide as the area.
    Enlarger(const uint32_t* canvas, size_t stride, int w, int h, const TargetPixels& t,
             const Placement& at, int k, const int32_t* cols, const uint16_t* weights,
             const int16_t* sharp, uint32_t* lines, bool wide)
        : canvas_(canvas), stride_(stride), w_(w), h_(h), t_(t), at_(at), k_(k), cols_(cols),
          weights_(weights), sharp_(sharp), store_{lines, lines + at.area.w},
          kernels_(ChooseKernels(wide)) {}

    // Paints the target pixels of r, inside the picture's area; of those,
    // with rows given, only the ones that read a row's changed columns.
    void Paint(const PixelRect& r, const CairoCanvas::Span* rows) {
        part_ = r.x - at_.area.x;
        part_w_ = r.w;
        Columns(0, r.w);
        for (int y = r.y; y < r.y + r.h; ++y) {
            const Tap row = Locate(y - at_.area.y, k_, h_);
            int from = 0, to = r.w;
            if (rows != nullptr) {
                if (!Reading(rows[row.at], rows[row.at + 1], from, to)) continue;
                // The lines are worked out only in the columns painted: a
                // row that paints others starts them afresh, in its own.
                if (from < win_ || to > win_ + n_) Columns(from, to);
            }
            if (bottom_.row == row.at) {
                top_ = bottom_;
            } else if (top_.row != row.at) {
                top_ = Across(row.at, Line{});
            }
            if (bottom_.row != row.at + 1) bottom_ = Across(row.at + 1, top_);
            Down(row.w, from - win_, to - win_,
                 reinterpret_cast<uint32_t*>(t_.data + static_cast<size_t>(y) * t_.stride) + r.x +
                     win_);
        }
    }

private:
    // A canvas row enlarged across the columns worked out; it differs from
    // the line of the row above only in columns [from, to).
    struct Line {
        int row = -1;
        const uint32_t* px = nullptr;
        int from = 0, to = 0;
    };

    const uint32_t* CanvasRow(int y) const { return canvas_ + static_cast<size_t>(y) * stride_; }

    // The first of n columns, whose canvas pixels before them are c, that
    // reads canvas pixel j or one after it, or n. The taps rise by k_/256 a
    // column, so the guess is off by a column or two at most, less than a
    // search costs.
    int FirstReading(const int32_t* c, int n, int j) const {
        int x = std::clamp((j - c[0]) * 256 / k_, 0, n);
        while (x > 0 && c[x - 1] >= j) --x;
        while (x < n && c[x] < j) ++x;
        return x;
    }

    // Columns [from, to) of the part are worked out from here on.
    void Columns(int from, int to) {
        win_ = from;
        n_ = to - from;
        const int x = part_ + from;
        c_ = cols_ + x;
        w4_ = weights_ + 4 * x;
        ws_ = sharp_ + 4 * x;
        first_ = c_[0];
        last_ = c_[n_ - 1] + 1;
        top_ = bottom_ = Line{};
    }

    // The part's columns [from, to) that read the changed columns of
    // either of two rows; false when there are none.
    bool Reading(const CairoCanvas::Span& a, const CairoCanvas::Span& b, int& from,
                 int& to) const {
        int lo = a.from, hi = a.to;
        if (lo == hi) {
            lo = b.from;
            hi = b.to;
        } else if (b.from != b.to) {
            lo = std::min(lo, b.from);
            hi = std::max(hi, b.to);
        }
        if (lo == hi) return false;
        from = FirstReading(cols_ + part_, part_w_, lo - 1);
        to = FirstReading(cols_ + part_, part_w_, hi);
        return from < to;
    }

    // Canvas row y enlarged across, kept apart from `above`, the line of the
    // row above if it has one.
    Line Across(int y, const Line& above) {
        const uint32_t* src = CanvasRow(y);
        int from = 0, to = n_;
        uint32_t* out = store_[0] == above.px ? store_[1] : store_[0];
        if (above.px != nullptr) {
            // Most of a row is as the row above it (all of most rows): there
            // the line is the same.
            const auto d = kernels_.differ(src + first_, CanvasRow(y - 1) + first_,
                                  static_cast<size_t>(last_ - first_ + 1));
            if (d.first == d.second) return {y, above.px, 0, 0};
            // The columns that read a canvas pixel in [d0, d1).
            const int d0 = first_ + static_cast<int>(d.first);
            const int d1 = first_ + static_cast<int>(d.second);
            from = FirstReading(c_, n_, d0 - 1);
            to = FirstReading(c_, n_, d1);
            // out is as above but where the two last differed: only that,
            // outside what is worked out anew, is copied.
            CopyLine(above.px, apart_from_, std::min(apart_to_, from), out);
            CopyLine(above.px, std::max(apart_from_, to), apart_to_, out);
        }
        apart_from_ = from;
        apart_to_ = to;
        kernels_.across(src, w_, c_, w4_, ws_, from, to, out);
        return {y, out, from, to};
    }

    // Pixels [from, to) of the target row blended from the two lines, w of
    // 256 the lower's.
    void Down(uint32_t w, int from, int to, uint32_t* out) const {
        const uint32_t* a = top_.px;
        const uint32_t* b = bottom_.px;
        // Where the lines are the same, so is the blend.
        const int apart = std::max(from, bottom_.from), together = std::min(to, bottom_.to);
        if (apart >= together) {
            CopyLine(a, from, to, out);
            return;
        }
        CopyLine(a, from, apart, out);
        CopyLine(a, together, to, out);
        kernels_.down(a, b, w, apart, together, out);
    }

    const uint32_t* canvas_;
    size_t stride_;
    int w_, h_;
    const TargetPixels& t_;
    const Placement& at_;
    int k_;
    const int32_t* cols_;
    const uint16_t* weights_;
    const int16_t* sharp_;
    uint32_t* store_[2];
    const Kernels kernels_;
    // The part being painted: its first column in the picture's area and
    // its width; of its columns, those worked out: the first and how many,
    // their taps, and the canvas columns they read.
    int part_ = 0, part_w_ = 0, win_ = 0;
    const int32_t* c_ = nullptr;
    const uint16_t* w4_ = nullptr;
    const int16_t* ws_ = nullptr;
    int n_ = 0, first_ = 0, last_ = 0;
    Line top_, bottom_;
    // The two lines of store_ are the same but in columns [apart_from_,
    // apart_to_).
    int apart_from_ = 0, apart_to_ = 0;
};

}  // namespace

PixelRect CairoCanvas::PaintInto(const TargetPixels& t, const Placement& at,
                                 const PixelRect& part) {
    const std::vector<PixelRect> r = PaintInto(t, at, std::vector<PixelRect>{part});
    return r.empty() ? PixelRect{} : r.front();
}

std::vector<PixelRect> CairoCanvas::PaintInto(const TargetPixels& t, const Placement& at,
                                              const std::vector<PixelRect>& parts) {
    return Paint(t, at, parts, nullptr);
}

std::vector<PixelRect> CairoCanvas::PaintChanges(const TargetPixels& t, const Placement& at,
                                                 const std::vector<PixelRect>& parts) {
    return Paint(t, at, parts, changed_rows_.empty() ? nullptr : changed_rows_.data());
}

std::vector<PixelRect> CairoCanvas::Paint(const TargetPixels& t, const Placement& at,
                                          const std::vector<PixelRect>& parts, const Span* rows) {
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
        Enlarging& e = enlarging_;
        if (e.k != k || e.area_w != at.area.w || e.canvas_w != width_) {
            e.k = k;
            e.area_w = at.area.w;
            e.canvas_w = width_;
            e.at.resize(static_cast<size_t>(at.area.w));
            e.weights.resize(4 * e.at.size());
            e.sharp.resize(4 * e.at.size());
            for (size_t x = 0; x < e.at.size(); ++x) {
                const Tap c = Locate(static_cast<int>(x), k, width_);
                e.at[x] = c.at;
                std::fill_n(e.weights.begin() + static_cast<std::ptrdiff_t>(4 * x), 4,
                            static_cast<uint16_t>(c.w));
                std::fill_n(e.sharp.begin() + static_cast<std::ptrdiff_t>(4 * x), 4, Sharp(c.w));
            }
            e.lines.resize(2 * e.at.size());
        }
        Enlarger enlarger(canvas, static_cast<size_t>(Stride()) / 4, width_, height_, t, at, k,
                          e.at.data(), e.weights.data(), e.sharp.data(), e.lines.data(),
                          wide_enlarging_);
        // Parts lie apart (the canvas joins those close together); where
        // any overlap, the pixels are painted again, the same.
        for (const PixelRect& r : painted) enlarger.Paint(r, rows);
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
