// Renders a page of formula lines to a PNG for a look by eye, and checks a
// few pixels: glyphs land where the writer puts them.
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "platform/canvas.h"
#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

TEST(FormulaRender, PageOfFormulae) {
    Platform p(1440, 900, true);
    State s(p, ProgramId::A, SharedBinding());
    p.SetDrawWidth(3);
    const auto line = [&](float x, float y, const std::string& text, float colour = 0) {
        s.CCC1 = colour;
        s.X = x;
        s.Y = y;
        s.AA_s = text;
        DrawMarkupText(s);
    };
    line(40, 40, "x^2=6381.776^2-6378^2");
    line(40, 140, "x=ﾀ4/!2ﾝﾀ=ﾀ4!2ﾝ/2ﾀ=ﾀ4!2ﾝ/2ﾀ=2!2ﾝ");
    s.KAKKO = 1;
    line(40, 260, "p^2+(ﾀ1/2ﾀp)\\2=5^2");
    line(40, 380, "AB=#ﾀa^2/4ﾀﾝ=ﾀa/2ﾀ", 3);
    line(40, 500, "z=ﾀ2!2ﾝ/!3ﾝﾀ=ﾀ2!2ﾝ*!3ﾝ/3ﾀ=ﾀ2!6ﾝ/3ﾀ");
    line(720, 40, "∠B=90%,  l=2*3.14*c");
    line(720, 140, "&ABCD,  a@!5ﾝ");
    line(720, 260, "三平方の定理：a^2+b^2=c^2", 7);
    s.CCC1 = 0;
    s.CCC2 = 13;
    s.CCC3 = 14;
    s.HABA = 240;
    s.TATE = 80;
    s.X = 720;
    s.Y = 380;
    s.A_s = "ﾀ3/2ﾀ!3ﾝ";
    DrawCellText(s);
    s.HABA = 200;
    s.TATE = 50;
    s.X = 1000;
    s.Y = 400;
    s.A_s = "①";
    DrawFramedText(s);
    s.X = 720;
    s.Y = 520;
    s.AA_s = "6.5(人) x=3";
    DrawLabelText(s);
    ASSERT_TRUE(p.WritePng(test::OutputPath("formula_page.png")));

    // Ink where the first line's bar-less glyphs are, none where they are not.
    auto ink = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const Rgb c = p.Canvas()->PixelAt(x, y);
                if (c.r < 128 && c.g < 128) ++n;
            }
        return n;
    };
    EXPECT_GT(ink(40, 20, 67, 80), 50);    // the italic x
    EXPECT_EQ(ink(0, 0, 30, 900), 0);      // nothing left of the margin
    EXPECT_GT(ink(40, 160, 1440, 170), 0);  // fraction bars of line 2
}

// A page of the lessons' own lines: the fill-in proof with its boxes, an
// answer page's tags, table cells, and worked lines with fractions, roots,
// degrees and large parentheses. The boxes must stand where the lessons
// expect them, since the next texts of a line start from their edges.
TEST(FormulaRender, PageOfLessonTexts) {
    Platform p(1440, 900, true);
    State s(p, ProgramId::A, SharedBinding());
    p.SetDrawWidth(5);
    const auto line = [&](float x, float y, const std::string& text, float colour = 0) {
        s.CCC1 = colour;
        s.X = x;
        s.Y = y;
        s.AA_s = text;
        DrawMarkupText(s);
    };
    const auto box = [&](float x, float y, const std::string& text, float haba, float tate) {
        s.CCC1 = 5;
        s.CCC2 = 3;
        s.CCC3 = 13;
        s.HABA = haba;
        s.TATE = tate;
        s.X = x;
        s.Y = y;
        s.A_s = text;
        DrawFramedText(s);
    };
    // An answer page's two tags.
    s.CCC1 = 0;
    s.CCC2 = 3;
    s.CCC3 = 13;
    s.HABA = 484;
    s.TATE = 50;
    s.X = 72;
    s.Y = 30;
    s.A_s = "P205(三平方 基本の問題)";
    DrawFramedText(s);
    s.CCC1 = 13;
    s.CCC2 = 4;
    s.CCC3 = 3;
    s.HABA = 40;
    s.X += 44;
    s.A_s = "1";
    DrawFramedText(s);

    // The fill-in proof: blanks first, then the answers over them.
    line(72, 130, "<証明しよう>");
    line(72, 210, "c^2=");
    s.KAKKO = 1;
    line(s.X, 210, "(");
    box(s.X + 10, 210, "①", 144, 50);
    const float x1 = s.X1;
    line(s.X + 4, 210, ")\\2+4*");
    box(s.X + 10, 210, "②", 144, 80);
    const float x2 = s.X1;
    line(72, 310, "  =");
    box(s.X + 10, 310, "③", 396, 50);
    const float x3 = s.X1;
    line(72, 410, "  =");
    box(s.X + 10, 410, "④", 180, 50);
    const float x4 = s.X1;
    EXPECT_EQ(s.KAKKO, 0);
    box(x1, 210, "a-b", 144, 50);
    box(x2, 210, "ﾀ1/2ﾀab", 144, 80);
    box(x3, 310, "a^2-2ab+b^2+2ab", 396, 50);
    box(x4, 410, "a^2+b^2", 180, 50);

    line(72, 520, "答　P(2!5ﾝ,!5ﾝ)", 5);
    line(72, 600, "30%,60%の直角三角形 だから");
    line(72, 680, "x>0 だから x=!45ﾝ=");
    line(s.X, 680, "3!5ﾝ", 5);
    line(72, 770, "=ﾀ125!3ﾝ/3ﾀπcm^3");

    line(760, 40, "x^2=6381.776^2-6378^2");
    line(760, 130, "z=ﾀ2!2ﾝ/!3ﾝﾀ=ﾀ2!2ﾝ*!3ﾝ/3ﾀ=");
    line(760, 230, "360°*ﾀ2*π*3/2*π*9ﾀ=360°*ﾀ1/3ﾀ=");
    line(s.X, 230, "120°", 3);
    s.KAKKO = 1;
    line(760, 330, "a^2-(ﾀa/2ﾀ)\\2=");
    line(760, 420, "y>0 だから、　y=!a^2+b^2+c^2ﾝ");
    line(760, 510, "面積 S=ﾀ1/2ﾀ*a*ﾀ!3ﾝ/2ﾀa=");
    line(760, 600, "ﾀ1/3ﾀ*π*(2!5ﾝ)^2*4=ﾀ1/3ﾀ*π*20*4=");
    // The squares on two sides of a triangle, named inside.
    s.CCC1 = 13;
    s.CCC2 = 3;
    s.CCC3 = 8;
    s.HABA = s.TATE = 180;
    s.X = 1000;
    s.Y = 700;
    s.A_s = "a^2";
    DrawCellText(s);
    s.HABA = s.TATE = 135;
    s.Y = 745;
    s.A_s = " b^2";
    DrawCellText(s);
    s.CCC1 = 0;
    s.X = 780;
    s.Y = 760;
    s.AA_s = "6.5(人)";
    DrawLabelText(s);
    ASSERT_TRUE(p.WritePng(test::OutputPath("formula_lessons.png")));

    std::vector<std::string> boxes;
    for (const auto& op : Describe(p.Log()))
        if (op[0] == 'F') boxes.push_back(op);
    EXPECT_EQ(boxes, (std::vector<std::string>{
                         "F 72,27-556,77 c3/13", "F 600,27-640,77 c4/3",
                         // "c^2=" and a large "(" end at 182; 4 px after box 1
                         // ")\2+4*" takes 132 px
                         "F 192,207-336,257 c3/13", "F 482,192-626,272 c3/13",
                         "F 168,307-564,357 c3/13", "F 168,407-348,457 c3/13",
                         "F 192,207-336,257 c3/13", "F 482,192-626,272 c3/13",
                         "F 168,307-564,357 c3/13", "F 168,407-348,457 c3/13",
                         "F 1000,700-1180,880 c3/8", "F 1180,745-1315,880 c3/8"}));
}

}  // namespace
}  // namespace vm::test
