// Shared routines that call revisable ones reach Velmaris-D's forms under
// its binding, and the shared forms under another program's.
#include "figures/figures.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

std::vector<Op> Texts(const Rig& r) { return r.OfKind(Op::Text); }

TEST(SurveyCallers, BindingHoldsTheSurveyFormsAndOnlyThem) {
    const Binding d = ProgramD().binding;
    const Binding a = ProgramA().binding;
    // Revised in D.
    EXPECT_NE(d.WaitForKey, a.WaitForKey);
    EXPECT_NE(d.EraseBottomLine, a.EraseBottomLine);
    EXPECT_NE(d.DrawFormulaGlyphs, a.DrawFormulaGlyphs);
    EXPECT_NE(d.DrawCellText, a.DrawCellText);
    EXPECT_NE(d.PlaceAngleLabel, a.PlaceAngleLabel);
    EXPECT_NE(d.DrawGrid, a.DrawGrid);
    EXPECT_NE(d.DrawArrow, a.DrawArrow);
    EXPECT_NE(d.DrawCoordinatePlane, a.DrawCoordinatePlane);
    EXPECT_NE(d.PlotLabelledPoint, a.PlotLabelledPoint);
    EXPECT_NE(d.PlotGraph, a.PlotGraph);
    EXPECT_NE(d.PlotCurve, a.PlotCurve);
    EXPECT_NE(d.PlotVerticalLine, a.PlotVerticalLine);
    // Shared in D too.
    EXPECT_EQ(d.AskNumberAtBottom, a.AskNumberAtBottom);
    EXPECT_EQ(d.EraseMenuPrompt, a.EraseMenuPrompt);
    EXPECT_EQ(d.ClearWorkArea, a.ClearWorkArea);
    EXPECT_EQ(d.DrawStackedFraction, a.DrawStackedFraction);
    // The other programs keep the shared forms.
    for (const ProgramInfo& p : {ProgramB(), ProgramC(), ProgramE()}) {
        EXPECT_EQ(p.binding.DrawFormulaGlyphs, a.DrawFormulaGlyphs);
        EXPECT_EQ(p.binding.DrawArrow, a.DrawArrow);
        EXPECT_EQ(p.binding.WaitForKey, a.WaitForKey);
    }
}

void FramedText(Rig& r) {
    r.s.A_s = "3x";
    r.s.X = 100;
    r.s.Y = 300;
    r.s.HABA = 200;
    r.s.TATE = 60;
    r.s.CCC1 = 0;
    r.s.CCC2 = 0;
    r.s.CCC3 = 15;
    DrawFramedText(r.s);
}

TEST(SurveyCallers, FramedTextCentresByTheSurveyWidth) {
    Rig d(ProgramD());
    Rig a(ProgramA());
    FramedText(d);
    FramedText(a);
    // (200 - 53) / 2 against (200 - 54) / 2.
    EXPECT_EQ(Texts(d).at(0).x1, 173.5f);
    EXPECT_EQ(Texts(a).at(0).x1, 173.0f);
    EXPECT_EQ(d.s.X, 300);
}

void DimensionArc(Rig& r) {
    r.s.ZX0 = 100, r.s.ZY0 = 400;
    r.s.ZX1 = 300, r.s.ZY1 = 400;
    r.s.TAKASA = 2;
    r.s.HOUKOU = 1;
    r.s.HABA = 30;
    r.s.CCC1 = 3;
    r.s.CCC2 = 0;
    r.s.AAA_s = "3x";
    r.s.MU_DO = 1;
    DrawDimensionArc(r.s);
}

TEST(SurveyCallers, DimensionLabelIsFormulaTextPlacedByItsSurveyWidth) {
    Rig d(ProgramD());
    Rig a(ProgramA());
    DimensionArc(d);
    DimensionArc(a);
    const auto td = Texts(d), ta = Texts(a);
    ASSERT_EQ(td.size(), 2u);
    // D has no smaller label writer: the formula writer's 3x3 glyph, and
    // MU_DO neither read nor reset.
    EXPECT_EQ(td[0].text, "3");
    EXPECT_EQ(td[0].mh, 3);
    EXPECT_EQ(td[0].mv, 3);
    EXPECT_EQ(d.s.MU_DO, 1);
    EXPECT_EQ(d.s.LLT, 53);
    EXPECT_EQ(a.s.MU_DO, 0);
    EXPECT_EQ(a.s.LLT, 54);
    EXPECT_EQ(td[0].font.size, 16);
    EXPECT_EQ(ta[0].font.size, 15);
    // Same apex, the label centred on it by its own width.
    EXPECT_NEAR(td[0].x1 + 53.0f / 2, ta[0].x1 + 54.0f / 2, 0.01);
    EXPECT_EQ(td[1].x1 - td[0].x1, 27 + 4);  // the italic x stands 4 px in
}

void Triangle(Rig& r) {
    r.s.KAKU = 3;
    r.s.G_a(1, 1) = 200, r.s.G_a(1, 2) = 500;
    r.s.G_a(2, 1) = 400, r.s.G_a(2, 2) = 500;
    r.s.G_a(3, 1) = 300, r.s.G_a(3, 2) = 300;
    r.s.SIZE1 = 3;
    r.s.CCC1 = 0;
    r.s.CCC2 = 0;
    r.s.NAGASA = 20;
    r.s.AAA_s = "a";
    DrawPolygon(r.s);
}

TEST(SurveyCallers, PolygonLettersArePlacedByTheSurveyWidth) {
    Rig d(ProgramD());
    Rig a(ProgramA());
    Triangle(d);
    Triangle(a);
    const auto td = Texts(d), ta = Texts(a);
    ASSERT_EQ(td.size(), 3u);
    ASSERT_EQ(ta.size(), 3u);
    // Vertex 1's bisector points down and to the left: the label ends near
    // the anchor, so one pixel less of width moves it right by a part of it.
    // (LLT is the last letter's, "c", italic as "a".)
    EXPECT_EQ(td[0].text, "a");
    EXPECT_EQ(td[2].text, "c");
    EXPECT_EQ(d.s.LLT, 26);
    EXPECT_EQ(a.s.LLT, 27);
    EXPECT_GT(td[0].x1, ta[0].x1);
    EXPECT_LT(td[0].x1, ta[0].x1 + 1);
    EXPECT_EQ(td[0].y1, ta[0].y1);
}

}  // namespace
}  // namespace vm::test
