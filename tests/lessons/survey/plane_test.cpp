// Velmaris-D's coordinate plane and plots: scales in BAI and HI.
#include "figures/figures.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

// A plane of ±5 units, 20 px each, origin at (200, 200), no grid.
void Plane(Rig& r) {
    r.s.GGX = 100, r.s.GGY = 100;
    r.s.SIZE = 20;
    r.s.AA1 = -5, r.s.AA2 = 5, r.s.BB1 = -5, r.s.BB2 = 5;
    r.s.CCC2 = 0;
    DrawCoordinatePlane(r.s);
    r.p.ClearLog();
}

TEST(SurveyPlane, RangesAreTakenAsGiven) {
    Rig r(ProgramD());
    r.s.BAIX = 2, r.s.BAIY = 0;
    r.s.GGX = 100, r.s.GGY = 100;
    r.s.SIZE = 20;
    r.s.AA1 = -10, r.s.AA2 = 4, r.s.BB1 = -2, r.s.BB2 = 6;
    r.s.CCC2 = 0;
    r.s.NASI = -1;
    DrawCoordinatePlane(r.s);
    EXPECT_EQ(r.s.GX0, 300);
    EXPECT_EQ(r.s.GY0, 220);
    EXPECT_EQ(r.s.GX2, 380);
    EXPECT_EQ(r.s.GY2, 260);
    EXPECT_EQ(r.s.AA1, -10);
    EXPECT_EQ(r.s.BAIX, 2);
    EXPECT_EQ(r.s.BAIY, 0);
    EXPECT_EQ(r.s.NASI, 0);
    EXPECT_EQ(r.s.SIZE1, 26);
    // The shared plane divides its ranges by its scales.
    Rig a(ProgramA());
    a.s.BAIX = 2;
    a.s.GGX = 100, a.s.GGY = 100;
    a.s.SIZE = 20;
    a.s.AA1 = -10, a.s.AA2 = 4, a.s.BB1 = -2, a.s.BB2 = 6;
    a.s.CCC2 = 0;
    DrawCoordinatePlane(a.s);
    EXPECT_EQ(a.s.GX0, 200);
}

// At unit scales the ranges count grid lines in either form, so the two
// planes draw alike: grid, five-unit lines, numbers, axes and letters.
TEST(SurveyPlane, AtUnitScalesDrawsWhatTheSharedPlaneDraws) {
    struct Case {
        float grid, nasi;
    };
    for (const Case c : {Case{10, 1}, Case{10, -1}, Case{0, 1}}) {
        SCOPED_TRACE("CCC2 " + Num(c.grid) + " NASI " + Num(c.nasi));
        Rig d(ProgramD());
        Rig a(ProgramA());
        for (Rig* r : {&d, &a}) {
            r->p.SetDrawWidth(7);
            r->s.BAIX = 1, r->s.BAIY = 1;
            r->s.GGX = 60, r->s.GGY = 40;
            r->s.SIZE = 40;
            r->s.AA1 = -6, r->s.AA2 = 11, r->s.BB1 = -5, r->s.BB2 = 7;
            r->s.CCC2 = c.grid;
            r->s.NASI = c.nasi;
            DrawCoordinatePlane(r->s);
        }
        EXPECT_FALSE(d.Ops().empty());
        EXPECT_EQ(d.Ops(), a.Ops());
        EXPECT_EQ(d.s.X, a.s.X);
        EXPECT_EQ(d.s.Y, a.s.Y);
        EXPECT_EQ(d.s.GY2, a.s.GY2);
        EXPECT_EQ(d.p.GetDrawWidth(), 7);
    }
}

struct PointCase {
    float bai, hi;
    float gx, gy;
};

// The point (2, 4).
const PointCase kPoints[] = {
    {2, 2, 220, 180},
    {1, 1, 240, 120},
    {0, 0, 240, 120},  // no scale: 1 in both directions
    {0, 3, 240, 120},  // HI goes with BAI
    {2, 0, 220, 160},  // a zero HI alone is taken as 1
    {0.5f, 4, 280, 160},
};

TEST(SurveyPlot, PointsBySurveyScalesAndTheirResets) {
    for (const PointCase& c : kPoints) {
        SCOPED_TRACE("BAI " + Num(c.bai) + " HI " + Num(c.hi));
        Rig r(ProgramD());
        Plane(r);
        r.s.XG = 2, r.s.YG = 4;
        r.s.R = 6;
        r.s.CCC3 = 5;
        r.s.BAI = c.bai, r.s.HI = c.hi;
        r.s.KASANARIX = 3, r.s.KASANARIY = -2;
        r.s.AAA_s = "P";
        EXPECT_NO_THROW(PlotLabelledPoint(r.s));
        EXPECT_EQ(r.s.GX, c.gx);
        EXPECT_EQ(r.s.GY, c.gy);
        const auto dots = r.OfKind(Op::Dot);
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_EQ(dots[0].r, 6);
        EXPECT_EQ(dots[0].colour, 5);
        const auto t = r.OfKind(Op::Text);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].x1, c.gx - 20 + 3);
        EXPECT_EQ(t[0].y1, c.gy - 40 - 2);
        EXPECT_EQ(t[0].colour, 5);
        EXPECT_EQ(r.s.CCC1, 5);
        EXPECT_EQ(r.s.HI, 1);
        EXPECT_EQ(r.s.BAI, 1);
        EXPECT_EQ(r.s.KASANARIX, 0);
        EXPECT_EQ(r.s.KASANARIY, 0);
    }
}

TEST(SurveyPlot, CurveKeepsToThePlanesHeightAndStartsBesideZero) {
    Rig r(ProgramD());
    Plane(r);
    r.p.SetDrawWidth(7);
    r.s.IROIRO = 2;
    r.s.AA = 1;
    r.s.BAI = 0, r.s.HI = 0;
    r.s.CCC3 = 4;
    r.s.AAA_s = "";
    PlotGraph(r.s);
    const auto dots = r.OfKind(Op::Dot);
    ASSERT_FALSE(dots.empty());
    EXPECT_LT(dots.size(), 5001u);  // y = x² leaves the plane for |x| > √5
    for (const Op& d : dots) {
        EXPECT_GE(d.y1, 100);
        EXPECT_LE(d.y1, 300);
    }
    EXPECT_EQ(r.p.GetDrawWidth(), 7);
    EXPECT_EQ(r.s.HI, 1);
    EXPECT_EQ(r.s.BAI, 1);

    // A start at exactly 0 is taken at 0.002, scaled by BAI.
    r.p.ClearLog();
    r.s.AA1 = 0;
    r.s.IROIRO = 1;
    r.s.AA = 0.01f;
    r.s.BAI = 2;
    r.s.HI = 1;
    PlotGraph(r.s);
    EXPECT_EQ(r.s.HABA, 5000);
    const auto first = r.OfKind(Op::Dot).at(0);
    EXPECT_NEAR(first.x1, 200 + 20 * 0.002f / 2, 1e-3);
    EXPECT_NEAR(first.y1, 200 - 20 * (0.01f / 0.002f) / 2, 1e-3);
}

TEST(SurveyPlot, VerticalLineAtCOverA) {
    Rig r(ProgramD());
    Plane(r);
    r.p.SetDrawWidth(7);
    r.s.IROIRO = 4;
    r.s.AA = 2, r.s.BB = 0, r.s.CC = 6;
    r.s.BAI = 3, r.s.HI = 0;
    r.s.CCC3 = 3;
    r.s.AAA_s = "1";
    PlotGraph(r.s);
    const auto lines = r.OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Describe(lines[0]), "L 260,300-260,100 w5");
    EXPECT_EQ(lines[0].colour, 3);
    const auto t = r.OfKind(Op::Text);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].x1, 270);
    EXPECT_EQ(t[0].y1, 100);
    EXPECT_EQ(r.s.CC, 3);
    EXPECT_EQ(r.p.GetDrawWidth(), 7);
}

}  // namespace
}  // namespace vm::test
