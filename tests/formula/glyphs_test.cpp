#include <gtest/gtest.h>

#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

const std::string G = " ゴシック/16 b";

struct GlyphCase {
    const char* text;
    bool fraction;
    float jyou, jyouk, kakko;
    std::vector<std::string> ops;
    float advance;
};

// One glyph string at pen (100, 50), each row of the table and its
// neighbours: place, magnification, font, strokes and advance.
const GlyphCase kGlyphs[] = {
    {".", false, 0, 0, 0, {"T '.' 97,64 3x2" + G}, 8},
    {"'", false, 0, 0, 0, {"T ''' 100,50 3x3" + G}, 12},
    {"%", false, 0, 0, 0, {"T '°' 100,50 3x3" + G}, 12},
    {"°", true, 0, 0, 0, {"T '°' 100,50 3x3" + G}, 12},
    {"(", false, 0, 0, 1, {"T '(' 96,44 3x4" + G}, 27},
    {")", false, 0, 0, 1, {"T ')' 106,44 3x4" + G}, 27},
    {"()", false, 0, 0, 0, {"T '(' 100,50 3x3" + G, "T ')' 127,50 3x3" + G}, 54},
    // one large pair only: the first ")" clears the flag
    {"()()", false, 0, 0, 1,
     {"T '(' 96,44 3x4" + G, "T ')' 133,44 3x4" + G, "T '(' 154,50 3x3" + G,
      "T ')' 181,50 3x3" + G}, 108},
    {"=", true, 0, 0, 0, {"T '=' 104,50 3x3 ゴシック/14 b"}, 32},
    {"7", false, 0, 1, 0, {"T '7' 100,40 6x3 ゴシック/8 b"}, 24},
    {"7", true, 0, 1, 0, {"T '7' 100,40 6x3 ゴシック/8 b"}, 24},
    {"7", true, 1, 0, 0, {"T '7' 100,46 6x3 ゴシック/8 b"}, 24},
    {"7", false, 1, 0, 0, {"T '7' 100,50 3x2" + G}, 24},
    // the index is served first, the exponent on the next glyph
    {"23", false, 1, 1, 0, {"T '2' 100,40 6x3 ゴシック/8 b", "T '3' 124,50 3x2" + G}, 48},
    // a flag waits for a glyph that reaches its row
    {".2", false, 1, 0, 0, {"T '.' 97,64 3x2" + G, "T '2' 108,50 3x2" + G}, 32},
    // an exponent loses the letter's own row
    {"a", false, 1, 0, 0, {"T 'a' 100,50 3x2" + G}, 24},
    {"-", false, 1, 0, 0, {"T '-' 100,50 3x2" + G}, 24},
    {"x", true, 0, 0, 0, {"T 'x' 104,34 12x5 Times New Roman/8 b i"}, 32},
    {"c", false, 0, 0, 0, {"T 'c' 104,28 10x7 Times New Roman/8 b i"}, 27},
    {"l", false, 0, 0, 0, {"T 'l' 100,50 6x3 MT Extra/16 b"}, 32},
    // after "l" the rest of the string is drawn without bold until a "="
    {"l2=3", true, 0, 0, 0,
     {"T 'l' 100,50 6x3 MT Extra/16 b", "T '2' 132,50 4x2 ゴシック/16",
      "T '=' 168,50 3x3 ゴシック/14 b", "T '3' 196,50 4x2" + G}, 128},
    {"-", true, 0, 0, 0, {"L 106,64-126,64 w5"}, 32},
    {"+", true, 0, 0, 0, {"L 106,64-126,64 w5", "L 116,54-116,74 w5"}, 32},
    {"-", false, 0, 0, 0, {"L 104,70-123,70 w5"}, 27},
    {"+", false, 0, 0, 0, {"L 104,72-123,72 w5", "L 113,60-113,84 w5"}, 27},
    {"*", false, 0, 0, 0, {"T '×' 96,50 2x3" + G}, 27},
    {"/", false, 0, 0, 0, {"T '÷' 96,50 2x3" + G}, 27},
    {"@", false, 0, 0, 0, {"T '±' 96,50 2x3" + G}, 27},
    {"*", true, 0, 0, 0, {"T '×' 100,50 3x3 ゴシック/11 b"}, 38},
    {" ", false, 0, 0, 0, {}, 27},
    {" ", true, 0, 0, 0, {}, 27},
    {"　", false, 0, 0, 0, {"T '　' 100,50 2x3" + G}, 34},
    {"辺", true, 0, 0, 0, {"T '辺' 100,50 3x3 ゴシック/11 b"}, 38},
    {"辺", false, 0, 0, 0, {"T '辺' 100,50 2x3" + G}, 34},
    {"9", true, 0, 0, 0, {"T '9' 100,50 4x2" + G}, 32},
    {"ﾊ", false, 0, 0, 0, {"T 'ﾊ' 100,50 3x3" + G}, 27},
    {"!", false, 0, 0, 0, {"P 104,86 108,74 116,90 124,46 132,46 w3"}, 28},
    {"√", true, 0, 0, 0, {"P 104,74 108,63 116,79 124,44 126,44 w3"}, 26},
    {"&", false, 0, 0, 0, {"P 104,90 125,90 132,58 111,58 104,90 w5"}, 36},
    // polyline glyphs come before the flags' rows: the exponent waits
    {"!3", false, 1, 0, 0,
     {"P 104,86 108,74 116,90 124,46 132,46 w3", "T '3' 128,50 3x2" + G,
      "L 128,46-152,46 w3"}, 52},
    {"^\\ﾝ", false, 0, 0, 0, {}, 0},
    {"", false, 1, 0, 0, {}, 0},
};

TEST(DrawFormulaGlyphs, GlyphTable) {
    for (const auto& c : kGlyphs) {
        Rig r;
        r.s.BUN = c.fraction ? 1 : 0;
        r.s.JYOU = c.jyou;
        r.s.JYOUK = c.jyouk;
        r.s.KAKKO = c.kakko;
        r.s.A_s = c.text;
        r.s.X = 100;
        r.s.Y = 50;
        r.p.SetDrawWidth(2);
        DrawFormulaGlyphs(r.s);
        const std::string what = std::string(c.text) + (c.fraction ? " (fraction)" : "");
        EXPECT_EQ(r.Ops(), c.ops) << what;
        EXPECT_EQ(r.s.X, 100 + c.advance) << what;
        EXPECT_EQ(r.s.Y, 50) << what;
        EXPECT_EQ(r.p.GetDrawWidth(), 2) << what;
        const FontState& f = r.p.Font();
        EXPECT_EQ(f.name, "ゴシック") << what;
        EXPECT_EQ(f.size, 16) << what;
        EXPECT_FALSE(f.bold) << what;
    }
}

TEST(DrawFormulaGlyphs, ItalicOffOnlyAfterAnItalicLetter) {
    Rig r;
    r.p.SetFontItalic(true);
    r.s.A_s = "2";
    DrawFormulaGlyphs(r.s);
    EXPECT_TRUE(r.p.Font().italic);
    r.s.A_s = "a";
    DrawFormulaGlyphs(r.s);
    EXPECT_FALSE(r.p.Font().italic);
}

TEST(DrawFormulaGlyphs, RootInALine) {
    Rig r;
    EXPECT_EQ(r.Write("2!3ﾝ", 100, 50),
              (std::vector<std::string>{"T '2' 100,50 3x3" + G,
                                        "P 131,86 135,74 143,90 151,46 159,46 w3",
                                        "T '3' 155,50 3x3" + G, "L 155,46-182,46 w3"}));
    EXPECT_EQ(r.s.X, 182);
    EXPECT_EQ(r.s.HROOT, 0);
    EXPECT_EQ(r.s.TXM, 155);
}

TEST(DrawFormulaGlyphs, OverlineGrowsGlyphByGlyph) {
    Rig r;
    r.s.A_s = "!2 .3ﾝ4";
    r.s.BUN = 1;
    r.s.X = 0;
    r.s.Y = 100;
    DrawFormulaGlyphs(r.s);
    EXPECT_EQ(r.Ops(), (std::vector<std::string>{
                           "P 4,124 8,113 16,129 24,94 26,94 w3", "T '2' 26,100 4x2" + G,
                           "L 26,94-58,94 w3", "L 26,94-85,94 w3",  // the blank too
                           "T '.' 82,114 3x2" + G, "L 26,94-93,94 w3",
                           "T '3' 93,100 4x2" + G, "L 26,94-125,94 w3",
                           "T '4' 125,100 4x2" + G}));
    EXPECT_EQ(r.s.TXM, 157);
}

TEST(DrawFormulaGlyphs, SecondRootStartsItsOwnOverline) {
    Rig r;
    r.Write("!2!3", 0, 50);
    EXPECT_EQ(r.Ops().back(), "L 83,46-110,46 w3");
    EXPECT_EQ(r.s.TXM, 83);
}

TEST(DrawFormulaGlyphs, LeavesItsScratch) {
    Rig r;
    r.s.A_s = "1.2";
    DrawFormulaGlyphs(r.s);
    EXPECT_EQ(r.s.I, 4);
    EXPECT_EQ(r.s.B_s, "2");
    EXPECT_EQ(r.s.TA2, 1);
    r.s.A_s = "2.";
    DrawFormulaGlyphs(r.s);
    EXPECT_EQ(r.s.B_s, "");
}

}  // namespace
}  // namespace vm::test
