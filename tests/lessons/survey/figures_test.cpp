// Velmaris-D's arrow, grid, label placer and cell writer.
#include <set>
#include <utility>

#include "figures/figures.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

struct ArrowCase {
    float muki, ya;
    std::set<std::pair<float, float>> heads;
    bool exchanged;
    float ya_after;
};

// The caller's tail (100, 100), the caller's head end (300, 200).
const ArrowCase kArrows[] = {
    {1, 0, {{300, 200}}, false, 0},
    {0, 1, {{300, 200}}, false, 1},
    {7, 3, {{300, 200}}, false, 3},
    {-1, 1, {{100, 100}}, true, 1},
    {-1, 0, {{100, 100}}, true, 0},
    {-1, 2, {{100, 100}, {300, 200}}, false, 0},
    {1, 2, {{100, 100}, {300, 200}}, true, 0},
    {0, 2, {{100, 100}, {300, 200}}, true, 0},
};

TEST(SurveyArrow, HeadsEndsAndResetsForEachMukiAndYa) {
    for (const ArrowCase& c : kArrows) {
        SCOPED_TRACE("MUKI " + Num(c.muki) + " YA " + Num(c.ya));
        Rig r(ProgramD());
        r.p.SetDrawWidth(20);
        r.s.ZX = 100, r.s.ZY = 100;
        r.s.ZX0 = 300, r.s.ZY0 = 200;
        r.s.NAGASA = 16;
        r.s.CCC2 = 3;
        r.s.MUKI = c.muki;
        r.s.YA = c.ya;
        DrawArrow(r.s);
        const auto lines = r.OfKind(Op::Line);
        ASSERT_EQ(lines.size(), 3 * c.heads.size());
        std::set<std::pair<float, float>> heads;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].width, 20);  // the caller's pen
            EXPECT_EQ(lines[i].colour, 3);
            if (i % 3 == 0) continue;  // the shaft
            heads.insert({lines[i].x2, lines[i].y2});
        }
        EXPECT_EQ(heads, c.heads);
        const bool exchanged = r.s.ZX == 300 && r.s.ZY == 200 && r.s.ZX0 == 100 && r.s.ZY0 == 100;
        const bool same = r.s.ZX == 100 && r.s.ZY == 100 && r.s.ZX0 == 300 && r.s.ZY0 == 200;
        EXPECT_TRUE(c.exchanged ? exchanged : same);
        EXPECT_EQ(r.s.MUKI, 0);
        EXPECT_EQ(r.s.YA, c.ya_after);
        EXPECT_EQ(r.p.GetDrawWidth(), 20);
    }
}

TEST(SurveyArrow, BarbsAreOpenAndNagasaLong) {
    Rig r(ProgramD());
    r.s.ZX = 100, r.s.ZY = 100;
    r.s.ZX0 = 300, r.s.ZY0 = 100;
    r.s.NAGASA = 20;
    r.s.MUKI = 1;
    DrawArrow(r.s);
    EXPECT_EQ(r.Ops(), (std::vector<std::string>{"L 100,100-300,100 w3", "L 280,110-300,100 w3",
                                                 "L 280,90-300,100 w3"}));
}

TEST(SurveyArrow, EqualEndsDrawNoHeadAndDoNotStop) {
    for (float ya : {0.0f, 2.0f}) {
        Rig r(ProgramD());
        r.s.ZX = r.s.ZX0 = 200;
        r.s.ZY = r.s.ZY0 = 150;
        r.s.NAGASA = 16;
        r.s.YA = ya;
        r.s.MUKI = -1;
        EXPECT_NO_THROW(DrawArrow(r.s));
        for (const Op& op : r.OfKind(Op::Line)) {
            EXPECT_EQ(op.x1, 200);
            EXPECT_EQ(op.x2, 200);
        }
        EXPECT_EQ(r.s.MUKI, 0);
        EXPECT_EQ(r.s.YA, 0);
    }
}

void Grid(Rig& r, float colour) {
    r.p.SetDrawWidth(8);
    r.s.GGX = 100, r.s.GGY = 100;
    r.s.SIZE = 40;
    r.s.YOKO = 6;
    r.s.TATE = 3;
    r.s.CCC2 = colour;
    r.s.CCC3 = 2;
    r.s.PI = 0;
    DrawGrid(r.s);
}

TEST(SurveyGrid, BackgroundColourDrawsEveryLineInIt) {
    Rig r(ProgramD());
    Grid(r, 15);
    const auto lines = r.OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 7u + 4u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t n = i < 7 ? i : i - 7;  // verticals, then horizontals
        EXPECT_EQ(lines[i].colour, 15);
        EXPECT_EQ(lines[i].width, n % 5 == 0 ? 3 : 1);
    }
    EXPECT_EQ(Describe(lines[1]), "L 140,100-140,220 w1");
    EXPECT_EQ(Describe(lines[7]), "L 100,220-340,220 w3");
    EXPECT_EQ(r.s.CCC3, 15);
    EXPECT_EQ(r.s.GX0, 100);
    EXPECT_EQ(r.s.GY0, 220);
    EXPECT_EQ(r.s.GX1, 100);
    EXPECT_EQ(r.s.GY1, 100);
    EXPECT_EQ(r.s.GX2, 340);
    EXPECT_EQ(r.s.GY2, 220);
    EXPECT_EQ(r.s.PI, 3.14159f);
    EXPECT_EQ(r.p.GetDrawWidth(), 8);
    // The shared grid computes the same frame and draws nothing.
    Rig a(ProgramA());
    Grid(a, 15);
    EXPECT_TRUE(a.p.Log().empty());
    EXPECT_EQ(a.s.GY0, 220);
}

TEST(SurveyGrid, VisibleGridHasThinLinesAndEveryFifthThick) {
    Rig r(ProgramD());
    Grid(r, 0);
    const auto lines = r.OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 11u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t n = i < 7 ? i : i - 7;
        EXPECT_EQ(lines[i].colour, n % 5 == 0 ? 14 : 0);
        EXPECT_EQ(lines[i].width, n % 5 == 0 ? 3 : 1);
    }
    EXPECT_EQ(r.s.CCC3, 14);
}

TEST(SurveyLabel, ResetsAlsoWhenEmptyAndLeavesMuDoAlone) {
    Rig r(ProgramD());
    r.s.ZX0 = 200, r.s.ZY0 = 200;
    r.s.ZX1 = 300, r.s.ZY1 = 200;
    r.s.ZX2 = 200, r.s.ZY2 = 100;
    r.s.ITI = -1;
    r.s.NAGASA = 30;
    r.s.AAAX = 5;
    r.s.AAAY = 6;
    r.s.MU_DO = 1;
    r.s.AAA_s = "";
    PlaceAngleLabel(r.s);
    EXPECT_TRUE(r.p.Log().empty());
    EXPECT_EQ(r.s.ITI, 0);
    EXPECT_EQ(r.s.NAGASA, 0);
    EXPECT_EQ(r.s.AAAX, 0);
    EXPECT_EQ(r.s.AAAY, 0);
    EXPECT_EQ(r.s.MU_DO, 1);
}

TEST(SurveyLabel, TextOnTheBisectorInTheTextColour) {
    Rig r(ProgramD());
    // Rays right and up: the bisector points up and to the right at 45°.
    r.s.ZX0 = 200, r.s.ZY0 = 200;
    r.s.ZX1 = 300, r.s.ZY1 = 200;
    r.s.ZX2 = 200, r.s.ZY2 = 100;
    r.s.NAGASA = 0;
    r.s.CCC1 = 5;
    r.s.MU_DO = 1;
    r.s.AAAX = 10;
    r.s.AAA_s = "12";
    PlaceAngleLabel(r.s);
    const auto t = r.OfKind(Op::Text);
    ASSERT_EQ(t.size(), 2u);
    const float c = 0.70710678f;
    EXPECT_NEAR(t[0].x1, 200 + 54 * (c / 2 - 0.5f) + 10, 0.01);
    EXPECT_NEAR(t[0].y1, 200 - 44 * (c / 2 + 0.5f), 0.01);
    EXPECT_EQ(t[0].colour, 5);
    EXPECT_EQ(t[0].mh, 3);
    EXPECT_TRUE(r.s.AAA_s.empty());
}

void Cell(Rig& r, const std::string& text) {
    r.p.ClearLog();
    r.s.A_s = text;
    r.s.X = 100;
    r.s.Y = 200;
    r.s.HABA = 200;
    r.s.TATE = 60;
    r.s.CCC1 = 0;
    r.s.CCC2 = 0;
    r.s.CCC3 = 3;
    DrawCellText(r.s);
}

TEST(SurveyCell, CentredWithoutTheLabelOffsets) {
    Rig r(ProgramD());
    r.s.AAAX = 10;
    r.s.AAAY = 7;
    Cell(r, "3x");
    auto t = r.OfKind(Op::Text);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].x1, 100 + (200 - 53) / 2.0f);
    EXPECT_EQ(t[0].y1, 208);  // (60 - 44) / 2
    EXPECT_EQ(r.s.AAAX, 10);
    EXPECT_EQ(r.s.AAAY, 7);
    EXPECT_EQ(r.s.A_s, "3x");
    EXPECT_EQ(r.s.X, 300);
    EXPECT_EQ(r.s.Y, 200);
    EXPECT_EQ(r.s.N2, 20);
    EXPECT_EQ(r.s.CCC4, 5);
    EXPECT_EQ(Describe(r.p.Log()[0]), "F 100,200-300,260 c0/3");
    // With a fraction the 50-px line starts 5 px down.
    Cell(r, "ﾀ1/2ﾀ");
    const auto bar = r.OfKind(Op::Line);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].y1, 205 + 25);
    EXPECT_EQ(bar[0].x1, 100 + (200 - 32) / 2.0f);
    // A text wider than the cell starts at its left edge.
    Cell(r, "123456789");
    EXPECT_EQ(r.OfKind(Op::Text).at(0).x1, 100);
}

}  // namespace
}  // namespace vm::test
