// Velmaris-D's glyph writer, against the shared one: the same markup lines
// measured and drawn under both bindings.
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

const std::string B = " ｺﾞｼｯｸ/16 b";  // the standing face: the writer selects none

struct GlyphCase {
    const char* text;
    bool fraction;
    float jyou;
    std::vector<std::string> ops;
    float advance;
};

// One glyph string at (100, 50) under D's binding.
const GlyphCase kGlyphs[] = {
    {".", false, 0, {"T '.' 97,64 3x2" + B}, 8},
    {"%", false, 0, {"T '%' 100,50 3x3" + B}, 27},
    {"&", false, 0, {"T '&' 100,50 3x3" + B}, 27},
    {"-", false, 0, {"T '-' 100,50 3x3" + B}, 27},
    {"+", false, 0, {"T '+' 100,50 3x3" + B}, 27},
    {" ", false, 0, {"T ' ' 100,50 3x3" + B}, 27},
    {" ", true, 0, {"T ' ' 100,50 4x2" + B}, 32},
    {"-", true, 0, {"T '－' 100,50 2x2" + B}, 28},
    {"+", true, 0, {"T '＋' 100,50 2x2" + B}, 28},
    {"－", false, 0, {"T '－' 100,50 2x3" + B}, 34},
    {"*", false, 0, {"T '×' 100,50 2x3" + B}, 34},
    {"/", false, 0, {"T '÷' 100,50 2x3" + B}, 34},
    {"@", false, 0, {"T '±' 100,50 2x3" + B}, 34},
    {"*", true, 0, {"T '×' 100,50 3x3 ｺﾞｼｯｸ/11 b"}, 38},
    {"=", false, 0, {"T '=' 104,50 3x3 ｺﾞｼｯｸ/14 b"}, 32},
    {"7", false, 1, {"T '7' 100,50 3x2" + B}, 24},
    {"7", true, 1, {"T '7' 100,46 6x3 ｺﾞｼｯｸ/8 b"}, 24},
    // an italic letter leaves the Gothic face selected for what follows
    {"x2", false, 0, {"T 'x' 104,28 10x7 Times New Roman/8 b i", "T '2' 126,50 3x3 ゴシック/16 b"},
     53},
    {"x", true, 0, {"T 'x' 104,34 12x5 Times New Roman/8 b i"}, 32},
    // "=" ends bold for the rest of the string
    {"2=3", true, 0,
     {"T '2' 100,50 4x2" + B, "T '=' 136,50 3x3 ｺﾞｼｯｸ/14 b", "T '3' 164,50 4x2 ｺﾞｼｯｸ/16"}, 96},
    {"12", false, 0, {"T '1' 100,50 3x3" + B, "T '2' 127,50 3x3" + B}, 54},
    {"全", true, 0, {"T '全' 100,50 3x3 ｺﾞｼｯｸ/11 b"}, 38},
    {"全", false, 0, {"T '全' 100,50 2x3" + B}, 34},
};

TEST(SurveyGlyphs, EachRowDrawsAndAdvancesAsTheTableSays) {
    for (const GlyphCase& c : kGlyphs) {
        SCOPED_TRACE(std::string(c.text) + (c.fraction ? " in a fraction" : ""));
        Rig r(ProgramD());
        r.p.SetDrawWidth(7);
        r.s.BUN = c.fraction ? 1 : 0;
        r.s.JYOU = c.jyou;
        r.s.A_s = c.text;
        r.s.X = 100;
        r.s.Y = 50;
        DrawFormulaGlyphs(r.s);
        EXPECT_EQ(r.Ops(), c.ops);
        EXPECT_EQ(r.s.X, 100 + c.advance);
        EXPECT_EQ(r.s.Y, 50);
        EXPECT_EQ(r.s.JYOU, 0);
        // Bold off, size 16, italic off and the caller's pen width after every call.
        EXPECT_FALSE(r.p.Font().bold);
        EXPECT_FALSE(r.p.Font().italic);
        EXPECT_EQ(r.p.Font().size, 16);
        EXPECT_EQ(r.p.GetDrawWidth(), 7);
    }
}

struct WidthCase {
    const char* text;
    float survey, shared;
};

// Lines of the survey lessons and the glyphs where the two writers differ.
const WidthCase kWidths[] = {
    {"3x=1500-150=1350", 441, 442},
    {"240*ﾀ7/8ﾀ=", 179, 172},
    {"x=ﾀ1525*1890/215ﾀ=", 384, 385},
    {"600-400=", 221, 221},
    {"3x", 53, 54},
    {"ﾀ3x/1ﾀ", 64, 64},
    {"ﾀ3-2/1ﾀ", 92, 96},
    {"ﾀ3+2/1ﾀ", 92, 96},
    {"50%", 81, 66},
    {"a&c", 79, 90},
    {"1 2", 81, 81},
    {"", 0, 0},
};

TEST(SurveyGlyphs, WidthsFollowTheSurveyAdvancesOnlyUnderItsBinding) {
    for (const WidthCase& c : kWidths) {
        SCOPED_TRACE(c.text);
        Rig d(ProgramD());
        Rig a(ProgramA());
        EXPECT_EQ(d.Width(c.text), c.survey);
        EXPECT_EQ(a.Width(c.text), c.shared);
    }
}

TEST(SurveyGlyphs, TimesSignStandsAtThePenOutsideAFraction) {
    Rig d(ProgramD());
    const auto ops = d.Write("240*ﾀ7/8ﾀ=", 100, 300);
    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(ops[3], "T '×' 181,300 2x3" + B);
    Rig a(ProgramA());
    EXPECT_EQ(a.Write("240*ﾀ7/8ﾀ=", 100, 300)[3], "T '×' 177,300 2x3 ゴシック/16 b");
}

TEST(SurveyGlyphs, FractionBarAndPartsAreCentredByTheSurveyWidths) {
    Rig d(ProgramD());
    const auto ops = d.Write("x=ﾀ1525*1890/215ﾀ=", 100, 300);
    // x (26) and = (32) before the fraction: the bar from 158, 294 long;
    // the denominator (96) 99 px in, drawn before the numerator.
    const std::vector<std::string> want = {
        "T 'x' 104,278 10x7 Times New Roman/8 b i",
        "T '=' 130,300 3x3 ゴシック/14 b",
        "L 158,325-452,325 w4",
        "T '2' 257,328 4x2 ゴシック/16 b",
        "T '1' 289,328 4x2 ゴシック/16 b",
        "T '5' 321,328 4x2 ゴシック/16 b",
        "T '1' 158,290 4x2 ゴシック/16 b",
        "T '5' 190,290 4x2 ゴシック/16 b",
        "T '2' 222,290 4x2 ゴシック/16 b",
        "T '5' 254,290 4x2 ゴシック/16 b",
        "T '×' 286,290 3x3 ゴシック/11 b",
        "T '1' 324,290 4x2 ゴシック/16 b",
        "T '8' 356,290 4x2 ゴシック/16 b",
        "T '9' 388,290 4x2 ゴシック/16 b",
        "T '0' 420,290 4x2 ゴシック/16 b",
        "T '=' 456,300 3x3 ゴシック/14 b",
    };
    EXPECT_EQ(ops, want);
    EXPECT_EQ(d.s.X, 484);
    EXPECT_EQ(d.s.BUN, 0);
}

TEST(SurveyGlyphs, MinusInANumeratorIsFullWidthText) {
    Rig d(ProgramD());
    const auto ops = d.Write("ﾀ3-2/1ﾀ", 100, 300);
    const std::vector<std::string> want = {
        "L 100,325-192,325 w4",
        "T '1' 130,328 4x2" + B,
        "T '3' 100,290 4x2" + B,
        "T '－' 132,290 2x2" + B,
        "T '2' 160,290 4x2" + B,
    };
    EXPECT_EQ(ops, want);
}

TEST(SurveyGlyphs, NoBoldAfterAnEqualsSignInsideAFractionPart) {
    Rig d(ProgramD());
    const auto ops = d.Write("ﾀ1=2/3ﾀ4", 100, 300);
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[2], "T '1' 100,290 4x2" + B);
    EXPECT_EQ(ops[3], "T '=' 136,290 3x3 ｺﾞｼｯｸ/14 b");
    EXPECT_EQ(ops[4], "T '2' 164,290 4x2 ｺﾞｼｯｸ/16");
    // Character by character the walker switches bold on again.
    EXPECT_EQ(ops[5], "T '4' 196,300 3x3" + B);
}

TEST(SurveyGlyphs, RootOverlineGrowsOverTextGlyphs) {
    Rig d(ProgramD());
    const auto ops = d.Write("!2-3ﾝ", 100, 300);
    const std::vector<std::string> want = {
        "P 104,336 108,324 116,340 124,296 132,296 w3",
        "T '2' 128,300 3x3" + B,
        "L 128,296-155,296 w3",
        "T '-' 155,300 3x3" + B,
        "L 128,296-182,296 w3",
        "T '3' 182,300 3x3" + B,
        "L 128,296-209,296 w3",
    };
    EXPECT_EQ(ops, want);
}

}  // namespace
}  // namespace vm::test
