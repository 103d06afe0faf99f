#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Arcs = RigTest;

static void Segment(State& s, float x0, float y0, float x1, float y1) {
    s.ZX0 = x0, s.ZY0 = y0, s.ZX1 = x1, s.ZY1 = y1;
}

TEST_F(Arcs, DotCountFollowsTheStep) {
    const struct {
        float haba;
        size_t dots;
    } cases[] = {{3, 61}, {4, 46}, {5, 37}, {7, 26}, {1, 181}, {18, 11}, {200, 1}};
    for (float houkou : {1.0f, -1.0f}) {
        for (const auto& c : cases) {
            p.ClearLog();
            Segment(s, 100, 300, 300, 300);
            s.HABA = c.haba, s.TAKASA = 2, s.HOUKOU = houkou, s.CCC2 = 0;
            DrawDimensionArc(s);
            EXPECT_EQ(Count(Op::Dot), c.dots) << c.haba;
            for (const Op& o : OfKind(Op::Dot)) {
                EXPECT_EQ(o.r, 0.5f);
                EXPECT_EQ(o.colour, 0);
            }
        }
    }
}

TEST_F(Arcs, HeightInGridUnitsOrPixels) {
    const struct {
        float takasa, pixels;
    } cases[] = {{1, 16}, {2.5f, 40}, {15.5f, 248}, {16, 16}, {20, 20}, {-10, 10}, {0, 0}};
    for (const auto& c : cases) {
        Segment(s, 100, 300, 300, 300);
        s.HABA = 5, s.TAKASA = c.takasa, s.HOUKOU = -1;
        DrawDimensionArc(s);
        EXPECT_EQ(s.TAKASA, c.pixels) << c.takasa;
        // Apex straight above the midpoint by the height.
        EXPECT_NEAR(s.ZX0, 200, 1e-3);
        EXPECT_NEAR(s.ZY0, 300 - c.pixels, 1e-3);
        EXPECT_EQ(s.ZX, s.ZX0);
        EXPECT_EQ(s.ZY, s.ZY0);
    }
}

TEST_F(Arcs, SideOfTheArcAndItsDotOrder) {
    const struct {
        float x0, y0, x1, y1, houkou;
        float apex_x, apex_y;     // with height 32
        float first_x, first_y;   // first dot
    } cases[] = {
        {100, 300, 300, 300, 1, 200, 332, 100, 300},    // right of left-to-right: below, from P0
        {100, 300, 300, 300, -1, 200, 268, 300, 300},   // left: above, from P1
        {100, 300, 300, 300, 0, 200, 268, 300, 300},
        {300, 300, 100, 300, 1, 200, 268, 300, 300},    // right-to-left: right is above
        {100, 100, 100, 300, 1, 68, 200, 100, 100},     // downwards: right is screen left
    };
    for (const auto& c : cases) {
        p.ClearLog();
        Segment(s, c.x0, c.y0, c.x1, c.y1);
        s.HABA = 5, s.TAKASA = 2, s.HOUKOU = c.houkou;
        DrawDimensionArc(s);
        EXPECT_NEAR(s.ZX0, c.apex_x, 1e-3) << c.houkou;
        EXPECT_NEAR(s.ZY0, c.apex_y, 1e-3) << c.houkou;
        const auto dots = OfKind(Op::Dot);
        EXPECT_NEAR(dots.front().x1, c.first_x, 1e-3);
        EXPECT_NEAR(dots.front().y1, c.first_y, 1e-3);
        EXPECT_NEAR(dots.back().x1, c.x0 + c.x1 - c.first_x, 1e-2);  // the other end (PI is 3.14159)
        EXPECT_NEAR(dots.back().y1, c.y0 + c.y1 - c.first_y, 1e-2);
        // Results: the ends come back in ZX1/ZX2, the apex in ZX0 and ZX.
        EXPECT_EQ(s.ZX1, c.x0);
        EXPECT_EQ(s.ZY1, c.y0);
        EXPECT_EQ(s.ZX2, c.x1);
        EXPECT_EQ(s.ZY2, c.y1);
        // Every dot lies on the half-ellipse.
        for (const Op& o : dots) {
            const float mx = (c.x0 + c.x1) / 2, my = (c.y0 + c.y1) / 2;
            const float along = ((o.x1 - mx) * (c.x1 - c.x0) + (o.y1 - my) * (c.y1 - c.y0)) / 200;
            const float across = ((o.x1 - mx) * (c.y1 - c.y0) - (o.y1 - my) * (c.x1 - c.x0)) / 200;
            EXPECT_NEAR(along * along / 10000 + across * across / 1024, 1, 1e-3);
        }
    }
}

TEST_F(Arcs, LabelBeyondTheApexOutsideTheArc) {
    const struct {
        float houkou, takasa;
        float top;  // label's top relative to the apex
    } cases[] = {
        {1, 2, 0},      // below the segment: text top at the apex
        {-1, 2, -44},   // above: two label heights up
        {0, 2, 0},      // left (above), hanging towards the segment
        {1, 0, 0},      // flat: below the midpoint
        {-1, 0, -44},   // flat: above it
    };
    for (const auto& c : cases) {
        Segment(s, 100, 300, 300, 300);
        s.HABA = 5, s.TAKASA = c.takasa, s.HOUKOU = c.houkou, s.CCC2 = 0;
        s.AAA_s = "8cm";
        s.A_s = s.AAA_s;
        MeasureText(s);
        const float w = s.LLT;
        DrawDimensionArc(s);
        EXPECT_NEAR(s.Y, s.ZY0 + c.top, 1e-3) << c.houkou << " " << c.takasa;
        EXPECT_NEAR(s.X - w, 200 - w / 2, 1e-3);  // centred on the apex
    }
}

TEST_F(Arcs, ResetsTheLabelOptions) {
    Segment(s, 100, 300, 300, 300);
    s.HABA = 5, s.TAKASA = 1, s.HOUKOU = 1, s.CCC2 = 0;
    s.AAA_s = "a", s.AAAX = 4, s.AAAY = 5, s.MU_DO = 2, s.NAGASA = 30, s.ITI = 1;
    DrawDimensionArc(s);
    EXPECT_EQ(s.AAA_s, "");
    EXPECT_EQ(s.AAAX, 0);
    EXPECT_EQ(s.AAAY, 0);
    EXPECT_EQ(s.MU_DO, 0);
    EXPECT_EQ(s.NAGASA, 0);
    EXPECT_EQ(s.ITI, 0);
}

TEST_F(Arcs, InvisibleDotsStillPlaceTheLabel) {
    Segment(s, 100, 300, 300, 300);
    s.HABA = 5, s.TAKASA = 0, s.HOUKOU = -1, s.CCC2 = 15, s.CCC1 = 0;
    s.AAA_s = "x";
    DrawDimensionArc(s);
    EXPECT_EQ(OfKind(Op::Dot).front().colour, 15);
    EXPECT_FALSE(OfKind(Op::Text).empty());
    for (const Op& o : OfKind(Op::Dot)) EXPECT_EQ(o.y1, 300);  // flat: on the segment
}

TEST_F(Arcs, StepOfZeroOrBelowReturnsAtOnce) {
    for (float haba : {0.0f, -5.0f}) {
        Segment(s, 100, 300, 300, 300);
        s.HABA = haba, s.TAKASA = 1, s.HOUKOU = 1;
        DrawDimensionArc(s);
        EXPECT_TRUE(p.Log().empty()) << haba;
        EXPECT_EQ(s.TAKASA, 1);
    }
    // A step too small to move the counter ends after one dot instead of
    // spinning.
    s.HABA = 1e-9f, s.TAKASA = 1, s.HOUKOU = 1;
    Segment(s, 100, 300, 300, 300);
    DrawDimensionArc(s);
    EXPECT_EQ(Count(Op::Dot), 1u);
}

TEST_F(Arcs, EqualEndsAreARunTimeError) {
    Segment(s, 100, 300, 100, 300);
    s.HABA = 5, s.TAKASA = 1, s.HOUKOU = 1;
    EXPECT_THROW(DrawDimensionArc(s), RuntimeError);
    EXPECT_TRUE(p.Log().empty());
    s.TAKASA = 0;
    Segment(s, 100, 300, 100, 300);
    EXPECT_THROW(DrawDimensionArc(s), RuntimeError);
}

}  // namespace vm::test
