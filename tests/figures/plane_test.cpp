#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Plane = RigTest;

static void FirstCaller(State& s) {
    s.GGX = 748, s.GGY = 120, s.AA1 = -5, s.AA2 = 2, s.BB1 = -5, s.BB2 = 5;
    s.SIZE = 40, s.CCC2 = 10, s.NASI = 1;
}

TEST_F(Plane, WorkedExampleGeometryLinesAndTexts) {
    FirstCaller(s);
    p.SetDrawWidth(2);
    DrawCoordinatePlane(s);
    EXPECT_EQ(s.GX0, 948);
    EXPECT_EQ(s.GY0, 320);
    EXPECT_EQ(s.GX1, 748);
    EXPECT_EQ(s.GY1, 120);
    EXPECT_EQ(s.GX2, 1028);
    EXPECT_EQ(s.GY2, 520);
    EXPECT_EQ(s.SIZE1, 30);
    EXPECT_EQ(s.BAIX, 1);
    EXPECT_EQ(s.BAIY, 1);

    const auto lines = OfKind(Op::Line);
    // 8 thin verticals, 11 thin horizontals, 2 + 3 five-unit lines, 2 axes.
    ASSERT_EQ(lines.size(), 8u + 11u + 5u + 2u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(lines[static_cast<size_t>(i)].x1, 747.5f + 40 * i);
        EXPECT_EQ(lines[static_cast<size_t>(i)].width, 1);
        EXPECT_EQ(lines[static_cast<size_t>(i)].colour, 0);
    }
    for (int j = 0; j < 11; ++j) EXPECT_EQ(lines[8 + static_cast<size_t>(j)].y1, 519.5f - 40 * j);
    const float five[][4] = {{748, 120, 748, 520}, {948, 120, 948, 520}, {748, 520, 1028, 520},
                             {748, 320, 1028, 320}, {748, 120, 1028, 120}};
    for (size_t k = 0; k < 5; ++k) {
        const Op& o = lines[19 + k];
        EXPECT_EQ(o.x1, five[k][0]);
        EXPECT_EQ(o.y1, five[k][1]);
        EXPECT_EQ(o.x2, five[k][2]);
        EXPECT_EQ(o.y2, five[k][3]);
        EXPECT_EQ(o.width, 3);
        EXPECT_EQ(o.colour, 1);
    }
    EXPECT_EQ(lines[24].width, 4);  // y axis
    EXPECT_EQ(lines[24].x1, 948);
    EXPECT_EQ(lines[25].width, 4);  // x axis
    EXPECT_EQ(lines[25].y1, 320);

    const auto texts = OfKind(Op::Text);
    const struct {
        const char* text;
        float x, y;
        int mh, mv;
    } want[] = {{"-5", 718, 320, 2, 1}, {"-5", 888, 501, 2, 1}, {"5", 918, 101, 2, 1},
                {"x", 1004, 275, 3, 2}, {"0", 918, 320, 2, 1}, {"y", 948, 105, 2, 1}};
    ASSERT_EQ(texts.size(), std::size(want));
    for (size_t k = 0; k < texts.size(); ++k) {
        EXPECT_EQ(texts[k].text, want[k].text);
        EXPECT_EQ(texts[k].x1, want[k].x) << want[k].text;
        EXPECT_EQ(texts[k].y1, want[k].y) << want[k].text;
        EXPECT_EQ(texts[k].mh, want[k].mh);
        EXPECT_EQ(texts[k].mv, want[k].mv);
        EXPECT_EQ(texts[k].colour, 0);
    }
    EXPECT_EQ(texts[3].font.name, "Times New Roman");
    EXPECT_TRUE(texts[3].font.italic);
    EXPECT_TRUE(texts[3].font.bold);
    EXPECT_EQ(texts[3].font.size, 24);
    EXPECT_EQ(texts[4].font.name, "ゴシック");
    EXPECT_FALSE(texts[4].font.italic);
    EXPECT_EQ(texts[4].font.size, 30);
    EXPECT_EQ(texts[0].font.size, 30);

    // Left behind.
    EXPECT_EQ(p.Font(), (FontState{"ゴシック", 16, false, false}));
    EXPECT_EQ(p.GetDrawWidth(), 2);
    EXPECT_EQ(s.NASI, 0);
    EXPECT_EQ(s.CCC1, 0);
    EXPECT_EQ(s.AA_s, "y");
    EXPECT_EQ(s.X, 948);
    EXPECT_EQ(s.Y, 105);
}

TEST_F(Plane, AxesOnlyAndNumbersOff) {
    const struct {
        float ccc2, nasi;
        size_t lines, texts;
    } cases[] = {{0, 1, 2, 3}, {0, -1, 2, 3}, {10, -1, 26, 3}};
    for (const auto& c : cases) {
        p.ClearLog();
        FirstCaller(s);
        s.CCC2 = c.ccc2, s.NASI = c.nasi;
        DrawCoordinatePlane(s);
        EXPECT_EQ(Count(Op::Line), c.lines);
        EXPECT_EQ(Count(Op::Text), c.texts);  // "x", "0", "y"
        EXPECT_EQ(s.NASI, 0);
    }
}

TEST_F(Plane, DefaultCornerFontSizeAndScales) {
    const struct {
        float ggx, ggy, size, baix, aa1, aa2;
        float gx1, gy1, size1, baix_after, aa1_after, aa2_after;
    } cases[] = {
        {0, 0, 40, 0, -5, 5, 640, 180, 30, 1, -5, 5},
        {0, 100, 39, 1, -5, 5, 0, 100, 26, 1, -5, 5},
        {10, 0, 50, -2, -6, 4, 10, 0, 30, 2, -3, 2},
    };
    for (const auto& c : cases) {
        s.GGX = c.ggx, s.GGY = c.ggy, s.SIZE = c.size, s.BAIX = c.baix, s.BAIY = 0;
        s.AA1 = c.aa1, s.AA2 = c.aa2, s.BB1 = -1, s.BB2 = 3, s.CCC2 = 0;
        DrawCoordinatePlane(s);
        EXPECT_EQ(s.GX1, c.gx1);
        EXPECT_EQ(s.GY1, c.gy1);
        EXPECT_EQ(s.GGX, c.gx1);
        EXPECT_EQ(s.GGY, c.gy1);
        EXPECT_EQ(s.SIZE1, c.size1);
        EXPECT_EQ(s.BAIX, c.baix_after);
        EXPECT_EQ(s.BAIY, 1);
        EXPECT_EQ(s.AA1, c.aa1_after);
        EXPECT_EQ(s.AA2, c.aa2_after);
        EXPECT_EQ(s.GX0, c.gx1 + c.size * std::fabs(c.aa1_after));
        EXPECT_EQ(s.GX2 - s.GX1, c.size * (c.aa2_after - c.aa1_after));
    }
}

TEST_F(Plane, RangeWithoutAMultipleOfFiveHasNoNumbers) {
    s.GGX = 836, s.GGY = 120, s.AA1 = -3, s.AA2 = 3, s.BB1 = -1, s.BB2 = 9, s.SIZE = 50;
    s.CCC2 = 10, s.NASI = 1;
    DrawCoordinatePlane(s);
    std::vector<std::string> texts;
    for (const Op& o : OfKind(Op::Text)) texts.push_back(o.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"5", "x", "0", "y"}));  // only y = 5
    EXPECT_EQ(s.GY0, 570);
}

TEST_F(Plane, TickNumbersInTheCallersUnits) {
    FirstCaller(s);
    s.CCC2 = 0;
    DrawCoordinatePlane(s);
    p.ClearLog();
    s.BAIX = 1, s.BAIY = 1;
    DrawPlaneTickNumbers(s);
    // "-5" on each axis, "5" on the y axis; none at the origin.
    s.A_s = "-5";
    MeasureLabelText(s);
    const float w5 = s.LLT;
    s.A_s = "5";
    MeasureLabelText(s);
    const float w1 = s.LLT;
    const auto texts = OfKind(Op::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_NEAR(texts.front().x1, 748 - w5 / 2, 1.5);
    EXPECT_NEAR(texts.front().y1, 324, 1.5);
    EXPECT_NEAR(texts.back().x1, 948 - w1 - 10, 1.5);  // right-aligned left of the y axis
    EXPECT_NEAR(texts.back().y1, 320 - 200 - 15, 1.5);
    EXPECT_EQ(s.P1_s, "5");
}

TEST_F(Plane, RevisionReachesCallersThroughTheBinding) {
    static int calls = 0;
    calls = 0;
    s.bind.DrawCoordinatePlane = [](State&) { ++calls; };
    DrawCoordinatePlane(s);
    EXPECT_EQ(calls, 1);
}

}  // namespace vm::test
