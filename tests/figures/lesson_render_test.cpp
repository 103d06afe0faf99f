// Three lesson figures drawn the way their scenes draw them, written to PNGs
// for a look by eye, with the positions the scenes rely on checked.
#include <gtest/gtest.h>

#include <cmath>

#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

struct LessonFigure : RigTest {
    LessonFigure() : RigTest(ProgramB(), true) {
        p.FillBox(0, 0, 1760, 1800, 15, 15);
        p.ClearLog();
    }
    void Grid(float ggx, float ggy, float yoko, float tate, float size) {
        s.GGX = ggx, s.GGY = ggy, s.YOKO = yoko, s.TATE = tate, s.SIZE = size, s.CCC2 = 15;
        DrawGrid(s);
    }
    // A typed grid point, mapped to pixels.
    void Point(int i, float gx, float gy) {
        s.X_a(i) = s.GX0 + s.SIZE * gx;
        s.Y_a(i) = s.GY0 - s.SIZE * gy;
    }
    float Xp(int i) { return s.X_a(i); }
    float Yp(int i) { return s.Y_a(i); }
    void Text(float x, float y, int colour, const std::string& t) {
        s.X = x, s.Y = y, s.CCC1 = static_cast<float>(colour), s.AA_s = t;
        DrawMarkupText(s);
    }
};

// The equilateral triangle of side 2 cm and its height.
TEST_F(LessonFigure, EquilateralTriangleWithItsHeight) {
    Grid(792, 90, 8, 8, 50);
    p.SetDrawWidth(5);
    Point(2, 1, 1);
    Point(1, 4, 1 + 3 * std::sqrt(3.0f));
    Point(3, 7, 1);
    Point(4, 4, 1);
    for (int i = 1; i <= 3; ++i) s.G_a(i, 1) = Xp(i), s.G_a(i, 2) = Yp(i);
    s.KAKU = 3, s.SIZE1 = 5, s.CCC2 = 0, s.CCC1 = 0, s.NAGASA = 10, s.AAA_s = "A";
    DrawPolygon(s);
    auto arc = [&](int a, int b, const char* label) {
        s.ZX0 = Xp(a), s.ZY0 = Yp(a), s.ZX1 = Xp(b), s.ZY1 = Yp(b);
        s.HOUKOU = 1, s.HABA = 5, s.TAKASA = 20, s.CCC2 = 3, s.CCC1 = 0, s.AAA_s = label;
        DrawDimensionArc(s);
    };
    arc(1, 2, "2cm");
    // Outside the triangle: up and left of AB.
    EXPECT_LT(s.ZX0, (Xp(1) + Xp(2)) / 2);
    EXPECT_LT(s.ZY0, (Yp(1) + Yp(2)) / 2);
    arc(2, 4, "1cm");
    EXPECT_GT(s.ZY0, 440);  // below the base
    p.ClearLog();
    for (auto [a, b] : {std::pair{2, 4}, std::pair{4, 3}}) {
        s.AX = Xp(a), s.AY = Yp(a), s.BX = Xp(b), s.BY = Yp(b);
        s.HONSU = 1, s.AIDA = 8, s.NAGASA = 8, s.ITI = 0, s.CCC2 = 3;
        DrawTickMarks(s);
    }
    const auto ticks = [&] {
        std::vector<Op> out;
        for (const Op& o : p.Log())
            if (o.kind == Op::Line) out.push_back(o);
        return out;
    }();
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_FLOAT_EQ(ticks[0].x1, 925);
    EXPECT_FLOAT_EQ(ticks[1].x1, 1075);
    for (const Op& o : ticks) {
        EXPECT_FLOAT_EQ(std::fmin(o.y1, o.y2), 432);
        EXPECT_FLOAT_EQ(std::fmax(o.y1, o.y2), 448);
    }
    p.Dot(Xp(4), Yp(4), 5, 0);
    Text(Xp(4) - 20, Yp(4) + 4, 0, "D");
    p.Line(Xp(1), Yp(1), Xp(4), Yp(4), 0);
    p.ClearLog();
    s.ZX0 = Xp(4), s.ZY0 = Yp(4), s.ZX1 = Xp(1), s.ZY1 = Yp(1), s.ZX2 = Xp(2), s.ZY2 = Yp(2);
    s.NAGASA = 40, s.CCC2 = 5, s.ITI = 1;
    DrawRightAngleMark(s);
    const Op mark = p.Log().at(0);
    ASSERT_EQ(mark.pts.size(), 3u);
    const float want[3][2] = {{992, 400}, {952, 400}, {952, 440}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(mark.pts[i].x, want[i][0], 1e-3);
        EXPECT_NEAR(mark.pts[i].y, want[i][1], 1e-3);
    }
    EXPECT_EQ(p.GetDrawWidth(), 5);
    ASSERT_TRUE(p.WritePng(test::OutputPath("lesson_equilateral.png")));
}

// Eight cords from a point above a round flower bed seen at a slant.
TEST_F(LessonFigure, FlowerBedCordsAndDimensionLines) {
    Grid(680, 110, 10, 9, 50);
    p.SetDrawWidth(5);
    Point(1, 1, 2);
    Point(2, 9, 2);
    Point(3, 5, 8);
    Point(4, 5, 2);
    Point(11, 1, 1);
    Point(12, 9, 1);
    Point(13, 9, 2);
    Point(14, 9, 8);
    p.Circle(Xp(4), Yp(4), 200, 0, 0.125f);
    const float rim[8][2] = {{964.7f, 435.4f}, {815.3f, 439.5f}, {733.0f, 455.7f},
                             {766.2f, 474.3f}, {895.3f, 484.6f}, {1044.7f, 480.5f},
                             {1127.0f, 464.3f}, {1093.8f, 445.7f}};
    s.KAKUDO = 35;
    for (int k = 0; k < 8; ++k) {
        s.KAKUDO += 45;
        s.ZX0 = Xp(1), s.ZY0 = Yp(1), s.ZX1 = Xp(2), s.ZY1 = Yp(2), s.TAKASA = 25;
        ComputeArcPoint(s);
        EXPECT_NEAR(s.ZX, rim[k][0], 0.06) << k;
        EXPECT_NEAR(s.ZY, rim[k][1], 0.06) << k;
        p.Line(Xp(3), Yp(3), s.ZX, s.ZY, 0);
    }
    auto line = [&](int a, int b, const char* label) {
        s.ZX0 = Xp(a), s.ZY0 = Yp(a), s.ZX1 = Xp(b), s.ZY1 = Yp(b);
        s.HOUKOU = 1, s.HABA = 10, s.TAKASA = 0, s.CCC2 = 3, s.CCC1 = 3, s.AAA_s = label;
        p.ClearLog();
        DrawDimensionArc(s);
        size_t dots = 0;
        for (const Op& o : p.Log()) dots += o.kind == Op::Dot;
        EXPECT_EQ(dots, 19u);
        p.SetDrawWidth(5);
        s.ZX0 = Xp(a), s.ZY0 = Yp(a), s.ZX = Xp(b), s.ZY = Yp(b);
        s.MUKI = -1, s.YA = 2, s.CCC2 = 3, s.NAGASA = 16;
        DrawArrow(s);
        EXPECT_EQ(s.MUKI, 0);
        EXPECT_EQ(s.YA, 0);
    };
    line(11, 12, "8m");
    line(13, 14, "6m");
    ASSERT_TRUE(p.WritePng(test::OutputPath("lesson_flowerbed.png")));
}

// The farthest point from which a summit is seen: the tangent points from
// P to the earth circle, as crossings with the circle on OP as diameter.
TEST_F(LessonFigure, SummitTangentConstruction) {
    Grid(440, 90, 20, 13, 40);
    p.SetDrawWidth(5);
    Point(0, 10, 0);
    Point(13, 10, 12);
    const float r1 = 10 * s.SIZE;
    s.X_a(1) = Xp(0), s.Y_a(1) = (Yp(0) + Yp(13)) / 2;
    s.X_a(2) = Xp(1) - 3 * s.SIZE, s.Y_a(2) = Yp(1);
    s.X_a(3) = Xp(1) + 3 * s.SIZE, s.Y_a(3) = Yp(1);
    for (int i : {11, 12}) {
        const float deg = i == 11 ? 100.0f : 80.0f;
        s.X_a(i) = Xp(0) + r1 * std::cos(deg * s.PI / 180);
        s.Y_a(i) = Yp(0) - r1 * std::sin(deg * s.PI / 180);
    }
    p.FillPolygon({{Xp(11), Yp(11)}, {Xp(12), Yp(12)}, {Xp(13), Yp(13)}}, 0, 3);
    p.Circle(Xp(0), Yp(0), r1, 0, 1, 0.5f, 0);
    p.Line(Xp(0), Yp(0), Xp(13), Yp(13), 0);
    // Compass arcs about O and P, a little wider than the angle between
    // the rays to the two crossing points.
    const float r2 = std::hypot(Xp(0) - Xp(2), Yp(0) - Yp(2));
    const float starts[2] = {0.6262f, 0.1262f}, ends[2] = {0.8738f, 0.3738f};
    int k = 0;
    for (auto [v, a, b] : {std::array{0, 3, 2}, std::array{13, 2, 3}}) {
        s.ZX0 = Xp(v), s.ZY0 = Yp(v), s.ZX1 = Xp(a), s.ZY1 = Yp(a), s.ZX2 = Xp(b), s.ZY2 = Yp(b);
        s.ITI = 1;
        ComputeRayAngles(s);
        EXPECT_NEAR(s.HH2 - 0.05f, starts[k], 1e-4);
        EXPECT_NEAR(s.HH1 + 0.05f, ends[k], 1e-4);
        p.Dot(Xp(v), Yp(v), 8, 7);
        p.Circle(Xp(v), Yp(v), r2, 7, 1, s.HH2 - 0.05f, s.HH1 + 0.05f);
        ++k;
    }
    p.Line(Xp(2), Yp(2), Xp(3), Yp(3), 0);
    p.Dot(Xp(1), Yp(1), 4, 0);
    const float rr = std::hypot(Xp(0) - Xp(1), Yp(0) - Yp(1));
    p.Circle(Xp(1), Yp(1), rr, 3);
    s.X1 = Xp(0), s.Y1 = Yp(0), s.RR1 = r1, s.X2 = Xp(1), s.Y2 = Yp(1), s.RR2 = rr;
    RadicalLineOfCircles(s);
    IntersectCircles(s);
    EXPECT_NEAR(s.X3, 618.89f, 0.01);
    EXPECT_NEAR(s.Y3, 276.67f, 0.01);
    EXPECT_NEAR(s.X4, 1061.11f, 0.01);
    EXPECT_NEAR(s.Y4, 276.67f, 0.01);
    for (auto [x, y, dx] : {std::array{s.X3, s.Y3, -46.0f}, std::array{s.X4, s.Y4, 10.0f}}) {
        p.Dot(x, y, 6, 5);
        Text(x + dx, y - 25, 5, "A");
        // The tangent from P through A, on to 5/3 of PA.
        p.Line(Xp(13), Yp(13), (5 * x - 2 * Xp(13)) / 3, (5 * y - 2 * Yp(13)) / 3, 7);
        // OA is at right angles to PA there.
        s.ZX0 = x, s.ZY0 = y, s.ZX1 = Xp(0), s.ZY1 = Yp(0), s.ZX2 = Xp(13), s.ZY2 = Yp(13);
        s.ITI = 1;
        ComputeAngleSize(s);
        EXPECT_TRUE(s.KAKUDO_s == "90" || s.KAKUDO_s == "270") << s.KAKUDO_s;
    }
    ASSERT_TRUE(p.WritePng(test::OutputPath("lesson_summit.png")));
}

}  // namespace
}  // namespace vm::test
