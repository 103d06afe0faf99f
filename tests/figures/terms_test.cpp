#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Terms = RigTest;

TEST_F(Terms, SignsOfATerm) {
    const struct {
        const char *in, *negated, *no_plus, *no_sign;
    } cases[] = {
        {"-3x", "+3x", "-3x", "3x"},
        {"+3x", "-3x", "3x", "3x"},
        {"3x", "-3x", "3x", "3x"},
        {"", "", "", ""},
        {"+5", "-5", "5", "5"},
        {"-5", "+5", "-5", "5"},
        {"-３ｘ²", "+３ｘ²", "-３ｘ²", "３ｘ²"},  // full-width characters stay whole
        {"ａ", "-ａ", "ａ", "ａ"},
    };
    for (const auto& c : cases) {
        s.A_s = c.in;
        NegateTermSign(s);
        EXPECT_EQ(s.A_s, c.negated) << c.in;
        s.A_s = c.in;
        StripPlusSign(s);
        EXPECT_EQ(s.A_s, c.no_plus) << c.in;
        s.A_s = c.in;
        StripLeadingSign(s);
        EXPECT_EQ(s.A_s, c.no_sign) << c.in;
    }
    s.A_s = "-３ｘ";
    NegateTermSign(s);
    EXPECT_EQ(s.LE, 3);  // characters, before the change
}

TEST_F(Terms, BraceOverTheGivenHeight) {
    s.X = 100, s.Y = 100, s.HABA = 200, s.CCC1 = 5;
    p.SetDrawWidth(2);
    DrawEquationBrace(s);
    const auto polys = OfKind(Op::Polyline);
    ASSERT_EQ(polys.size(), 1u);
    const std::vector<std::pair<float, float>> want = {
        {135, 105}, {123, 108}, {123, 190.5f}, {108, 197.5f}, {123, 204.5f}, {123, 287},
        {135, 290}};
    ASSERT_EQ(polys[0].pts.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(polys[0].pts[i].x, want[i].first) << i;
        EXPECT_EQ(polys[0].pts[i].y, want[i].second) << i;
    }
    EXPECT_EQ(polys[0].width, 5);
    EXPECT_EQ(polys[0].colour, 5);
    EXPECT_EQ(p.GetDrawWidth(), 2);
    EXPECT_EQ(s.X, 100);  // the pen stays
    EXPECT_EQ(s.Y, 100);
}

TEST_F(Terms, ColumnSumOfTwoLines) {
    s.X = 100, s.Y = 200, s.TAKASA = 50, s.CCC1 = 0, s.CCC2 = 3;
    s.A1_s = "2x+y=7", s.A2_s = "x-y=2", s.ENZAN_s = "+";
    s.A_s = s.A1_s;
    MeasureText(s);
    const float w1 = s.LLT;
    s.A_s = s.A2_s;
    MeasureText(s);
    const float w2 = s.LLT;
    p.SetDrawWidth(2);
    DrawColumnArithmetic(s);
    std::vector<Op> lines;  // the rule (the writer draws some glyphs as lines too)
    for (const Op& o : OfKind(Op::Line))
        if (o.colour == 3) lines.push_back(o);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 127);
    EXPECT_EQ(lines[0].y1, 300);
    EXPECT_EQ(lines[0].x2, 127 + std::max(w1, w2) + 30);
    EXPECT_EQ(lines[0].y2, 300);
    EXPECT_EQ(lines[0].width, 3);
    EXPECT_EQ(lines[0].colour, 3);
    EXPECT_EQ(p.GetDrawWidth(), 2);
    EXPECT_EQ(s.X, 154 + w2);  // the pen after the second line
    EXPECT_EQ(s.Y, 250);
    EXPECT_EQ(s.YI1, 250);
    EXPECT_EQ(s.XI3, 154);
    EXPECT_EQ(s.XI2, 154 + std::max(w1, w2));
    // The operator and its ")" a little below the second line.
    bool paren = false;
    for (const Op& o : OfKind(Op::Text))
        if (o.text == ")" && o.y1 == 256 && o.x1 > 100 && o.x1 < 154) paren = true;
    EXPECT_TRUE(paren);
}

}  // namespace vm::test
