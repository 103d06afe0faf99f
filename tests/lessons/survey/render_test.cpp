// A page drawn with Velmaris-D's routines, rendered: lines, a fraction,
// table cells, an arrow and a chart with two box plots.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/survey/charts.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

void Line(State& s, const std::string& text, float x, float y, int colour) {
    s.CCC1 = static_cast<float>(colour);
    s.X = x;
    s.Y = y;
    s.AA_s = text;
    DrawMarkupText(s);
}

void Cell(State& s, const std::string& text, float x, float y, int fill) {
    s.A_s = text;
    s.X = x;
    s.Y = y;
    s.HABA = 120;
    s.TATE = 50;
    s.CCC1 = 0;
    s.CCC2 = 0;
    s.CCC3 = static_cast<float>(fill);
    DrawCellText(s);
}

TEST(SurveyRender, PageOfLinesCellsArrowAndChart) {
    Rig r(ProgramD(), true);
    State& s = r.s;
    ClearScreen(s);
    Line(s, "3x=1500-150=1350", 40, 70, 0);
    Line(s, "240*ﾀ7/8ﾀ=210", 40, 150, 3);
    Line(s, "x=ﾀ1525*1890/215ﾀ=13405.81", 40, 240, 5);
    Line(s, "ﾀ3-2/1ﾀ 50% a&c", 40, 330, 0);
    Cell(s, "No.", 40, 420, 15);
    Cell(s, "8.45", 160, 420, 15);
    Cell(s, "ﾀ1/2ﾀ", 280, 420, 3);
    s.P.SetDrawWidth(10);
    s.ZX0 = 200, s.ZY0 = 560;
    s.ZX = 40, s.ZY = 560;
    s.NAGASA = 20;
    s.CCC2 = 3;
    s.MUKI = 1;
    DrawArrow(s);
    s.P.SetDrawWidth(3);

    for (int c = 0; c <= 8; ++c) s.X_sa(c) = "";
    s.X_sa(1) = "5.0";
    s.X_sa(3) = "7.0";
    s.X_sa(5) = "9.0";
    for (int row = 0; row <= 4; ++row) s.Y_sa(row) = "";
    s.Y_sa(1) = "10個";
    s.Y_sa(2) = "50個";
    s.Y_sa(0) = "糖度";
    s.GGX = 700, s.GGY = 120;
    s.YOKO = 8, s.TATE = 3;
    s.SIZEX = 80, s.SIZEY = 80;
    DrawChartGrid(s);
    s.GGX = 700;
    s.SIZEX = 80;
    s.TANIX = 1;
    s.YOKO1X = 4;
    s.SIZEY = 40;
    const float plots[2][5] = {{5.2f, 6.8f, 7.4f, 8.1f, 9.6f}, {6.1f, 6.9f, 7.2f, 7.6f, 8.3f}};
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < 5; ++i) s.HH_a(i + 1) = plots[k][i];
        s.GY3 = s.GY2 - s.SIZEY * 2 * static_cast<float>(k + 1);
        s.CCC2 = k == 0 ? 4 : 1;
        s.HEI = 1;
        s.HEIKIN = 7.3f;
        DrawBoxPlot(s);
    }
    r.AnyKeys(1);
    WaitForKey(s);
    r.Png("survey_page.png");
    // The box of the second plot hides the grid line under it.
    EXPECT_GT(InkIn(r.p, 40, 70, 480, 110), 0);
    EXPECT_GT(InkIn(r.p, 700, 120, 1340, 360), 0);
    EXPECT_EQ(InkIn(r.p, 0, 639, 400, 675), 0);  // the wait erased its box
}

}  // namespace
}  // namespace vm::test
