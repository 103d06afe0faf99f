// Velmaris-D's chart grid and box-and-whisker plot.
#include "lessons/survey/charts.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

void Chart(Rig& r) {
    r.p.SetDrawWidth(7);
    r.s.GGX = 440, r.s.GGY = 80;
    r.s.YOKO = 8, r.s.TATE = 4;
    r.s.SIZEX = 80, r.s.SIZEY = 60;
    r.s.CCC1 = 4, r.s.CCC2 = 9, r.s.CCC3 = 9;
    DrawChartGrid(r.s);
}

TEST(SurveyChartGrid, LinesAxesAndCornerOfAnEightByFourChart) {
    Rig r(ProgramD());
    Chart(r);
    const auto lines = r.OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 8u + 4u + 2u);
    for (int c = 1; c <= 8; ++c) {
        const Op& l = lines[static_cast<size_t>(c - 1)];
        EXPECT_EQ(Describe(l), "L " + std::to_string(440 + 80 * c) + ",80-" +
                               std::to_string(440 + 80 * c) + ",320 w" + (c == 5 ? "3" : "2"));
        EXPECT_EQ(l.colour, 0);
    }
    for (int row = 1; row <= 4; ++row) {
        const Op& l = lines[static_cast<size_t>(7 + row)];
        EXPECT_EQ(Describe(l), "L 440," + std::to_string(320 - 60 * row) + "-1080," +
                               std::to_string(320 - 60 * row) + " w2");
        EXPECT_EQ(l.colour, 0);
    }
    // The bottom axis first, then the vertical one.
    EXPECT_EQ(Describe(lines[12]), "L 440,320-1080,320 w5");
    EXPECT_EQ(Describe(lines[13]), "L 440,320-440,80 w5");
    EXPECT_EQ(r.s.GX0, 440);
    EXPECT_EQ(r.s.GY0, 320);
    EXPECT_EQ(r.s.GY1, 80);
    EXPECT_EQ(r.s.GX2, 1080);
    EXPECT_EQ(r.s.GY2, 320);
    const auto texts = r.OfKind(Op::Text);
    ASSERT_EQ(texts.size(), 1u);  // no labels given: only the corner's "0"
    EXPECT_EQ(texts[0].text, "0");
    EXPECT_EQ(texts[0].x1, 410);
    EXPECT_EQ(texts[0].y1, 320);
    EXPECT_EQ(texts[0].colour, 0);
    EXPECT_EQ(r.s.CCC1, 0);
    EXPECT_EQ(r.s.CCC2, 0);
    EXPECT_EQ(r.s.CCC3, 0);
    EXPECT_EQ(r.p.GetDrawWidth(), 7);
}

TEST(SurveyChartGrid, LabelsUnderTheColumnsBesideTheRowsAndTheTitle) {
    Rig r(ProgramD());
    r.s.X_sa(1) = "7.0";
    r.s.X_sa(2) = "8.0";
    r.s.X_sa(7) = "1";
    r.s.X_sa(8) = "last";
    r.s.X_sa(0) = "";
    r.s.Y_sa(1) = "10";
    r.s.Y_sa(3) = "50";
    r.s.Y_sa(0) = "糖度";
    Chart(r);
    const auto t = Texts(r.p.Log());
    // "0", then column labels, then row labels, then the title.
    size_t i = FindText(r.p.Log(), "7.0");
    ASSERT_NE(i, kNone);
    EXPECT_EQ(r.p.Log()[i].x1, 440 + 80 - 39);
    EXPECT_EQ(r.p.Log()[i].y1, 324);
    i = FindText(r.p.Log(), "8.0");
    ASSERT_NE(i, kNone);
    EXPECT_EQ(r.p.Log()[i].x1, 440 + 160 - 39);
    EXPECT_EQ(r.p.Log()[i].y1, 346);
    i = FindText(r.p.Log(), "1", FindText(r.p.Log(), "8.0"));
    ASSERT_NE(i, kNone);
    EXPECT_EQ(r.p.Log()[i].x1, 440 + 560 - 13);
    // The last column shows X$(0), here empty.
    EXPECT_EQ(FindText(r.p.Log(), "last"), kNone);
    EXPECT_EQ(r.s.X_sa(8), "");
    // Row labels end 8 px left of the axis (two half-width digits, 20 px
    // each), their tops 13 px above their lines.
    i = FindText(r.p.Log(), "10");
    ASSERT_NE(i, kNone);
    EXPECT_EQ(r.p.Log()[i].x1, 440 - 40 - 8);
    EXPECT_EQ(r.p.Log()[i].y1, 320 - 60 - 13);
    i = FindText(r.p.Log(), "50");
    ASSERT_NE(i, kNone);
    EXPECT_EQ(r.p.Log()[i].y1, 320 - 180 - 13);
    // The title ends at the axis, 40 px above the top.
    i = FindText(r.p.Log(), "糖度");
    ASSERT_NE(i, kNone);
    EXPECT_EQ(r.p.Log()[i].x1, 440 - 60);
    EXPECT_EQ(r.p.Log()[i].y1, 40);
    for (const Op& op : t) EXPECT_EQ(op.colour, 0);
    EXPECT_EQ(r.p.GetDrawWidth(), 7);
}

void Plot(Rig& r, std::vector<float> hh, float hei = 0, float heikin = 0) {
    r.p.ClearLog();
    r.p.SetDrawWidth(7);
    r.s.GGX = 440;
    r.s.SIZEX = 80;
    r.s.TANIX = 1;
    r.s.YOKO1X = 1;
    r.s.SIZEY = 40;
    r.s.GY3 = 200;
    r.s.CCC2 = 3;
    for (size_t k = 0; k < 5; ++k) r.s.HH_a(static_cast<float>(k + 1)) = hh[k];
    r.s.HEI = hei;
    r.s.HEIKIN = heikin;
    DrawBoxPlot(r.s);
}

TEST(SurveyBoxPlot, WhiskersBoxMedianTicksAndMeanInOrder) {
    Rig r(ProgramD());
    // A value v stands at 440 + 80·v.
    Plot(r, {2, 3, 4, 5, 6}, 1, 4.5f);
    const std::vector<std::string> want = {
        "L 600,200-680,200 w5", "F 680,180-840,220 c3/15", "L 760,180-760,220 w5",
        "L 840,200-920,200 w5", "L 600,190-600,210 w5",    "L 920,190-920,210 w5",
        "L 792,200-808,200 w5", "L 800,192-800,208 w5",
    };
    EXPECT_EQ(r.Ops(), want);
    const auto lines = r.OfKind(Op::Line);
    for (size_t k = 0; k < 5; ++k) EXPECT_EQ(lines[k].colour, 3);
    EXPECT_EQ(lines[5].colour, 0);
    EXPECT_EQ(lines[6].colour, 0);
    EXPECT_EQ(r.p.GetDrawWidth(), 7);
    EXPECT_EQ(r.s.GS3, 760);
    EXPECT_EQ(r.s.GS6, 800);
}

TEST(SurveyBoxPlot, EdgeCases) {
    Rig r(ProgramD());
    // Equal minimum and lower quartile: a whisker of no length; equal
    // quartiles: a box of no width; no cross without HEI.
    Plot(r, {3, 3, 4, 4, 6}, 0, 1e30f);
    EXPECT_EQ(r.Ops()[0], "L 680,200-680,200 w5");
    EXPECT_EQ(r.Ops()[1], "F 680,180-760,220 c3/15");
    EXPECT_EQ(r.Ops().size(), 6u);
    Plot(r, {3, 4, 4, 4, 6}, -1);
    EXPECT_EQ(r.Ops()[1], "F 760,180-760,220 c3/15");
    EXPECT_EQ(r.Ops().size(), 6u);
    // The values are taken in the order given, not sorted.
    Plot(r, {6, 5, 4, 3, 2});
    EXPECT_EQ(r.Ops()[0], "L 920,200-840,200 w5");
    // No scale: nothing drawn, no error stop.
    r.p.ClearLog();
    r.s.TANIX = 0;
    EXPECT_NO_THROW(DrawBoxPlot(r.s));
    EXPECT_TRUE(r.p.Log().empty());
}

}  // namespace
}  // namespace vm::test
