#include <gtest/gtest.h>

#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

const std::string L = " ゴシック/15 b";  // the label type

struct LabelCase {
    const char* text;
    std::vector<std::string> ops;  // at pen (100, 50)
    float width;
};

const LabelCase kLabels[] = {
    {"6.5", {"T '6' 100,50 3x2" + L, "T '.' 120,50 3x2" + L, "T '5' 128,50 3x2" + L}, 48},
    {"(人)", {"T '(' 92,50 3x2" + L, "T '人' 112,50 2x2" + L, "T ')' 142,50 3x2" + L}, 50},
    {"1,2", {"T '1' 100,50 3x2" + L, "T ',' 120,50 3x2" + L, "T '2' 128,50 3x2" + L}, 48},
    {"a y", {"T 'a' 104,38 7x4 Times New Roman/8 b i", "T 'y' 140,44 3x2" + L}, 60},
    {"　", {"T '　' 100,50 2x2" + L}, 30},
    // no markup: every character is drawn as itself
    {"+-=/*^ﾀ",
     {"T '+' 100,50 3x2" + L, "T '-' 120,50 3x2" + L, "T '=' 140,50 3x2" + L,
      "T '/' 160,50 3x2" + L, "T '*' 180,50 3x2" + L, "T '^' 200,50 3x2" + L,
      "T 'ﾀ' 220,50 3x2" + L}, 140},
    {"", {}, 0},
};

TEST(LabelText, PlacesAndAdvances) {
    for (const auto& c : kLabels) {
        Rig r;
        r.p.SetFontName("Times New Roman");
        r.p.SetFontName("ゴシック");
        r.p.SetDrawWidth(2);
        r.s.AA_s = c.text;
        r.s.X = 100;
        r.s.Y = 50;
        r.s.KAKKO = 1;
        DrawLabelText(r.s);
        EXPECT_EQ(r.Ops(), c.ops) << c.text;
        EXPECT_EQ(r.s.X, 100 + c.width) << c.text;
        EXPECT_EQ(r.s.Y, 50) << c.text;
        EXPECT_EQ(r.s.AA_s, "") << c.text;
        EXPECT_EQ(r.s.KAKKO, 1) << c.text;
        EXPECT_EQ(r.p.GetDrawWidth(), 2) << c.text;
        EXPECT_EQ(r.p.Font().size, 16) << c.text;
        EXPECT_FALSE(r.p.Font().bold) << c.text;
        EXPECT_FALSE(r.p.Font().italic) << c.text;

        r.p.ClearLog();
        r.s.A_s = c.text;
        MeasureLabelText(r.s);
        EXPECT_EQ(r.s.LLT, c.width) << c.text;
        EXPECT_EQ(r.s.AA_s, c.text) << c.text;
        EXPECT_EQ(r.s.X, 100 + c.width) << c.text;
        EXPECT_TRUE(r.p.Log().empty()) << c.text;
    }
}

TEST(LabelText, LeavesLastCharacterAndFace) {
    Rig r;
    r.p.SetFontName("MT Extra");
    r.s.A_s = "2x";
    MeasureLabelText(r.s);
    EXPECT_EQ(r.s.A_s, "x");
    EXPECT_EQ(r.s.B_s, "");
    EXPECT_EQ(r.p.Font().name, "ゴシック");
    r.s.X = 7;
    DrawLabelText(r.s);
    EXPECT_EQ(r.s.X, 47);
    EXPECT_EQ(r.s.TX, 47);
    EXPECT_EQ(r.s.LEM, 0);
    EXPECT_EQ(r.s.I, 2);
    // an empty label leaves A$ alone and keeps the face
    r.p.SetFontName("MT Extra");
    r.s.AA_s = "";
    DrawLabelText(r.s);
    EXPECT_EQ(r.s.A_s, "x");
    EXPECT_EQ(r.p.Font().name, "MT Extra");
}

}  // namespace
}  // namespace vm::test
