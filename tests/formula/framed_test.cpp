#include <gtest/gtest.h>

#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

const std::string G = " ゴシック/16 b";

struct BoxCase {
    bool cell;
    const char* text;
    float haba, tate;
    std::string box;         // the filled box at pen (100, 200)
    std::string first_text;  // the first glyph drawn
    float n1, n2;
};

const BoxCase kBoxes[] = {
    // a framed box centres a 44-px line that starts at the pen's y
    {false, "12", 100, 50, "F 100,197-200,247 c13/14", "T '1' 123,200 3x3" + G, 0, 20},
    {false, "12", 100, 44, "F 100,200-200,244 c13/14", "T '1' 123,200 3x3" + G, 0, 20},
    {false, "12", 100, 45, "F 100,200-200,245 c13/14", "T '1' 123,200 3x3" + G, 0, 20},
    {false, "12", 100, 40, "F 100,202-200,242 c13/14", "T '1' 123,200 3x3" + G, 0, 20},
    {false, "ﾀ1/2ﾀ", 100, 80, "F 100,182-200,262 c13/14", "L 134,225-166,225 w4", 1, 30},
    // a text wider than the box starts at its left edge
    {false, "123456", 100, 50, "F 100,197-200,247 c13/14", "T '1' 100,200 3x3" + G, 0, 20},
    // a cell centres the text in the box whose corner is the pen
    {true, "12", 100, 80, "F 100,200-200,280 c13/14", "T '1' 123,218 3x3" + G, 0, 30},
    {true, "2ﾀ1/2ﾀ", 100, 80, "F 100,200-200,280 c13/14", "T '2' 120.5,215 3x3" + G, 2, 30},
    {true, "12", 100, 50, "F 100,200-200,250 c13/14", "T '1' 123,203 3x3" + G, 0, 20},
    {true, "ﾀ1/2ﾀ", 100, 50, "F 100,200-200,250 c13/14", "L 134,225-166,225 w4", 1, 20},
    // too low for the line: the text starts above the cell
    {true, "ﾀ1/2ﾀ", 100, 45, "F 100,200-200,245 c13/14", "L 134,222-166,222 w4", 1, 20},
    {true, "", 100, 50, "F 100,200-200,250 c13/14", "", 0, 20},
};

TEST(FramedText, BoxAndTextPlace) {
    for (const auto& c : kBoxes) {
        Rig r;
        r.s.A_s = c.text;
        r.s.X = 100;
        r.s.Y = 200;
        r.s.HABA = c.haba;
        r.s.TATE = c.tate;
        r.s.CCC2 = 13;
        r.s.CCC3 = 14;
        r.s.N1 = r.s.N2 = 99;
        r.s.AA_s = "lost";
        if (c.cell) DrawCellText(r.s);
        else DrawFramedText(r.s);
        const std::string what = std::string(c.cell ? "cell " : "frame ") + c.text + " " +
                                 std::to_string(static_cast<int>(c.tate));
        const auto ops = r.Ops();
        ASSERT_FALSE(ops.empty()) << what;
        EXPECT_EQ(ops[0], c.box) << what;
        EXPECT_EQ(ops.size() > 1 ? ops[1] : "", c.first_text) << what;
        EXPECT_EQ(r.s.X, 100 + c.haba) << what;
        EXPECT_EQ(r.s.Y, 200) << what;
        EXPECT_EQ(r.s.X1, 100) << what;
        EXPECT_EQ(r.s.Y1, 200) << what;
        EXPECT_EQ(r.s.N1, c.n1) << what;
        EXPECT_EQ(r.s.N2, c.n2) << what;
        EXPECT_EQ(r.s.CCC4, 3) << what;
        EXPECT_EQ(r.s.AA_s, "") << what;
    }
}

TEST(FramedText, LeavesBoxEdgesAndEmphasisColour) {
    Rig r;
    r.s.A_s = "1";
    r.s.X = 0;
    r.s.Y = 100;
    r.s.HABA = 40;
    r.s.TATE = 80;
    r.s.CCC3 = 3;
    DrawFramedText(r.s);
    EXPECT_EQ(r.s.Y2, 82);
    EXPECT_EQ(r.s.Y3, 162);
    EXPECT_EQ(r.s.CCC4, 5);
    EXPECT_EQ(r.s.LLT, 27);
    r.s.A_s = "1";
    DrawCellText(r.s);
    EXPECT_EQ(r.s.Y2, 118);
    EXPECT_EQ(r.s.Y3, 180);
}

// The measurement must not use up the large-parenthesis flag of the text.
TEST(FramedText, KeepsLargeParenthesesForTheRealDrawing) {
    const struct {
        const char* text;
        float kakko_after;
    } cases[] = {{"(1)", 0}, {"①", 1}};
    for (bool cell : {false, true}) {
        for (const auto& c : cases) {
            Rig r;
            r.s.KAKKO = 1;
            r.s.A_s = c.text;
            r.s.HABA = 200;
            r.s.TATE = 50;
            if (cell) DrawCellText(r.s);
            else DrawFramedText(r.s);
            EXPECT_EQ(r.s.KAKKO, c.kakko_after) << c.text;
            if (c.kakko_after == 0) {
                // the "(" is drawn large: 4 px left, 6 px up, magnified (3, 4)
                EXPECT_EQ(r.Ops()[1].substr(0, 6), "T '(' ") << c.text;
                EXPECT_NE(r.Ops()[1].find("3x4"), std::string::npos) << c.text;
            }
        }
    }
}

TEST(CellText, OffsetsAreOneShot) {
    Rig r;
    const auto cell = [&](float x) {
        r.p.ClearLog();
        r.s.A_s = "1";
        r.s.X = x;
        r.s.Y = 0;
        r.s.HABA = 47;
        r.s.TATE = 44;
        DrawCellText(r.s);
        return r.Ops()[1];
    };
    r.s.AAAX = 10;
    r.s.AAAY = 5;
    EXPECT_EQ(cell(0), "T '1' 20,5 3x3" + G);
    EXPECT_EQ(r.s.AAAX, 0);
    EXPECT_EQ(r.s.AAAY, 0);
    EXPECT_EQ(cell(100), "T '1' 110,0 3x3" + G);
    // the framed text neither reads nor resets them
    r.s.AAAX = 10;
    r.s.A_s = "1";
    r.s.X = 0;
    r.s.Y = 0;
    DrawFramedText(r.s);
    EXPECT_EQ(r.s.AAAX, 10);
    EXPECT_EQ(r.Ops().back(), "T '1' 10,0 3x3" + G);
}

TEST(CellText, GoesThroughTheBinding) {
    Rig r;
    static int cells;
    cells = 0;
    r.s.bind.DrawCellText = [](State&) { ++cells; };
    DrawCellText(r.s);
    EXPECT_EQ(cells, 1);
}

TEST(FramedText, TwoInARowStandSideBySide) {
    Rig r;
    r.s.X = 10;
    r.s.Y = 100;
    r.s.HABA = 484;
    r.s.TATE = 50;
    r.s.A_s = "P205(三平方 基本の問題)";
    DrawFramedText(r.s);
    r.s.HABA = 40;
    r.s.A_s = "1";
    DrawFramedText(r.s);
    std::vector<std::string> boxes;
    for (const auto& op : r.Ops())
        if (op[0] == 'F') boxes.push_back(op);
    EXPECT_EQ(boxes, (std::vector<std::string>{"F 10,97-494,147 c0/0", "F 494,97-534,147 c0/0"}));
    EXPECT_EQ(r.s.X, 534);
}

}  // namespace
}  // namespace vm::test
