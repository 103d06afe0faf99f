// Renders a figure with every kind of mark to a PNG for a look by eye, and
// checks a few pixels: marks land where the routines put them.
#include <gtest/gtest.h>

#include <array>

#include "figures/figures.h"
#include "platform/canvas.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

TEST(FigureRender, TriangleMarksPlaneAndArrow) {
    Rig r(ProgramA(), true, "10:00:00");
    Platform& p = r.p;
    State& s = r.s;
    p.FillBox(0, 0, 1440, 900, 15, 15);

    // Right triangle A(200,500) B(600,500) C(200,200), listed counter-clockwise.
    const float ax = 200, ay = 500, bx = 600, by = 500, cx = 200, cy = 200;
    s.KAKU = 3;
    s.G_a(1, 1) = ax, s.G_a(1, 2) = ay;
    s.G_a(2, 1) = bx, s.G_a(2, 2) = by;
    s.G_a(3, 1) = cx, s.G_a(3, 2) = cy;
    s.SIZE1 = 5, s.CCC2 = 0, s.CCC1 = 0, s.NAGASA = 20, s.AAA_s = "A";
    DrawPolygon(s);

    p.SetDrawWidth(3);
    s.ZX0 = ax, s.ZY0 = ay, s.ZX1 = bx, s.ZY1 = by, s.ZX2 = cx, s.ZY2 = cy;
    s.NAGASA = 24, s.CCC2 = 3;
    DrawRightAngleMark(s);

    // Angle at B with two arcs and its label inside.
    s.ZX0 = bx, s.ZY0 = by, s.ZX1 = cx, s.ZY1 = cy, s.ZX2 = ax, s.ZY2 = ay;
    s.HONSU = 2, s.NAGASA = 70, s.CCC3 = 3, s.CCC1 = 3, s.AAA_s = "θ";
    DrawAngleMark(s);
    // Filled wedge at C.
    s.ZX0 = cx, s.ZY0 = cy, s.ZX1 = ax, s.ZY1 = ay, s.ZX2 = bx, s.ZY2 = by;
    s.HONSU = 0, s.NAGASA = 40, s.CCC2 = 0, s.CCC3 = 13;
    DrawAngleMark(s);

    // Equal marks on the two legs.
    for (auto [x0, y0, x1, y1] : {std::array{ax, ay, bx, by}, std::array{cx, cy, ax, ay}}) {
        s.AX = x0, s.AY = y0, s.BX = x1, s.BY = y1;
        s.HONSU = 2, s.AIDA = 8, s.NAGASA = 12, s.ITI = 0, s.CCC2 = 7;
        DrawTickMarks(s);
    }

    // Dimension arcs under AB and beyond the hypotenuse.
    s.CCC1 = 0;
    s.ZX0 = ax, s.ZY0 = ay, s.ZX1 = bx, s.ZY1 = by;
    s.HABA = 5, s.TAKASA = 3, s.HOUKOU = 1, s.CCC2 = 0, s.AAA_s = "8cm";
    DrawDimensionArc(s);
    s.ZX0 = bx, s.ZY0 = by, s.ZX1 = cx, s.ZY1 = cy;
    s.HABA = 4, s.TAKASA = 3, s.HOUKOU = 1, s.CCC2 = 5, s.AAA_s = "10cm";
    DrawDimensionArc(s);
    s.ZX0 = cx, s.ZY0 = cy, s.ZX1 = ax, s.ZY1 = ay;
    s.HABA = 3, s.TAKASA = 2, s.HOUKOU = 1, s.CCC2 = 0, s.AAA_s = "ﾀ1/2ﾀa";
    DrawDimensionArc(s);

    // A coordinate plane with a parabola and a labelled point.
    s.GGX = 840, s.GGY = 120, s.AA1 = -3, s.AA2 = 3, s.BB1 = -1, s.BB2 = 9;
    s.SIZE = 50, s.CCC2 = 10, s.NASI = 1;
    DrawCoordinatePlane(s);
    s.IROIRO = 2, s.AA = 1, s.CCC3 = 0, s.AAA_s = "y=x^2";
    PlotGraph(s);
    s.XG = 2, s.YG = 4, s.R = 7, s.CCC3 = 3, s.AAA_s = "P", s.KASANARIX = 30, s.KASANARIY = 20;
    PlotLabelledPoint(s);

    // A double-headed arrow.
    p.SetDrawWidth(5);
    s.ZX = 1000, s.ZY = 780, s.ZX0 = 700, s.ZY0 = 780;
    s.NAGASA = 16, s.CCC2 = 3, s.MUKI = -1, s.YA = 2;
    DrawArrow(s);

    ASSERT_TRUE(p.WritePng(test::OutputPath("figures_test.png")));

    auto ink = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const Rgb c = p.Canvas()->PixelAt(x, y);
                if (!(c.r > 240 && c.g > 240 && c.b > 240)) ++n;
            }
        return n;
    };
    EXPECT_GT(ink(380, 545, 420, 550), 0);   // a dot of the arc under AB, 48 px below
    EXPECT_EQ(ink(380, 520, 420, 540), 0);   // nothing between the arc and the side
    EXPECT_GT(ink(1040, 310, 1050, 330), 0); // the parabola near (2.1, 8.8)... x = 1040
    EXPECT_GT(ink(990, 770, 1000, 790), 0);  // a head of the arrow
}

}  // namespace
}  // namespace vm::test
