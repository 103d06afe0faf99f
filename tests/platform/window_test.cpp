// The window's side of the canvas: where the canvas shows in a window of
// any size, updates of the parts drawn on, and starting without a display.
#include "platform/window.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

TEST(WindowFit, CanvasIsScaledUniformlyAndCentred) {
    struct Case {
        int w, h;
        double scale;
        PixelRect area;
    };
    const Case cases[] = {
        {1440, 900, 1.0, {0, 0, 1440, 900}},
        {1280, 720, 0.8, {64, 0, 1152, 720}},
        {1366, 768, 256.0 / 300, {68, 0, 1229, 768}},
        {1920, 1080, 256.0 / 214, {98, 1, 1723, 1077}},
        {1440, 1200, 1.0, {0, 150, 1440, 900}},  // a tall window: margins above and below
        {2880, 1800, 2.0, {0, 0, 2880, 1800}},
    };
    for (const Case& c : cases) {
        const Placement p = FitCanvas(1440, 900, c.w, c.h);
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        EXPECT_DOUBLE_EQ(p.scale, c.scale);
        EXPECT_EQ(p.area.x, c.area.x);
        EXPECT_EQ(p.area.y, c.area.y);
        EXPECT_EQ(p.area.w, c.area.w);
        EXPECT_EQ(p.area.h, c.area.h);
    }
}

// A window's pixels, painted the way the window paints them.
struct Target {
    int w, h;
    std::vector<unsigned char> px;
    Target(int w_, int h_) : w(w_), h(h_), px(static_cast<size_t>(w_ * h_ * 4), 0) {}
    TargetPixels Pixels() { return {px.data(), w, h, w * 4}; }
};

// Painting only the parts drawn on since the last update, or only those
// whose pixels changed, leaves the window exactly as painting the whole
// canvas again would, at every scale.
TEST(WindowFit, UpdatingTheDrawnPartsEqualsRepaintingEverything) {
    for (const bool changes : {false, true})
    for (const auto& [w, h] :
         {std::pair{1280, 720}, {1440, 900}, {1920, 1080}, {1600, 1000}, {700, 500}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + (changes ? " changes" : ""));
        Platform p(1440, 900, false);
        CairoCanvas& c = *p.Canvas();
        const Placement at = FitCanvas(1440, 900, w, h);
        Target inc(w, h);
        c.PaintInto(inc.Pixels(), at, PixelRect{0, 0, 1440, 900});
        c.TakeDamage();
        c.TakeChanges();
        // Drawn parts one by one; changed ones all at once.
        const auto update = [&] {
            if (changes)
                c.PaintChanges(inc.Pixels(), at, c.TakeChanges());
            else
                for (const PixelRect& part : c.TakeDamage()) c.PaintInto(inc.Pixels(), at, part);
        };
        p.SetDrawWidth(3);
        p.Line(100, 100, 900, 640, 3);
        update();
        p.FillBox(96, 657, 400, 693, 13, 4);
        p.Circle(700, 300, 120, 5, 0.5f);
        update();
        p.SetFontBold(true);
        p.Symbol(130, 666, "何かキーを押して下さい。", 1, 1, 9);
        p.Symbol(1300, 40, "x", 2, 3, 0);
        p.Dot(1439, 899, 4, 2);  // at the corner: the rim of the picture
        update();
        p.FillBox(0, 657, 400, 693, 15, 15);
        p.Sector(300, 400, 80, 0, 11, 1, 0.1f, 0.4f);
        p.FillPolygon({{10, 10}, {60, 15}, {30, 80}}, 1, 6);
        update();
        // Cleared and drawn again with the line moved by a pixel.
        p.Cls();
        p.Line(101, 100, 901, 640, 3);
        p.FillBox(96, 657, 400, 693, 13, 4);
        update();
        // Cleared and drawn elsewhere: what was shown before goes, though
        // nothing is drawn where it was.
        p.Cls();
        p.Symbol(1000, 200, "三", 3, 3, 0);
        update();
        p.Cls();
        update();
        p.Dot(20, 880, 6, 4);
        update();
        // The same by boxes in the background colour, over the whole
        // screen and over a part of it.
        p.Symbol(1000, 20, "三", 3, 3, 0);
        p.Line(40, 60, 1400, 800, 2);
        update();
        p.FillBox(0, 54, 1440, 900, 15, 15);
        p.Dot(700.5f, 400.25f, 3, 1);
        update();
        p.FillBox(0, 0, 1760, 1800, 15, 15);
        p.Symbol(64, 64, "あ", 2, 2, 5);
        update();

        Target whole(w, h);
        c.PaintInto(whole.Pixels(), at, PixelRect{0, 0, 1440, 900});
        size_t diff = 0, first = 0;
        for (size_t i = 0; i < inc.px.size(); ++i)
            if (inc.px[i] != whole.px[i] && diff++ == 0) first = i / 4;
        EXPECT_EQ(diff, 0u) << "first at " << first % static_cast<size_t>(w) << ","
                            << first / static_cast<size_t>(w);
    }
}

uint32_t Packed(Rgb c) { return uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b; }

// The canvas painted into a target of w by h by cairo's bilinear smoothing,
// the edge pixels repeating outward.
Target CairoBilinear(CairoCanvas& c, const Placement& at, int w, int h) {
    Target t(w, h);
    cairo_surface_t* src = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(c.Pixels()), CAIRO_FORMAT_ARGB32, c.width(), c.height(),
        c.Stride());
    cairo_surface_t* dst =
        cairo_image_surface_create_for_data(t.px.data(), CAIRO_FORMAT_RGB24, w, h, w * 4);
    cairo_t* cr = cairo_create(dst);
    cairo_rectangle(cr, at.area.x, at.area.y, at.area.w, at.area.h);
    cairo_clip(cr);
    cairo_translate(cr, at.area.x, at.area.y);
    cairo_scale(cr, at.scale, at.scale);
    cairo_set_source_surface(cr, src, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(dst);
    cairo_surface_destroy(src);
    return t;
}

// An enlarged picture is the bilinear blend of the four canvas pixels
// around each target pixel's centre, to within the rounding of the weights,
// and so what cairo's bilinear smoothing painted, with nothing painted
// outside its area; along its rim it shows the canvas's edge colours as
// they are, unblended with the black beyond.
TEST(WindowFit, EnlargingBlendsBilinearly) {
    Platform p(1440, 900, false);
    CairoCanvas& c = *p.Canvas();
    // A band of its own colour along each edge of the canvas.
    p.FillBox(0, 0, 1440, 9, kRed, kRed);
    p.FillBox(0, 891, 1440, 900, kBlue, kBlue);
    p.FillBox(0, 9, 9, 891, kGreen, kGreen);
    p.FillBox(1431, 9, 1440, 891, kAmber, kAmber);
    p.FillBox(200, 150, 500, 400, kNavy, kAmber);
    p.SetDrawWidth(1);
    p.Line(100, 500, 1300, 850, kBlack);
    p.SetFontBold(true);
    p.Symbol(130, 666, "何かキーを押して下さい。", 1, 1, kGreen);
    p.Symbol(700, 100, "AaＸ", 3, 3, kDarkRed);
    struct Edge {
        int x, y, dx, dy;  // a canvas pixel on the edge, and along it
        int colour;
    };
    const Edge edges[] = {
        {0, 0, 1, 0, kRed}, {0, 899, 1, 0, kBlue}, {0, 9, 0, 1, kGreen}, {1439, 9, 0, 1, kAmber}};
    const unsigned char* canvas = c.Pixels();
    const auto at_canvas = [&](int x, int y, int channel) -> double {
        x = std::clamp(x, 0, 1439);
        y = std::clamp(y, 0, 899);
        return canvas[static_cast<size_t>(y) * static_cast<size_t>(c.Stride()) + x * 4 + channel];
    };
    for (const auto& [w, h] : {std::pair{1920, 1080}, {1600, 1000}, {2880, 1800}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const Placement at = FitCanvas(1440, 900, w, h);
        ASSERT_GT(at.scale, 1);
        Target t(w, h);
        c.PaintInto(t.Pixels(), at, PixelRect{0, 0, 1440, 900});
        const PixelRect& a = at.area;
        double off = 0;  // from the blend worked out in floating point, at most
        int off_x = 0, off_y = 0;
        for (int y = a.y; y < a.y + a.h; ++y) {
            const double sy = (y - a.y + 0.5) / at.scale - 0.5;
            const int y0 = static_cast<int>(std::floor(sy));
            const double fy = sy - y0;
            for (int x = a.x; x < a.x + a.w; ++x) {
                const double sx = (x - a.x + 0.5) / at.scale - 0.5;
                const int x0 = static_cast<int>(std::floor(sx));
                const double fx = sx - x0;
                for (int ch = 0; ch < 4; ++ch) {
                    const auto row = [&](int cy) {
                        return at_canvas(x0, cy, ch) * (1 - fx) + at_canvas(x0 + 1, cy, ch) * fx;
                    };
                    const double want = row(y0) * (1 - fy) + row(y0 + 1) * fy;
                    const double d = std::abs(t.px[(static_cast<size_t>(y) * w + x) * 4 + ch] - want);
                    if (d > off) {
                        off = d;
                        off_x = x;
                        off_y = y;
                    }
                }
            }
        }
        EXPECT_LE(off, 2) << "at " << off_x << "," << off_y;
        // Cairo's own weights are of 7 bits, rounded down: up to 4 off.
        const Target cairo = CairoBilinear(c, at, w, h);
        int worst = 0;
        size_t worst_at = 0;
        for (size_t i = 0; i < t.px.size(); ++i) {
            const int d = std::abs(t.px[i] - cairo.px[i]);
            if (d > worst) {
                worst = d;
                worst_at = i / 4;
            }
        }
        EXPECT_LE(worst, 5) << "at " << worst_at % static_cast<size_t>(w) << ","
                            << worst_at / static_cast<size_t>(w);
        // The rim, short of the corners where two bands meet.
        for (const Edge& e : edges) {
            const uint32_t colour = Packed(Palette()[e.colour]);
            ASSERT_EQ(Packed(c.PixelAt(e.x + 400 * e.dx, e.y + 400 * e.dy)), colour);
            const int x0 = e.x == 1439 ? a.x + a.w - 1 : a.x;
            const int y0 = e.y == 899 ? a.y + a.h - 1 : a.y;
            const int n = e.dx != 0 ? a.w : a.h;
            for (int i = 40; i < n - 40; ++i) {
                const int x = x0 + i * e.dx, y = y0 + i * e.dy;
                const unsigned char* px = t.px.data() + (static_cast<size_t>(y) * w + x) * 4;
                ASSERT_EQ(Packed(Rgb{px[2], px[1], px[0]}), colour) << "at " << x << "," << y;
            }
        }
    }
}

// Every target pixel a scaled paint gives, whatever the parts painted and
// wherever they lie, is the blend worked out for that pixel alone: the
// canvas pixels around its centre weighted in 1/256, rounded across and
// then down, the edge pixels repeating outward. Parts of random sizes and
// places (along the canvas's edges too) are painted, some several at once,
// over a picture of plain colours, text and thin lines.
TEST(WindowFit, EnlargedPartsAreEachPixelsOwnBlend) {
    Platform p(1440, 900, false);
    CairoCanvas& c = *p.Canvas();
    std::mt19937 random(7);
    const auto upto = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 60; ++i) {
        const float x = static_cast<float>(upto(1440)), y = static_cast<float>(upto(900));
        p.FillBox(x, y, x + static_cast<float>(upto(300)), y + static_cast<float>(upto(200)),
                  upto(16), upto(16));
    }
    p.SetDrawWidth(1);
    for (int i = 0; i < 40; ++i)
        p.Line(static_cast<float>(upto(1440)), static_cast<float>(upto(900)),
               static_cast<float>(upto(1440)), static_cast<float>(upto(900)), upto(16));
    p.Symbol(0, 0, "何かキーを押して下さい。", 1, 1, kBlack);
    p.Symbol(1200, 860, "AaＸ", 1, 1, kDarkRed);
    for (int i = 0; i < 40; ++i)
        p.Symbol(static_cast<float>(upto(1400)), static_cast<float>(upto(880)), "xyz 123", 1, 1,
                 upto(16));
    const unsigned char* canvas = c.Pixels();
    const auto stride = static_cast<size_t>(c.Stride());
    // Where target pixel t falls along an axis of n canvas pixels at 256/k:
    // the canvas pixel before its centre, and the next one's weight.
    const auto tap = [](int t, int k, int n) {
        const int place = (2 * t + 1) * k - 256;  // in 1/512 pixels
        const int at = static_cast<int>(std::floor(place / 512.0));
        if (at < 0) return std::pair{0, 0};
        if (at >= n - 1) return std::pair{n - 2, 256};
        return std::pair{at, (place - at * 512 + 1) / 2};
    };
    const auto mix = [](int a, int b, int w) { return (a * (256 - w) + b * w + 128) / 256; };
    // The widest loops the processor has, and those every processor has.
    for (const bool wide : {true, false})
    for (const auto& [w, h] :
         {std::pair{1728, 1080}, {1920, 1080}, {2880, 1800}, {1600, 1000}, {1446, 904}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + (wide ? " wide" : ""));
        c.SetWideEnlarging(wide);
        const Placement at = FitCanvas(1440, 900, w, h);
        ASSERT_GT(at.scale, 1);
        const int k = static_cast<int>(std::lround(256 / at.scale));
        const auto want = [&](int x, int y, int ch) {
            const std::pair col = tap(x - at.area.x, k, 1440), row = tap(y - at.area.y, k, 900);
            const auto across = [&](int cy) {
                const unsigned char* px = canvas + static_cast<size_t>(cy) * stride + ch;
                return mix(px[col.first * 4], px[col.first * 4 + 4], col.second);
            };
            return mix(across(row.first), across(row.first + 1), row.second);
        };
        Target t(w, h);
        for (int round = 0; round < 40; ++round) {
            std::vector<PixelRect> parts;
            for (int n = 1 + upto(3); n > 0; --n) {
                // Now and then a part reaching an edge of the canvas.
                const int pw = 1 + (upto(6) == 0 ? upto(1440) : upto(120));
                const int ph = 1 + (upto(6) == 0 ? upto(900) : upto(60));
                int x = upto(1440 - pw + 1), y = upto(900 - ph + 1);
                if (upto(4) == 0) x = upto(2) == 0 ? 0 : 1440 - pw;
                if (upto(4) == 0) y = upto(2) == 0 ? 0 : 900 - ph;
                parts.push_back({x, y, pw, ph});
            }
            std::fill(t.px.begin(), t.px.end(), uint8_t{0x5a});
            const std::vector<PixelRect> painted = c.PaintInto(t.Pixels(), at, parts);
            // Each part's pixels, and a rim around it that no part reaches.
            const auto painted_at = [&](int x, int y) {
                return std::any_of(painted.begin(), painted.end(), [&](const PixelRect& r) {
                    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
                });
            };
            size_t wrong = 0;
            int first_x = 0, first_y = 0;
            for (const PixelRect& r : painted)
                for (int y = std::max(0, r.y - 3); y < std::min(h, r.y + r.h + 3); ++y)
                    for (int x = std::max(0, r.x - 3); x < std::min(w, r.x + r.w + 3); ++x) {
                        const bool inside = painted_at(x, y);
                        const size_t i = static_cast<size_t>(y) * static_cast<size_t>(w) + x;
                        for (int ch = 0; ch < 3; ++ch)
                            if (t.px[i * 4 + static_cast<size_t>(ch)] !=
                                    (inside ? want(x, y, ch) : 0x5a) &&
                                wrong++ == 0) {
                                first_x = x;
                                first_y = y;
                            }
                    }
            ASSERT_EQ(wrong, 0u) << "round " << round << ", first at " << first_x << ","
                                 << first_y;
        }
    }
}

// A changed canvas pixel changes every target pixel blended from it: the
// window then shows what painting that place afresh shows. A pixel is set
// and put back at places of every phase against the target's pixels, along
// the canvas's edges too; now and then with another a little way to its
// left, so that it lies inside a wider part, anywhere in the columns the
// painting takes together.
TEST(WindowFit, AChangedPixelsWholeReachIsPainted) {
    for (const auto& [w, h] :
         {std::pair{1920, 1080}, {1600, 1000}, {2880, 1800}, {1446, 904}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Platform p(1440, 900, false);
        CairoCanvas& c = *p.Canvas();
        const Placement at = FitCanvas(1440, 900, w, h);
        ASSERT_GT(at.scale, 1);
        Target shown(w, h);
        c.PaintInto(shown.Pixels(), at, PixelRect{0, 0, 1440, 900});
        c.TakeChanges();
        c.KeepShown();
        const auto update = [&] { c.PaintChanges(shown.Pixels(), at, c.TakeChanges()); };
        struct Place {
            int x, y, left;  // left: how far to the left the other pixel lies, or 0
            int below = 0;   // and how far below
        };
        std::vector<Place> places;
        for (int i = 0; i < 600; ++i)
            places.push_back({i * 7 % 1440, i * 11 % 900, i % 3 == 0 ? 0 : 3 + i % 13});
        // The other pixel a few rows lower and a square or so to the left,
        // so that the part takes in rows and columns in which nothing
        // changed, beside ones that did.
        for (int i = 0; i < 80; ++i)
            places.push_back({(i * 53 + 40) % 1440, i * 29 % 890, 20 + i % 40, 2 + i % 9});
        for (int i = 0; i < 6; ++i) places.push_back({1439 - i, 899 - i, 0});
        // At every 16th column, in a part reaching 25 to 31 pixels to its
        // left (with a pixel 17 to its left to join them), so that now and
        // then it is read only by the last column of a stretch of 16 that
        // the enlarging works out together.
        for (int b = 2; b < 90; ++b) places.push_back({16 * b, b * 37 % 900, 25 + b % 7});
        const auto set = [&](const Place& place, int colour) {
            const float y = static_cast<float>(place.y) + 0.5f;
            p.Dot(static_cast<float>(place.x) + 0.5f, y, 0, colour);
            for (const int left : {place.left, place.left > 17 && place.below == 0 ? 17 : 0})
                if (left > 0 && place.x >= left)
                    p.Dot(static_cast<float>(place.x - left) + 0.5f,
                          y + static_cast<float>(place.below), 0, colour);
        };
        for (const Place& place : places) {
            set(place, kBlack);
            update();
            Target fresh(w, h);
            const int x0 = place.x - place.left - 3;
            const PixelRect near = c.PaintInto(
                fresh.Pixels(), at, PixelRect{x0, place.y - 3, place.x + 4 - x0, place.below + 7});
            size_t wrong = 0;
            for (int ty = near.y; ty < near.y + near.h; ++ty)
                for (int tx = near.x; tx < near.x + near.w; ++tx) {
                    const size_t i = (static_cast<size_t>(ty) * static_cast<size_t>(w) + tx) * 4;
                    wrong += std::memcmp(&shown.px[i], &fresh.px[i], 3) != 0;
                }
            ASSERT_EQ(wrong, 0u) << "the pixel at " << place.x << "," << place.y;
            set(place, kWhite);
            update();
        }
    }
}

// Until the window has kept its first picture, what is drawn on is given
// as changed without being compared: all of it is painted.
TEST(WindowFit, ChangesGivenUncomparedArePaintedWhole) {
    Platform p(1440, 900, false);
    CairoCanvas& c = *p.Canvas();
    const Placement at = FitCanvas(1440, 900, 1728, 1080);
    Target shown(1728, 1080);
    c.PaintChanges(shown.Pixels(), at, c.TakeChanges());
    p.Dot(500.5f, 400.5f, 3, kBlack);
    c.PaintChanges(shown.Pixels(), at, c.TakeChanges());
    Target fresh(1728, 1080);
    c.PaintInto(fresh.Pixels(), at, PixelRect{0, 0, 1440, 900});
    EXPECT_EQ(shown.px, fresh.px);
}

TEST(WindowFit, ClearingMarksTheWholeCanvas) {
    Platform p(1440, 900, false);
    p.Canvas()->TakeDamage();
    p.Cls();
    const auto d = p.Canvas()->TakeDamage();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].w, 1440);
    EXPECT_EQ(d[0].h, 900);
    EXPECT_TRUE(p.Canvas()->TakeDamage().empty());
}

// A screen cleared and drawn again as it was changes nothing; a figure
// moved on it changes only the squares around its old and new places.
TEST(WindowFit, OnlyChangedPixelsAreGivenAfterARedraw) {
    Platform p(1440, 900, false);
    CairoCanvas& c = *p.Canvas();
    const auto page = [&](float dot_x) {
        p.Cls();
        p.SetDrawWidth(3);
        p.Line(100, 100, 900, 640, 3);
        p.Symbol(130, 666, "何かキーを押して下さい。", 1, 1, 9);
        p.Dot(dot_x, 400, 4, 2);
    };
    page(700);
    const auto first = c.TakeChanges();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].w * first[0].h, 1440 * 900);
    c.KeepShown();  // the window waits with the picture shown
    page(700);
    EXPECT_TRUE(c.TakeChanges().empty());
    page(1200);
    const auto moved = c.TakeChanges();
    ASSERT_FALSE(moved.empty());
    long area = 0;
    bool old_place = false, new_place = false;
    for (const PixelRect& r : moved) {
        area += static_cast<long>(r.w) * r.h;
        const auto holds = [&](int x, int y) {
            return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
        };
        old_place = old_place || holds(700, 400);
        new_place = new_place || holds(1200, 400);
    }
    EXPECT_TRUE(old_place);
    EXPECT_TRUE(new_place);
    // Only the boxes around the two dots, not the 32-pixel squares they
    // fall in: a scaled window smooths no more than changed.
    EXPECT_LT(area, 2 * 20 * 20);
}

// The first picture is copied for the comparison only once the window
// waits. A picture drawn on before that is not taken for the one shown: the
// parts drawn on are given, and only then is the comparison made.
TEST(WindowFit, TheFirstPictureIsKeptOnlyAsShown) {
    Platform p(1440, 900, false);
    CairoCanvas& c = *p.Canvas();
    const auto holds = [](const std::vector<PixelRect>& parts, int x, int y) {
        for (const PixelRect& r : parts)
            if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) return true;
        return false;
    };
    p.Symbol(130, 666, "何かキーを押して下さい。", 1, 1, 9);
    ASSERT_EQ(c.TakeChanges().size(), 1u);
    // Drawn on before the window waited: the copy must not hold the dot,
    // which the window has not shown.
    p.Dot(700, 400, 4, 2);
    c.KeepShown();
    const auto drawn = c.TakeChanges();
    EXPECT_TRUE(holds(drawn, 700, 400));
    EXPECT_FALSE(holds(drawn, 140, 670));
    // From here on only changed pixels count: the dot drawn again over
    // itself changes nothing.
    p.Dot(700, 400, 4, 2);
    EXPECT_TRUE(c.TakeChanges().empty());
    p.Dot(900, 400, 4, 2);
    const auto moved = c.TakeChanges();
    EXPECT_TRUE(holds(moved, 900, 400));
    EXPECT_FALSE(holds(moved, 700, 400));
}

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name) {
        if (const char* v = std::getenv(name)) {
            had_ = true;
            old_ = v;
        }
    }
    ~EnvGuard() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

// Without a display a program must say so and end, not wait unseen.
TEST(WindowStart, WithoutADisplayItSaysSoAtOnce) {
    EnvGuard d("DISPLAY"), w("WAYLAND_DISPLAY"), v("SDL_VIDEODRIVER");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    struct Case {
        const char* display;  // nullptr: not set
        const char* message;
    };
    const Case cases[] = {
        {nullptr, "cannot open the display: DISPLAY is not set"},
        {"", "cannot open the display: DISPLAY is not set"},
        {":9999", "cannot open the display \":9999\""},
    };
    for (const Case& c : cases) {
        if (c.display) setenv("DISPLAY", c.display, 1);
        else unsetenv("DISPLAY");
        try {
            WindowPlatform window;
            ADD_FAILURE() << "a window opened on " << (c.display ? c.display : "(unset)");
        } catch (const NoDisplay& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

// A window opening on its own thread while the first screen is drawn: no
// display named fails at once; a display that does not answer ends the run
// at the first key poll, as a closed window does, and then says why.
TEST(WindowStart, OpeningMeanwhileWithoutADisplayEndsAtTheFirstKeyPoll) {
    EnvGuard d("DISPLAY"), w("WAYLAND_DISPLAY"), v("SDL_VIDEODRIVER");
    EnvGuard bus("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    // Without a session bus SDL's start would fork to launch one while this
    // thread draws, and a fork beside a running thread can hang the child
    // in the sanitizers' allocator.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    unsetenv("DISPLAY");
    try {
        WindowPlatform window(WindowPlatform::Opening::Meanwhile);
        ADD_FAILURE() << "a window began opening with no display named";
    } catch (const NoDisplay& e) {
        EXPECT_STREQ(e.what(), "cannot open the display: DISPLAY is not set");
    }
    setenv("DISPLAY", ":9999", 1);
    WindowPlatform window(WindowPlatform::Opening::Meanwhile);
    window.MaximizeWindow();
    window.Symbol(100, 100, "番号を入力して下さい。", 1, 1, 0);
    EXPECT_THROW(window.Inkey(), WindowClosed);
    EXPECT_THROW(window.WaitKey(), WindowClosed);
    try {
        window.ThrowIfNotOpened();
        ADD_FAILURE() << "no reason given";
    } catch (const NoDisplay& e) {
        EXPECT_STREQ(e.what(), "cannot open the display \":9999\"");
    }
}

}  // namespace

}  // namespace vm
