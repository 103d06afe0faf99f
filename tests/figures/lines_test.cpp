#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Lines = RigTest;

TEST_F(Lines, FootOfThePerpendicular) {
    const struct {
        float ax, ay, bx, by, cx, cy, ex, ey;
    } cases[] = {
        {100, 100, 100, 300, 250, 180, 100, 180},   // vertical line
        {100, 200, 400, 200, 250, 50, 250, 200},    // horizontal line
        {0, 0, 100, 100, 100, 0, 50, 50},
        {0, 0, 200, 100, 0, 100, 40, 20},
        {50, 50, 50, 50, 10, 70, 50, 70},           // A = B counts as vertical
    };
    for (const auto& c : cases) {
        p.ClearLog();
        s.AX = c.ax, s.AY = c.ay, s.BX = c.bx, s.BY = c.by, s.CX = c.cx, s.CY = c.cy;
        MarkPerpendicularFoot(s);
        EXPECT_NEAR(s.EX, c.ex, 1e-3);
        EXPECT_NEAR(s.EY, c.ey, 1e-3);
        // A background-coloured dot in every case.
        const auto dots = OfKind(Op::Dot);
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_EQ(dots[0].r, 2);
        EXPECT_EQ(dots[0].colour, 15);
        EXPECT_NEAR(dots[0].x1, c.ex, 1e-3);
        EXPECT_EQ(s.AX, c.ax);  // inputs kept
        EXPECT_EQ(s.CY, c.cy);
    }
    EXPECT_NEAR(s.AA1, 0.5f, 1e-6);  // slopes of the line and of the perpendicular
    s.AX = 0, s.AY = 0, s.BX = 100, s.BY = 100, s.CX = 100, s.CY = 0;
    MarkPerpendicularFoot(s);
    EXPECT_EQ(s.AA1, 1);
    EXPECT_EQ(s.AA2, -1);
}

TEST_F(Lines, CrossingPoints) {
    const struct {
        float ax, ay, bx, by, cx, cy, dx, dy, x, y;
    } cases[] = {
        {0, 0, 10, 10, 0, 10, 10, 0, 5, 5},
        {4, 0, 4, 9, 0, 1, 2, 5, 4, 9},        // vertical first line x = 4
        {0, 3, 9, 3, 7, 0, 7, 9, 7, 3},        // horizontal y = 3, vertical x = 7
        {0, 1, 2, 5, 4, 0, 4, 9, 4, 9},        // vertical second line
        {2, 2, 2, 2, 0, 0, 10, 10, 2, 2},      // A = B counts as horizontal here
        // A slope of exactly 1000 is a slope, not a vertical line.
        {4, 0, 4, 9, 0, 0, 1, 1000, 4, 4000},
        {0, 0, 1, 1000, 0, 500, 9, 500, 0.5f, 500},
    };
    for (const auto& c : cases) {
        s.AX = c.ax, s.AY = c.ay, s.BX = c.bx, s.BY = c.by;
        s.CX = c.cx, s.CY = c.cy, s.DX = c.dx, s.DY = c.dy;
        IntersectLines(s);
        EXPECT_EQ(s.KOUTEN, 1);
        EXPECT_NEAR(s.AX2, c.x, 1e-3) << c.ax << "," << c.ay << " " << c.cx << "," << c.cy;
        EXPECT_NEAR(s.AY2, c.y, 1e-2);
    }
    EXPECT_TRUE(p.Log().empty());
    s.AX = 4, s.AY = 0, s.BX = 4, s.BY = 9, s.CX = 0, s.CY = 1, s.DX = 2, s.DY = 5;
    IntersectLines(s);
    EXPECT_EQ(s.A1, 1000);  // the marker callers compare
    EXPECT_EQ(s.A2, 2);
    EXPECT_EQ(s.B2, 1);
}

TEST_F(Lines, ParallelLinesReportNoCrossing) {
    const struct {
        float ax, ay, bx, by, cx, cy, dx, dy;
    } cases[] = {
        {2, 0, 2, 9, 5, 0, 5, 9},          // two vertical lines
        {0, 1, 9, 1, 0, 4, 9, 4},          // two horizontal lines
        {0, 0, 10, 10, 0, 5, 10, 15},      // same slope
        {0, 0, 10, 10, 1, 1, 2, 2},        // the same line
    };
    for (const auto& c : cases) {
        s.AX = c.ax, s.AY = c.ay, s.BX = c.bx, s.BY = c.by;
        s.CX = c.cx, s.CY = c.cy, s.DX = c.dx, s.DY = c.dy;
        s.AX2 = -7, s.AY2 = -8;
        IntersectLines(s);
        EXPECT_EQ(s.KOUTEN, 0);
        EXPECT_EQ(s.AX2, -7);  // nothing passed off as a crossing
        EXPECT_EQ(s.AY2, -8);
    }
}

}  // namespace vm::test
