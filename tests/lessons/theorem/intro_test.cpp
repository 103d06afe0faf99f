#include "lessons/theorem/intro.h"

#include <gtest/gtest.h>

#include "formula/formula.h"
#include "frame/frame.h"
#include "frame/program.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

using test::CountDots;
using test::CountMarkup;
using test::Near;
using test::Rig;

void SetCorners(State& s, float xc, float ya) {
    s.X_a(0) = 448, s.Y_a(0) = 450;  // foot of A
    s.X_a(1) = 448, s.Y_a(1) = ya;   // A
    s.X_a(2) = 288, s.Y_a(2) = 450;  // B
    s.X_a(3) = xc, s.Y_a(3) = 450;   // C
    s.X_a(11) = 896, s.Y_a(11) = 480;
}

std::vector<Op> Polygons(const std::vector<Op>& log) {
    std::vector<Op> out;
    for (const Op& op : log)
        if (op.kind == Op::FillPolygon) out.push_back(op);
    return out;
}

void ExpectPoints(const Op& op, const std::vector<Point>& want, const char* what) {
    ASSERT_EQ(op.pts.size(), want.size()) << what;
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_TRUE(Near(op.pts[i].x, want[i].x, 0.02f) && Near(op.pts[i].y, want[i].y, 0.02f))
            << what << " point " << i << ": (" << op.pts[i].x << ", " << op.pts[i].y
            << ") instead of (" << want[i].x << ", " << want[i].y << ")";
    }
}

// The outer corners of the three squares for C on the base line at several
// places: each square is outside the triangle, on its own side.
TEST(DrawSquaresFigure, BuildsEachSquareOutsideItsSide) {
    const struct {
        const char* what;
        float xc, ya;
        Point r4, r5, p6, p7, q8, q9;
    } cases[] = {
        {"start", 480, 322, {320, 162}, {160, 290}, {288, 642}, {480, 642}, {608, 418}, {576, 290}},
        {"C below A", 448, 322, {320, 162}, {160, 290}, {288, 610}, {448, 610}, {576, 450}, {576, 322}},
        {"C left of the foot", 368, 322, {320, 162}, {160, 290}, {288, 530}, {368, 530}, {496, 530},
         {576, 402}},
    };
    for (const auto& c : cases) {
        Rig r;
        SetCorners(r.s, c.xc, c.ya);
        DrawSquaresFigure(r.s);
        const Point a{448, c.ya}, b{288, 450}, cc{c.xc, 450};
        const auto polys = Polygons(r.p.Log());
        ASSERT_EQ(polys.size(), 3u) << c.what;
        ExpectPoints(polys[0], {a, c.r4, c.r5, b, a}, c.what);
        ExpectPoints(polys[1], {b, c.p6, c.p7, cc, b}, c.what);
        ExpectPoints(polys[2], {cc, c.q8, c.q9, a, cc}, c.what);
        const int fills[] = {12, 8, 8};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(polys[i].colour, 3) << c.what;
            EXPECT_EQ(polys[i].fill, fills[i]) << c.what;
            EXPECT_EQ(polys[i].width, 5) << c.what;
        }
        EXPECT_TRUE(Near(r.s.X_a(4), c.r4.x, 0.02f) && Near(r.s.Y_a(9), c.q9.y, 0.02f)) << c.what;
    }
}

TEST(DrawSquaresFigure, DrawsTriangleLettersArcsAndQuestion) {
    Rig r;
    SetCorners(r.s, 480, 322);
    r.s.P.SetDrawWidth(3);
    DrawSquaresFigure(r.s);
    const auto& log = r.p.Log();

    // The triangle's edges in colour 3, width 5, after the squares.
    int edges = 0;
    size_t last_polygon = 0, first_edge = log.size();
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].kind == Op::FillPolygon) last_polygon = i;
        if (log[i].kind == Op::Line && log[i].colour == 3 && log[i].width == 5) {
            ++edges;
            first_edge = std::min(first_edge, i);
        }
    }
    EXPECT_EQ(edges, 3);
    EXPECT_LT(last_polygon, first_edge);

    // Square letters in 13 at the middle of a diagonal, with their offsets.
    EXPECT_EQ(CountMarkup(log, "R", 284, 286, 13), 1);
    EXPECT_EQ(CountMarkup(log, "P", 344, 526, 13), 1);
    EXPECT_EQ(CountMarkup(log, "Q", 528, 350, 13), 1);
    EXPECT_EQ(CountMarkup(log, "Ｐ,Q,Rの関係は？", 896, 30, 0), 1);

    // Arcs over c, a and b with steps 3, 4 and 5 degrees: 61 + 46 + 37 dots
    // in the background colour, drawn with pen width 3.
    EXPECT_EQ(CountDots(log, 15), 61 + 46 + 37);
    for (const Op& op : log) {
        if (op.kind == Op::Dot) {
            EXPECT_EQ(op.width, 3);
        }
    }

    // Vertex letters in 5 and side letters in 13 are there.
    int vertex_letters = 0, side_letters = 0;
    for (const Op& op : log) {
        if (op.kind != Op::Text) continue;
        vertex_letters += op.colour == 5;
        side_letters += op.colour == 13;
    }
    EXPECT_GE(vertex_letters, 3);
    EXPECT_GE(side_letters, 3 + 3);  // R, P, Q and c, a, b

    EXPECT_EQ(r.p.GetDrawWidth(), 5);
    EXPECT_EQ(r.s.CCC1, 0);
    EXPECT_EQ(r.s.AAA_s, "");
    EXPECT_EQ(r.s.NAGASA, 0);
    EXPECT_EQ(r.s.ITI, 0);
    EXPECT_EQ(r.s.KAKU, 3);
    EXPECT_EQ(r.s.G_a(3, 1), 480);
}

TEST(IntroductionFigure, MapsTheStartingTriangleToPixels) {
    Rig r;
    DrawIntroductionFigure(r.s);
    const struct {
        int row;
        float x, y;
    } rows[] = {{0, 448, 450}, {1, 448, 322}, {2, 288, 450}, {3, 480, 450}, {11, 896, 210},
                {4, 320, 162}, {7, 480, 642}};
    for (const auto& row : rows) {
        EXPECT_TRUE(Near(r.s.X_a(row.row), row.x) && Near(r.s.Y_a(row.row), row.y))
            << "row " << row.row;
    }
    EXPECT_EQ(r.s.GX0, 48);
    EXPECT_EQ(r.s.GY0, 690);
    EXPECT_EQ(test::CountClears(r.p.Log()), 1);
    EXPECT_EQ(CountMarkup(r.p.Log(), "Ｐ,Q,Rの関係は？", 896, 30, 0), 1);
}

TEST(IntroductionGoal, WritesHeadingAndGoal) {
    Rig r;
    ShowIntroductionGoal(r.s);
    const auto& log = r.p.Log();
    EXPECT_EQ(test::CountClears(log), 1);
    EXPECT_EQ(CountMarkup(log, "<めあて>", 44, 240, 3), 1);
    EXPECT_EQ(CountMarkup(log, "三角形の各辺を1辺とする3つの正方形の面積の関係を調べよう。", 44,
                          305, 0),
              1);
    EXPECT_EQ(r.s.XI1, 44);
    EXPECT_EQ(r.s.YI1, 305);
    EXPECT_GT(r.s.XI2, 44);
    EXPECT_EQ(r.s.CCC1, 0);
}

TEST(ShowTheoremStatement, ErasesPromptAndWritesTheoremLeftOfItsAnchor) {
    Rig r;
    r.s.X_a(14) = 896;
    r.s.Y_a(14) = 562;
    r.s.CCC0 = 2;  // saved by the last key prompt
    r.s.DR = 3;
    r.s.CCC1 = 9;
    r.p.SetDrawWidth(7);
    ShowTheoremStatement(r.s);
    const auto& log = r.p.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0].kind, Op::FillBox);
    EXPECT_EQ(log[0].x1, 0);
    EXPECT_EQ(log[0].y1, 657);
    EXPECT_EQ(log[0].x2, 992);
    EXPECT_EQ(log[0].y2, 720);
    EXPECT_EQ(CountMarkup(log, "∠C=90°ならば a^2+b^2=c^2", 680, 562, 5), 1);
    EXPECT_EQ(r.s.CCC1, 5);
    EXPECT_EQ(r.p.GetDrawWidth(), 3);
}

}  // namespace
}  // namespace vm
