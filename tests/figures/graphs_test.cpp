#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Graphs = RigTest;

static void Plane(State& s, float gx, float gy, float a1, float a2, float b1, float b2,
                  float size) {
    s.GGX = gx, s.GGY = gy, s.AA1 = a1, s.AA2 = a2, s.BB1 = b1, s.BB2 = b2, s.SIZE = size;
    s.CCC2 = 0, s.NASI = 1;
    DrawCoordinatePlane(s);
}

TEST_F(Graphs, LabelledPointsOfTheFirstCaller) {
    Plane(s, 748, 120, -5, 2, -5, 5, 40);
    const struct {
        float x, y, kx, ky;
        const char* label;
        float gx, gy, lx, ly;
    } cases[] = {{-3, 3, 0, -20, "A", 828, 200, 808, 140},
                 {-1, -3, 30, 60, "B", 908, 440, 918, 460}};
    for (const auto& c : cases) {
        p.ClearLog();
        s.XG = c.x, s.YG = c.y, s.R = 7, s.CCC3 = 3, s.AAA_s = c.label;
        s.KASANARIX = c.kx, s.KASANARIY = c.ky;
        s.A_s = c.label;
        MeasureText(s);
        const float w = s.LLT;
        PlotLabelledPoint(s);
        EXPECT_EQ(s.GX, c.gx);
        EXPECT_EQ(s.GY, c.gy);
        const auto dots = OfKind(Op::Dot);
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_EQ(dots[0].x1, c.gx);
        EXPECT_EQ(dots[0].y1, c.gy);
        EXPECT_EQ(dots[0].r, 7);
        EXPECT_EQ(dots[0].colour, 3);
        EXPECT_EQ(s.X - w, c.lx);
        EXPECT_EQ(s.Y, c.ly);
        EXPECT_EQ(s.CCC1, 3);
        EXPECT_EQ(s.KASANARIX, 0);
        EXPECT_EQ(s.KASANARIY, 0);
        EXPECT_EQ(s.AAA_s, c.label);  // kept, unlike the mark routines
        EXPECT_EQ(s.AA_s, "");
    }
    s.BAIX = 0, s.BAIY = 0, s.XG = 1, s.YG = 1;
    PlotLabelledPoint(s);
    EXPECT_EQ(s.BAIX, 1);
    EXPECT_EQ(s.BAIY, 1);
    EXPECT_EQ(s.GX, 988);
}

TEST_F(Graphs, ParabolaKeepsToThePlanesHeight) {
    Plane(s, 836, 120, -3, 3, -1, 9, 50);
    ASSERT_EQ(s.GX0, 986);
    ASSERT_EQ(s.GY0, 570);
    p.ClearLog();
    s.IROIRO = 2, s.AA = 2, s.CCC3 = 0, s.AAA_s = "y=2x^2";
    p.SetDrawWidth(2);
    PlotGraph(s);
    const auto dots = OfKind(Op::Dot);
    EXPECT_NEAR(static_cast<double>(dots.size()), 3535, 3);
    for (const Op& o : dots) {
        EXPECT_GE(o.y1, 120);
        EXPECT_LE(o.y1, 620);
        EXPECT_EQ(o.r, 1);
    }
    EXPECT_NEAR(dots.back().x1, 1092.0, 0.1);
    EXPECT_NEAR(dots.back().y1, 120.4, 0.1);
    EXPECT_NEAR(s.Y, dots.back().y1, 1e-4);  // the label starts at the last dot
    EXPECT_FLOAT_EQ(s.P1, 0.0012f);
    EXPECT_EQ(s.II, 5001);
    EXPECT_EQ(s.HABA, 5000);
    EXPECT_EQ(s.BAIX, 1);
    EXPECT_EQ(s.BAIY, 1);
    EXPECT_EQ(s.CCC1, 0);
    EXPECT_EQ(p.GetDrawWidth(), 2);
    EXPECT_EQ(s.AAA_s, "y=2x^2");
}

TEST_F(Graphs, LineWithLabelOffsets) {
    Plane(s, 660, 120, -1, 6, -1, 3, 60);
    p.ClearLog();
    s.IROIRO = 3, s.AA = 0.5f, s.BB = 0, s.CCC3 = 0, s.AAA_s = "y=ﾀ1/2ﾀx";
    s.KASANARIX = -114, s.KASANARIY = -60;
    s.A_s = s.AAA_s;
    MeasureText(s);
    const float w = s.LLT;
    PlotGraph(s);
    const auto dots = OfKind(Op::Dot);
    EXPECT_EQ(dots.size(), 5001u);
    EXPECT_NEAR(dots.back().x1, 1080, 0.1);
    EXPECT_NEAR(dots.back().y1, 120, 0.1);
    EXPECT_NEAR(s.X - w, 966, 0.1);
    EXPECT_NEAR(s.Y, 60, 0.1);
    EXPECT_EQ(s.KASANARIX, 0);
    EXPECT_EQ(s.KASANARIY, 0);
}

TEST_F(Graphs, KindsOfGraph) {
    const struct {
        float kind, aa, bb, cc;
        float kind_after, aa_after, bb_after;
        float y_at_first;  // y of the first point (plane units)
    } cases[] = {
        {4, 1, 2, 4, 3, -0.5f, 2, 3},        // x + 2y = 4 as y = -0.5x + 2
        {0, 2, 1, 0, 0, 2, 1, -3},           // any other kind: a line
        {5, 2, 1, 0, 5, 2, 1, -3},
        {3, 2, 1, 0, 3, 2, 1, -3},
        {1, 2, 0, 0, 1, 2, 0, -1},           // y = 2/x
    };
    for (const auto& c : cases) {
        Plane(s, 600, 100, -2, 2, -10, 10, 20);
        s.IROIRO = c.kind, s.AA = c.aa, s.BB = c.bb, s.CC = c.cc, s.CCC3 = 0, s.AAA_s = "";
        PlotGraph(s);
        EXPECT_EQ(s.IROIRO, c.kind_after);
        EXPECT_EQ(s.AA, c.aa_after);
        EXPECT_EQ(s.BB, c.bb_after);
        EXPECT_EQ(s.X1, -2);
        EXPECT_NEAR(s.Y1, c.y_at_first, 1e-5) << c.kind;
    }
    // y = a/x from x = 0: the run starts at 0.002.
    Plane(s, 600, 100, 0, 2, -10, 10, 20);
    s.IROIRO = 1, s.AA = 2;
    PlotGraph(s);
    EXPECT_FLOAT_EQ(s.X1, 0.002f);
    EXPECT_FLOAT_EQ(s.Y1, 1000);
}

TEST_F(Graphs, ReciprocalStepsOverZero) {
    // From -1 to 1 in 5000 steps the running x can land on 0 exactly only
    // by chance; either way no dot is taken at x = 0 and nothing fails.
    Plane(s, 600, 100, -1, 1, -10, 10, 20);
    p.ClearLog();
    s.IROIRO = 1, s.AA = 1, s.CCC3 = 0;
    PlotGraph(s);
    for (const Op& o : OfKind(Op::Dot)) EXPECT_TRUE(std::isfinite(o.y1));
}

TEST_F(Graphs, VerticalLine) {
    Plane(s, 600, 100, -2, 8, -3, 5, 20);
    p.ClearLog();
    p.SetDrawWidth(2);
    s.IROIRO = 4, s.AA = 2, s.BB = 0, s.CC = 6, s.CCC3 = 4, s.AAA_s = "x=3";
    PlotGraph(s);
    const auto lines = OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, s.GX0 + 60);
    EXPECT_EQ(lines[0].x2, s.GX0 + 60);
    EXPECT_EQ(lines[0].y1, s.GY2);  // bottom edge to top edge
    EXPECT_EQ(lines[0].y2, s.GY1);
    EXPECT_EQ(lines[0].width, 5);
    EXPECT_EQ(lines[0].colour, 4);
    EXPECT_EQ(s.Y, s.GY1);
    EXPECT_EQ(s.CC, 3);
    EXPECT_EQ(p.GetDrawWidth(), 2);
    p.ClearLog();
    PlotGraph(s);  // CC is 3 now: the line moves to x = 1.5
    EXPECT_EQ(OfKind(Op::Line).at(0).x1, s.GX0 + 30);
}

TEST_F(Graphs, NoDotInsideLabelsAtTheCallersPen) {
    Plane(s, 600, 100, -2, 2, -1, 1, 20);
    s.X = 50, s.Y = 60;
    p.ClearLog();
    s.IROIRO = 3, s.AA = 0, s.BB = 50, s.CCC3 = 0, s.AAA_s = "y";  // y = 50: above it all
    s.KASANARIX = 5, s.KASANARIY = 6;
    s.A_s = "y";
    MeasureText(s);
    const float w = s.LLT;
    PlotGraph(s);
    EXPECT_EQ(Count(Op::Dot), 0u);
    EXPECT_EQ(s.X - w, 55);
    EXPECT_EQ(s.Y, 66);
}

TEST_F(Graphs, EmptyLabelStillResetsOffsets) {
    Plane(s, 748, 120, -5, 2, -5, 5, 40);
    p.ClearLog();
    s.XG = 1, s.YG = 1, s.R = 7, s.CCC3 = 3, s.AAA_s = "", s.KASANARIX = 9, s.KASANARIY = 9;
    PlotLabelledPoint(s);
    EXPECT_EQ(Count(Op::Text), 0u);
    EXPECT_EQ(s.KASANARIX, 0);
    EXPECT_EQ(s.KASANARIY, 0);
}

TEST_F(Graphs, BothCoefficientsZeroIsARunTimeError) {
    Plane(s, 748, 120, -5, 2, -5, 5, 40);
    p.ClearLog();
    s.IROIRO = 4, s.AA = 0, s.BB = 0, s.CC = 3;
    EXPECT_THROW(PlotGraph(s), RuntimeError);
    EXPECT_TRUE(p.Log().empty());
}

TEST_F(Graphs, CurveAndLineGoThroughTheBinding) {
    static int curves = 0, lines = 0;
    curves = lines = 0;
    s.bind.PlotCurve = [](State&) { ++curves; };
    s.bind.PlotVerticalLine = [](State&) { ++lines; };
    s.IROIRO = 2, s.AA = 1;
    PlotGraph(s);
    s.IROIRO = 4, s.AA = 1, s.BB = 0, s.CC = 1;
    PlotGraph(s);
    EXPECT_EQ(curves, 1);
    EXPECT_EQ(lines, 1);
}

}  // namespace vm::test
