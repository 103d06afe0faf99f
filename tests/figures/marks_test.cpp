#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "state/shared_forms.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Marks = RigTest;

constexpr float kPi4 = 3.14159f / 4;

// A 90° angle at (300, 300): ray 1 to the right, ray 2 up.
static void RightAngle(State& s) {
    s.ZX0 = 300, s.ZY0 = 300, s.ZX1 = 400, s.ZY1 = 300, s.ZX2 = 300, s.ZY2 = 200;
}

TEST_F(Marks, ArcCountAndFilledSector) {
    const struct {
        float honsu;
        int arcs;        // 0: a sector
        float honsu_after;
    } cases[] = {
        {1, 1, 1}, {3, 3, 3}, {6, 6, 6}, {7, 1, 1}, {0.5f, 1, 0.5f}, {2.5f, 2, 2.5f},
        {0, 0, 0}, {-2, 0, -2},
    };
    for (const auto& c : cases) {
        p.ClearLog();
        RightAngle(s);
        s.HONSU = c.honsu, s.NAGASA = 60, s.CCC2 = 0, s.CCC3 = 3;
        DrawAngleMark(s);
        EXPECT_EQ(s.HONSU, c.honsu_after) << c.honsu;
        if (c.arcs == 0) {
            ASSERT_EQ(Count(Op::Sector), 1u) << c.honsu;
            EXPECT_EQ(Count(Op::Arc), 0u);
            const Op o = OfKind(Op::Sector)[0];
            EXPECT_EQ(o.r, 60);
            EXPECT_EQ(o.colour, 0);
            EXPECT_EQ(o.fill, 3);
            EXPECT_FLOAT_EQ(o.start, 0.75f);  // from ray 2 ...
            EXPECT_FLOAT_EQ(o.end, 1.0f);     // ... clockwise to ray 1
        } else {
            const auto arcs = OfKind(Op::Arc);
            ASSERT_EQ(arcs.size(), static_cast<size_t>(c.arcs)) << c.honsu;
            for (size_t i = 0; i < arcs.size(); ++i) {
                EXPECT_EQ(arcs[i].r, 60 - 8 * static_cast<float>(i + 1));
                EXPECT_EQ(arcs[i].colour, 3);
                EXPECT_EQ(arcs[i].fill, -1);
                EXPECT_FLOAT_EQ(arcs[i].start, 0.75f);
                EXPECT_FLOAT_EQ(arcs[i].end, 1.0f);
                EXPECT_EQ(arcs[i].x1, 300);
                EXPECT_EQ(arcs[i].y1, 300);
            }
        }
    }
}

TEST_F(Marks, OtherSweepWithItiMinusOne) {
    RightAngle(s);
    s.HONSU = 1, s.NAGASA = 40, s.ITI = -1;
    DrawAngleMark(s);
    const Op o = OfKind(Op::Arc).at(0);
    EXPECT_FLOAT_EQ(o.start, 1.0f);  // the reflex side: from ray 1 round to ray 2
    EXPECT_FLOAT_EQ(o.end, 0.75f);
    EXPECT_EQ(s.ITI, 0);
}

TEST_F(Marks, ArcsTooSmallForTheirRadiusDrawNothing) {
    RightAngle(s);
    s.HONSU = 3, s.NAGASA = 16;  // radii 8, 0, -8
    DrawAngleMark(s);
    ASSERT_EQ(Count(Op::Arc), 1u);
    EXPECT_EQ(OfKind(Op::Arc)[0].r, 8);
}

TEST_F(Marks, MarkAndLabelResetTheirOptions) {
    for (bool label : {true, false}) {
        RightAngle(s);
        s.HONSU = 1, s.NAGASA = 50, s.ITI = 1, s.AAAX = 5, s.AAAY = 6, s.MU_DO = 2;
        s.AAA_s = label ? "60°" : "";
        DrawAngleMark(s);
        EXPECT_EQ(s.ITI, 0);
        EXPECT_EQ(s.NAGASA, 0);
        EXPECT_EQ(s.AAAX, 0);
        EXPECT_EQ(s.AAAY, 0);
        EXPECT_EQ(s.MU_DO, 0);
        EXPECT_EQ(s.AAA_s, "");
        EXPECT_EQ(s.AA_s, "");
        // An empty label still moves the pen: bisector at 45°, 50 px out.
        if (!label) {
            const float a = 50 * std::cos(kPi4);
            EXPECT_NEAR(s.X, 300 + a + 5, 1e-3);  // plus the offsets
            EXPECT_NEAR(s.Y, 300 - a - 2 * 22 * (std::sin(kPi4) / 2 + 0.5f) + 6, 1e-3);
        }
    }
}

TEST_F(Marks, RightAngleMarkIsASquareInTheCorner) {
    for (float iti : {0.0f, -1.0f}) {
        p.ClearLog();
        RightAngle(s);
        s.NAGASA = 20, s.CCC2 = 3, s.ITI = iti;
        DrawRightAngleMark(s);
        const auto polys = OfKind(Op::Polyline);
        ASSERT_EQ(polys.size(), 1u);
        const auto& pts = polys[0].pts;
        ASSERT_EQ(pts.size(), 3u);
        EXPECT_EQ(polys[0].colour, 3);
        // The far corner in the middle; the two points on the rays at its
        // ends, in either order.
        EXPECT_NEAR(pts[1].x, 320, 1e-3);
        EXPECT_NEAR(pts[1].y, 280, 1e-3);
        const float ex = iti == 0 ? 320 : 300, ey = iti == 0 ? 300 : 280;
        EXPECT_NEAR(pts[0].x, ex, 1e-3);
        EXPECT_NEAR(pts[0].y, ey, 1e-3);
        EXPECT_NEAR(pts[2].x, 620 - ex, 1e-3);
        EXPECT_NEAR(pts[2].y, 580 - ey, 1e-3);
        // Resets nothing.
        EXPECT_EQ(s.NAGASA, 20);
        EXPECT_EQ(s.ITI, iti);
    }
}

// Where PlaceAngleLabel puts a label: the pen's y is the text top (the
// writers keep it), and its x after the text is the start plus the
// measured width.
TEST_F(Marks, LabelSitsOnTheBisectorPushedOutwards) {
    const struct {
        const char* name;
        float x1, y1, x2, y2;  // the rays from (300, 300)
    } cases[] = {
        {"right", 400, 400, 400, 200},  // starts at the anchor, top one height up
        {"left", 200, 200, 200, 400},   // ends at the anchor
        {"up", 400, 200, 200, 200},     // centred, top two heights up
        {"down", 200, 400, 400, 400},   // centred, top at the anchor
    };
    for (const auto& c : cases) {
        s.ZX0 = 300, s.ZY0 = 300, s.ZX1 = c.x1, s.ZY1 = c.y1, s.ZX2 = c.x2, s.ZY2 = c.y2;
        s.ITI = 0;
        s.NAGASA = 30;
        s.AAA_s = "AB";
        s.A_s = "AB";
        MeasureText(s);
        const float w = s.LLT;
        s.A_s = "AB";
        PlaceAngleLabel(s);
        const float x_start = s.X - w;
        const std::string n = c.name;
        if (n == "right") {
            EXPECT_NEAR(x_start, 330, 1e-3);
            EXPECT_NEAR(s.Y, 300 - 22, 1e-3);
        } else if (n == "left") {
            EXPECT_NEAR(x_start, 270 - w, 1e-3);
            EXPECT_NEAR(s.Y, 300 - 22, 1e-3);
        } else if (n == "up") {
            EXPECT_NEAR(x_start, 300 - w / 2, 1e-3);
            EXPECT_NEAR(s.Y, 270 - 44, 1e-3);
        } else {
            EXPECT_NEAR(x_start, 300 - w / 2, 1e-3);
            EXPECT_NEAR(s.Y, 330, 1e-3);
        }
    }
}

TEST_F(Marks, LabelOffsetsDistanceZeroAndFractionHeight) {
    // Bisector pointing up, anchor on the vertex (NAGASA 0).
    s.ZX0 = 300, s.ZY0 = 300, s.ZX1 = 400, s.ZY1 = 200, s.ZX2 = 200, s.ZY2 = 200;
    s.AAAX = 7, s.AAAY = -3;
    s.AAA_s = "ﾀ1/2ﾀ";
    s.A_s = s.AAA_s;
    MeasureText(s);
    const float w = s.LLT;
    PlaceAngleLabel(s);
    EXPECT_NEAR(s.X - w, 300 - w / 2 + 7, 1e-3);
    EXPECT_NEAR(s.Y, 300 - 80 - 3, 1e-3);  // a fraction counts 40 high
    EXPECT_EQ(s.DY, 40);
    EXPECT_EQ(s.AAAX, 0);
    EXPECT_EQ(s.AAAY, 0);
}

TEST_F(Marks, LabelWriterChoiceKeepsTheMarkupMeasure) {
    // Bisector pointing left: the label ends at the anchor (270, 300) by
    // the markup writer's measure, whichever writer draws it.
    for (float mu_do : {0.0f, 1.0f}) {
        p.ClearLog();
        s.ZX0 = 300, s.ZY0 = 300, s.ZX1 = 200, s.ZY1 = 200, s.ZX2 = 200, s.ZY2 = 400;
        s.NAGASA = 30, s.MU_DO = mu_do, s.AAA_s = "AB", s.CCC1 = 3;
        s.A_s = "AB";
        MeasureText(s);
        const float w = s.LLT;
        PlaceAngleLabel(s);
        const auto texts = OfKind(Op::Text);
        ASSERT_FALSE(texts.empty());
        EXPECT_NEAR(texts.front().x1, 270 - w, 1e-3) << mu_do;
        EXPECT_EQ(texts.front().colour, 3);
        EXPECT_EQ(texts.front().font.size == 15, mu_do == 1);  // the label writer's size
        EXPECT_EQ(s.MU_DO, 0);
    }
}

TEST_F(Marks, LabelMeasureKeepsLargeParentheses) {
    // Measuring draws the label out of sight; a large ")" there would use
    // up KAKKO before the label is drawn for real.
    RightAngle(s);
    s.NAGASA = 30, s.AAA_s = "(a)", s.KAKKO = 1;
    PlaceAngleLabel(s);
    int large = 0;
    for (const Op& o : OfKind(Op::Text))
        if (o.y1 < 1000 && o.mh == 3 && o.mv == 4) ++large;
    EXPECT_EQ(large, 2);
    EXPECT_EQ(s.KAKKO, 0);  // the drawn ")" clears it, as after any text
}

TEST_F(Marks, LabelGoesThroughTheBinding) {
    static int calls = 0;
    calls = 0;
    s.bind.PlaceAngleLabel = [](State& st) {
        ++calls;
        shared::PlaceAngleLabel(st);
    };
    RightAngle(s);
    s.HONSU = 1, s.NAGASA = 40;
    DrawAngleMark(s);
    EXPECT_EQ(calls, 1);
}

}  // namespace vm::test
