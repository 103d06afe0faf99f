// A dot is the pixels whose centres lie within its radius. Dots of one
// colour in a row are drawn together: the canvas must come out exactly as
// drawing each dot as it comes makes it, and what a window is given must
// cover them all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/canvas.h"
#include "platform/platform.h"

namespace vm {

namespace {

constexpr int kW = 640, kH = 400;

int DifferingRows(CairoCanvas& a, CairoCanvas& b) {
    int differing = 0;
    for (int y = 0; y < kH; ++y)
        if (std::memcmp(a.Pixels() + static_cast<long>(y) * a.Stride(),
                        b.Pixels() + static_cast<long>(y) * b.Stride(), kW * 4) != 0)
            ++differing;
    return differing;
}

// The same drawing on two canvases; on `alone` a pixel is read after every
// dot, which fills it there and then.
struct Pair {
    Platform queued{kW, kH, false}, alone{kW, kH, false};
    void Both(const std::function<void(Platform&)>& draw) {
        draw(queued);
        draw(alone);
    }
    void Dot(float x, float y, float r, int colour) {
        queued.Dot(x, y, r, colour);
        alone.Dot(x, y, r, colour);
        alone.Canvas()->PixelAt(0, 0);
    }
    void Pen(int w) {
        queued.SetDrawWidth(w);
        alone.SetDrawWidth(w);
    }
};

// A thick curve drawn as dots a fraction of a pixel apart, most of them on
// pixels their neighbours set, at fractional places.
void Curve(Pair& p, float x0, float y0, int n, int colour) {
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(n);
        p.Dot(x0 + 300 * t, y0 + 150 * t * t + 20 * std::sin(9 * t), 1, colour);
    }
}

bool Holds(const std::vector<PixelRect>& parts, int x, int y) {
    for (const PixelRect& r : parts)
        if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) return true;
    return false;
}

}  // namespace

TEST(Dots, ARunComesOutAsEachDotFilledAlone) {
    struct Case {
        const char* name;
        std::function<void(Pair&)> draw;
    };
    const Case cases[] = {
        {"a thick curve", [](Pair& p) { Curve(p, 40, 60, 3000, 0); }},
        {"two colours taking turns",
         [](Pair& p) {
             for (int i = 0; i < 600; ++i)
                 p.Dot(100 + 0.37f * static_cast<float>(i), 200 + 0.11f * static_cast<float>(i),
                       2, i % 2 ? 3 : 5);
         }},
        {"runs broken by other drawing",
         [](Pair& p) {
             Curve(p, 20, 20, 700, 13);
             p.Both([](Platform& q) { q.Line(0, 100, 600, 140, 0); });
             Curve(p, 30, 40, 700, 13);
             p.Both([](Platform& q) { q.Symbol(200, 90, "何か", 1, 1, 9); });
             Curve(p, 40, 60, 700, 13);
         }},
        {"over their own colour, in every size, and past the edges",
         [](Pair& p) {
             p.Both([](Platform& q) { q.FillBox(200, 100, 400, 300, 0, 5); });
             const float radii[] = {0, 0.5f, 1, 4, 14.5f};
             int i = 0;
             for (int pen = 1; pen <= 7; ++pen) {
                 p.Pen(pen);
                 for (const float r : radii)
                     for (const float x : {-3.3f, 190.6f, 301.25f, 410.5f, 639.7f, 700.f})
                         for (const float y : {-2.f, 99.4f, 200.8f, 399.1f}) {
                             p.Dot(x + 0.13f * static_cast<float>(i % 7), y, r, 5);
                             ++i;
                         }
             }
         }},
        {"a run read halfway",
         [](Pair& p) {
             Curve(p, 40, 60, 500, 0);
             // The read must see the dots drawn so far.
             const Rgb first = p.queued.Canvas()->PixelAt(40, 60);
             EXPECT_TRUE(first.r == 0 && first.g == 0 && first.b == 0);
             for (const auto& [x, y] : {std::pair{40, 60}, {190, 90}, {339, 208}}) {
                 const Rgb a = p.queued.Canvas()->PixelAt(x, y), b = p.alone.Canvas()->PixelAt(x, y);
                 EXPECT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x << "," << y;
             }
             Curve(p, 45, 60, 500, 0);
         }},
        {"a run taken by a window halfway",
         [](Pair& p) {
             Curve(p, 40, 60, 500, 3);
             p.queued.Canvas()->TakeChanges();
             p.queued.Canvas()->KeepShown();
             Curve(p, 45, 60, 500, 3);
             p.queued.Canvas()->TakeChanges();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pair p;
        p.Pen(5);
        c.draw(p);
        EXPECT_EQ(DifferingRows(*p.queued.Canvas(), *p.alone.Canvas()), 0);
    }
}

TEST(Dots, ADotIsThePixelsWhoseCentresLieWithinItsRadius) {
    struct Case {
        float x, y, r;
        int pen;
    };
    // Centres on a pixel's corner, its centre and between; the pen's half
    // width added; radius 0 and below; cut by the canvas's edges.
    const Case cases[] = {{100, 100, 3, 1},     {100.5f, 100.5f, 3, 1}, {100.25f, 99.75f, 2.5f, 4},
                          {50.5f, 60.5f, 0.5f, 1}, {70, 70, 0, 2},      {80, 80, -4, 3},
                          {0.3f, 0.6f, 6, 1},   {639.5f, 399.5f, 9, 2}, {-3, 200, 5, 1},
                          {320.125f, 200.875f, 14.5f, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " r " +
                     std::to_string(c.r) + " pen " + std::to_string(c.pen));
        Platform p(kW, kH, false);
        p.SetDrawWidth(c.pen);
        p.Dot(c.x, c.y, c.r, 0);
        const double r = std::max(0.0f, c.r) + c.pen / 2.0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const double dx = x + 0.5 - c.x, dy = y + 0.5 - c.y;
                if (std::fabs(dx) > r + 2 || std::fabs(dy) > r + 2) continue;
                const Rgb px = p.Canvas()->PixelAt(x, y);
                const bool ink = px.r == 0 && px.g == 0 && px.b == 0;
                EXPECT_EQ(ink, dx * dx + dy * dy <= r * r) << x << "," << y;
            }
    }
}

// A dot far beyond the canvas, or of a size beyond it, draws nothing there
// and does not stop the drawing after it.
TEST(Dots, ADotFarOffDrawsNothingThere) {
    Platform p(kW, kH, false);
    const float far = 3e9f;
    for (const auto& [x, y, r] : {std::tuple{far, far, 3.f}, {-far, 10.f, 3.f}, {10.f, -far, 3.f},
                                  {-far, -far, far / 2}})
        p.Dot(x, y, r, 0);
    p.Dot(300, 200, 2, 0);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const Rgb px = p.Canvas()->PixelAt(x, y);
            const bool near = std::abs(x - 300) <= 3 && std::abs(y - 200) <= 3;
            if (!near) {
                ASSERT_FALSE(px.r == 0 && px.g == 0 && px.b == 0) << x << "," << y;
            }
        }
    const Rgb centre = p.Canvas()->PixelAt(300, 200);
    EXPECT_TRUE(centre.r == 0 && centre.g == 0 && centre.b == 0);
}

// The parts given as drawn on, and those given as changed, hold every pixel
// the dots changed, though the dots are filled only when taken.
TEST(Dots, WhatAWindowIsGivenHoldsEveryDot) {
    for (const bool changes : {false, true}) {
        SCOPED_TRACE(changes ? "changes" : "damage");
        Platform p(kW, kH, false);
        CairoCanvas& c = *p.Canvas();
        c.TakeChanges();
        c.KeepShown();
        const std::vector<unsigned char> before(c.Pixels(), c.Pixels() + c.Stride() * kH);
        p.SetDrawWidth(5);
        for (int i = 0; i < 2000; ++i) {
            const float t = static_cast<float>(i) / 2000;
            p.Dot(30 + 580 * t, 380 - 360 * t * t, i % 500 == 0 ? 9 : 1, 0);
        }
        p.Dot(639.5f, 0.5f, 3, 0);  // a corner
        const std::vector<PixelRect> given = changes ? c.TakeChanges() : c.TakeDamage();
        const unsigned char* now = c.Pixels();
        int changed = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const long at = static_cast<long>(y) * c.Stride() + x * 4;
                if (std::memcmp(now + at, before.data() + at, 4) == 0) continue;
                ++changed;
                EXPECT_TRUE(Holds(given, x, y)) << x << "," << y;
            }
        EXPECT_GT(changed, 1000);
    }
}

}  // namespace vm
