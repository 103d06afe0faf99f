// Renders a page of formula lines to a PNG for a look by eye, and checks a
// few pixels: glyphs land where the writer puts them.
#include <gtest/gtest.h>

#include "formula_test_util.h"
#include "platform/canvas.h"

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
    ASSERT_TRUE(p.WritePng("/tmp/formula_page.png"));

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

}  // namespace
}  // namespace vm::test
