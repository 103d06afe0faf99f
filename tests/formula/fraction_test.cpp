#include <gtest/gtest.h>

#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

const std::string G = " ゴシック/16 b";

struct FractionCase {
    const char* text;  // the fraction text between the two "ﾀ"
    float hroot;
    std::vector<std::string> ops;  // at pen (100, 100)
    float bar;
};

const FractionCase kFractions[] = {
    // equal parts: bar as wide as both, no offsets, denominator 28 below
    {"1/3", 0, {"L 100,125-132,125 w4", "T '3' 100,128 4x2" + G, "T '1' 100,90 4x2" + G}, 32},
    // a narrower part is centred at a half-pixel offset when the gap is odd
    {"12/あ", 0,
     {"L 100,125-164,125 w4", "T 'あ' 113,128 3x3 ゴシック/11 b", "T '1' 100,90 4x2" + G,
      "T '2' 132,90 4x2" + G}, 64},
    {"1/2 ", 0, {"L 100,125-159,125 w4", "T '2' 100,128 4x2" + G, "T '1' 113.5,90 4x2" + G}, 59},
    {"1/!2ﾝ.", 0,
     {"L 100,125-166,125 w4", "P 104,160 108,149 116,165 124,130 126,130 w3",
      "T '2' 126,136 4x2" + G, "L 126,130-158,130 w3", "T '.' 155,150 3x2" + G,
      "T '1' 117,90 4x2" + G}, 66},
    // a power in the denominator lowers it to 36; with a root as well, 44
    {"1/2^2", 0,
     {"L 100,125-156,125 w4", "T '2' 100,136 4x2" + G, "T '2' 132,132 6x3 ゴシック/8 b",
      "T '1' 112,90 4x2" + G}, 56},
    {"!2ﾝ/2^2", 0,
     {"L 100,125-158,125 w4", "T '2' 101,144 4x2" + G, "T '2' 133,140 6x3 ゴシック/8 b",
      "P 104,114 108,103 116,119 124,84 126,84 w3", "T '2' 126,90 4x2" + G,
      "L 126,84-158,84 w3"}, 58},
    // a root in the numerator only still lowers the denominator
    {"!3ﾝ/2", 0,
     {"L 100,125-158,125 w4", "T '2' 113,136 4x2" + G,
      "P 104,114 108,103 116,119 124,84 126,84 w3", "T '3' 126,90 4x2" + G,
      "L 126,84-158,84 w3"}, 58},
    // under the tall root a second bar runs 14 px above the line top
    {"1/2", 22,
     {"L 100,125-132,125 w4", "L 100,86-132,86 w3", "T '2' 100,128 4x2" + G,
      "T '1' 100,90 4x2" + G}, 32},
    // a second "/" belongs to the denominator, drawn as a division sign
    {"6/2/3", 0,
     {"L 100,125-202,125 w4", "T '2' 100,128 4x2" + G, "T '÷' 132,128 3x3 ゴシック/11 b",
      "T '3' 170,128 4x2" + G, "T '6' 135,90 4x2" + G}, 102},
    // no "/": the whole text over an empty denominator
    {"12", 0, {"L 100,125-164,125 w4", "T '1' 100,90 4x2" + G, "T '2' 132,90 4x2" + G}, 64},
    {"", 0, {"L 100,125-100,125 w4"}, 0},
    {"/5", 0, {"L 100,125-132,125 w4", "T '5' 100,128 4x2" + G}, 32},
};

TEST(DrawStackedFraction, PartsBarAndPen) {
    for (const auto& c : kFractions) {
        Rig r;
        r.p.SetDrawWidth(2);
        r.s.HROOT = c.hroot;
        r.s.A_s = c.text;
        r.s.X = 100;
        r.s.Y = 100;
        r.s.DR = 2;
        DrawStackedFraction(r.s);
        EXPECT_EQ(r.Ops(), c.ops) << c.text;
        EXPECT_EQ(r.s.NAGA, c.bar) << c.text;
        EXPECT_EQ(r.s.X, 100 + c.bar) << c.text;
        EXPECT_EQ(r.s.Y, 100) << c.text;
        EXPECT_EQ(r.s.BUN, 0) << c.text;
        EXPECT_EQ(r.p.GetDrawWidth(), 2) << c.text;
    }
}

TEST(DrawStackedFraction, LeavesNumeratorAndDenominatorWidth) {
    Rig r;
    r.s.A_s = "12/3";
    DrawStackedFraction(r.s);
    EXPECT_EQ(r.s.A_s, "12");
    EXPECT_EQ(r.s.LLT, 32);
    EXPECT_EQ(r.s.TBSI, 64);
    EXPECT_EQ(r.s.TBBO1, 16);
    EXPECT_EQ(r.s.TXM, 64);  // after the numerator's last glyph
}

// A large ")" inside a part is used up while the part is measured, so the
// part is drawn with ordinary parentheses.
TEST(DrawStackedFraction, ParenthesisInAPartUsesUpTheFlagWhileMeasuring) {
    Rig r;
    r.s.KAKKO = 1;
    r.s.A_s = "(1)/2";
    DrawStackedFraction(r.s);
    EXPECT_EQ(r.s.KAKKO, 0);
    EXPECT_EQ(r.Ops()[2], "T '(' 0,-10 4x2" + G);
}

}  // namespace
}  // namespace vm::test
