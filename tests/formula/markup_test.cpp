#include <gtest/gtest.h>

#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

const std::string G = " ゴシック/16 b";  // the formula glyphs' font
const std::string Italic = " Times New Roman/8 b i";

struct Example {
    const char* name;
    float kakko;
    std::string text;
    std::vector<std::string> ops;
    float end_x;
};

// Every glyph of the three worked lines, at pen (100, 200).
const Example kExamples[] = {
    {"powers",
     0,
     "x^2=6381.776^2-6378^2",
     {"T 'x' 104,178 10x7" + Italic, "T '2' 127,200 3x2" + G, "T '=' 155,200 3x3 ゴシック/14 b",
      "T '6' 183,200 3x3" + G, "T '3' 210,200 3x3" + G, "T '8' 237,200 3x3" + G,
      "T '1' 264,200 3x3" + G, "T '.' 288,214 3x2" + G, "T '7' 299,200 3x3" + G,
      "T '7' 326,200 3x3" + G, "T '6' 353,200 3x3" + G, "T '2' 380,200 3x2" + G,
      "L 408,220-427,220 w5", "T '6' 431,200 3x3" + G, "T '3' 458,200 3x3" + G,
      "T '7' 485,200 3x3" + G, "T '8' 512,200 3x3" + G, "T '2' 539,200 3x2" + G},
     563},
    {"fractions with roots",
     0,
     "x=ﾀ4/!2ﾝﾀ=ﾀ4!2ﾝ/2ﾀ=",
     {"T 'x' 104,178 10x7" + Italic, "T '=' 131,200 3x3 ゴシック/14 b",
      // first fraction: bar 58, denominator lowered to 36 by the root
      "L 159,225-217,225 w4", "P 163,260 167,249 175,265 183,230 185,230 w3",
      "T '2' 185,236 4x2" + G, "L 185,230-217,230 w3", "T '4' 172,190 4x2" + G,
      "T '=' 221,200 3x3 ゴシック/14 b",
      // second fraction: bar 90, the 2 centred 29 px in
      "L 249,225-339,225 w4", "T '2' 278,236 4x2" + G, "T '4' 249,190 4x2" + G,
      "P 285,214 289,203 297,219 305,184 307,184 w3", "T '2' 307,190 4x2" + G,
      "L 307,184-339,184 w3", "T '=' 343,200 3x3 ゴシック/14 b"},
     371},
    {"large parentheses",
     1,
     "p^2+(ﾀ1/2ﾀp)\\2=5^2",
     {"T 'p' 100,200 3x3" + G, "T '2' 127,200 3x2" + G, "L 155,222-174,222 w5",
      "L 164,210-164,234 w5", "T '(' 174,194 3x4" + G, "L 205,225-237,225 w4",
      "T '2' 205,228 4x2" + G, "T '1' 205,190 4x2" + G, "T 'p' 237,200 3x3" + G,
      "T ')' 270,194 3x4" + G, "T '2' 291,190 6x3 ゴシック/8 b", "T '=' 319,200 3x3 ゴシック/14 b",
      "T '5' 347,200 3x3" + G, "T '2' 374,200 3x2" + G},
     398},
};

TEST(DrawMarkupText, WorkedExamplesPlaceEveryGlyph) {
    for (const auto& ex : kExamples) {
        Rig r;
        r.s.KAKKO = ex.kakko;
        EXPECT_EQ(r.Write(ex.text, 100, 200), ex.ops) << ex.name;
        EXPECT_EQ(r.s.X, ex.end_x) << ex.name;
        EXPECT_EQ(r.s.Y, 200) << ex.name;
        EXPECT_EQ(r.s.AA_s, "") << ex.name;
        EXPECT_EQ(r.s.KAKKO, 0) << ex.name;
        EXPECT_EQ(r.s.BUN, 0) << ex.name;
        EXPECT_EQ(r.p.GetDrawWidth(), 3) << ex.name;
        // The width measured is the pen advance of the drawing.
        r.s.A_s = ex.text;
        r.s.KAKKO = ex.kakko;
        MeasureText(r.s);
        EXPECT_EQ(r.s.LLT, ex.end_x - 100) << ex.name;
    }
}

TEST(DrawMarkupText, CarriesTheRestOfTheLineAcrossAFraction) {
    Rig r;
    r.Write("x=ﾀ4/!2ﾝﾀ=ﾀ4!2ﾝ/2ﾀ=", 0, 0);
    EXPECT_EQ(r.s.AA_A_s, "=");
    EXPECT_EQ(r.s.A_s, "=");
}

// Texts that must draw exactly as another text does.
TEST(DrawMarkupText, EquivalentTexts) {
    const struct {
        const char* text;
        const char* same_as;
    } cases[] = {
        {"2ﾀ+3", "2+3"},        // an unmatched opener is dropped
        {"ﾀ1+2", "1+2"},
        {"a\\", "a"},           // a trailing flag draws nothing
        {"1ﾝ2", "12"},          // closing no root draws nothing
    };
    for (const auto& c : cases) {
        Rig a, b;
        EXPECT_EQ(a.Write(c.text, 10, 20), b.Write(c.same_as, 10, 20)) << c.text;
        EXPECT_EQ(a.s.X, b.s.X) << c.text;
    }
}

TEST(DrawMarkupText, EmptyTextDrawsNothing) {
    Rig r;
    r.p.SetDrawWidth(2);
    EXPECT_TRUE(r.Write("", 40, 50).empty());
    EXPECT_EQ(r.s.X, 40);
    EXPECT_EQ(r.s.Y, 50);
    EXPECT_EQ(r.p.GetDrawWidth(), 2);
}

TEST(DrawMarkupText, BackToBackFractionsSitSideBySide) {
    Rig r;
    const auto ops = r.Write("ﾀ1/3ﾀﾀ22/5ﾀ", 100, 100);
    ASSERT_EQ(ops.size(), 7u);
    EXPECT_EQ(ops[0], "L 100,125-132,125 w4");
    EXPECT_EQ(ops[3], "L 132,125-196,125 w4");
    EXPECT_EQ(ops[4], "T '5' 148,128 4x2" + G);
    EXPECT_EQ(r.s.X, 196);
}

TEST(DrawMarkupText, ExponentFlagOutlivesTheText) {
    Rig r;
    r.Write("3^", 0, 0);
    EXPECT_EQ(r.s.JYOU, 1);
    EXPECT_EQ(r.Write("2", 0, 0), std::vector<std::string>{"T '2' 0,0 3x2" + G});
    EXPECT_EQ(r.s.X, 24);
    EXPECT_EQ(r.s.JYOU, 0);
}

TEST(DrawMarkupText, OpenRootOverlinesTheNextText) {
    Rig r;
    r.Write("!2", 100, 50);
    EXPECT_EQ(r.s.HROOT, 1);
    EXPECT_EQ(r.s.TXM, 128);
    // The next text, on the same line, extends the overline from the root.
    EXPECT_EQ(r.Write("3ﾝ4", 155, 50),
              (std::vector<std::string>{"T '3' 155,50 3x3" + G, "L 128,46-182,46 w3",
                                        "T '4' 182,50 3x3" + G}));
    EXPECT_EQ(r.s.HROOT, 0);
    EXPECT_EQ(r.s.TXM, 209);
}

TEST(DrawMarkupText, TallRootOverAFraction) {
    Rig r;
    r.p.SetDrawWidth(2);
    EXPECT_EQ(r.Write("#ﾀ1/2ﾀﾝ", 100, 100),
              (std::vector<std::string>{
                  "P 104,136 108,124 116,160 130,86 138,86 w3",
                  "L 132,125-164,125 w4",
                  "L 132,86-164,86 w3",  // the overline over the whole fraction
                  "T '2' 132,128 4x2" + G, "T '1' 132,90 4x2" + G}));
    EXPECT_EQ(r.s.X, 164);
    EXPECT_EQ(r.s.HROOT, 0);
    EXPECT_EQ(r.p.GetDrawWidth(), 2);
    // Left open, the overline goes on from the end of the numerator.
    r.Write("#ﾀ1/2ﾀ5", 100, 100);
    EXPECT_EQ(r.Ops().back(), "L 164,86-191,86 w3");
    EXPECT_EQ(r.s.HROOT, 22);
}

TEST(MeasureText, GivesWidthAndHandsBackThePen) {
    const struct {
        const char* text;
        float width;
    } cases[] = {
        {"", 0},
        {"x^2", 51},
        {"ﾀ1/3ﾀ", 32},
        {"ﾀ123/45ﾀ+1", 96 + 27 + 27},
        {"２ａ", 68},
        {"#ﾀ1/2ﾀﾝ", 64},
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.X = 11;
        r.s.Y = 22;
        r.s.A_s = c.text;
        r.s.AA_s = "kept?";
        r.p.SetDrawWidth(2);
        MeasureText(r.s);
        EXPECT_EQ(r.s.LLT, c.width) << c.text;
        EXPECT_EQ(r.s.X, 11) << c.text;
        EXPECT_EQ(r.s.Y, 22) << c.text;
        EXPECT_EQ(r.s.A_s, c.text);
        EXPECT_EQ(r.s.AA_s, "") << c.text;
        EXPECT_EQ(r.p.GetDrawWidth(), 2) << c.text;
        EXPECT_TRUE(r.p.Log().empty()) << c.text << ": a measured text never shows";
        EXPECT_TRUE(r.p.Drawing());
    }
}

TEST(MeasureText, LeavesTheWritersFlagsAsDrawingWould) {
    Rig r;
    r.s.KAKKO = 1;
    r.s.A_s = "(1)^";
    MeasureText(r.s);
    EXPECT_EQ(r.s.KAKKO, 0);
    EXPECT_EQ(r.s.JYOU, 1);
    EXPECT_EQ(r.s.LLT, 81);
}

// An error inside a measurement must not leave drawing switched off: the
// error screen has to show.
TEST(MeasureText, DrawingComesBackOnAnError) {
    Rig r;
    r.s.bind.DrawFormulaGlyphs = [](State&) { throw RuntimeError(kIllegalCall); };
    r.s.A_s = "1";
    EXPECT_THROW(MeasureText(r.s), RuntimeError);
    EXPECT_TRUE(r.p.Drawing());
}

// The shared writers reach the glyph and fraction writers through the
// program's binding, so a program's revision of them is used everywhere.
TEST(DrawMarkupText, DrawsThroughTheBinding) {
    Rig r;
    static int glyphs, fractions;
    glyphs = fractions = 0;
    r.s.bind.DrawFormulaGlyphs = [](State& s) {
        ++glyphs;
        s.X += 10;
    };
    r.s.bind.DrawStackedFraction = [](State& s) {
        ++fractions;
        s.X += 100;
    };
    r.Write("ab ﾀ1/2ﾀ", 0, 0);
    EXPECT_EQ(glyphs, 3);
    EXPECT_EQ(fractions, 1);
    EXPECT_EQ(r.s.X, 130);
}

}  // namespace
}  // namespace vm::test
