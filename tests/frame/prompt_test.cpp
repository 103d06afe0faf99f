#include <gtest/gtest.h>

#include "frame/frame.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

// Visible glyphs (the blank cells drawn as "　" left out) with their places.
struct Glyph {
    std::string text;
    float x, y;
};
std::vector<Glyph> Visible(const test::MenuRig& r) {
    std::vector<Glyph> out;
    for (const auto& op : r.Texts())
        if (op.text != "　") out.push_back({op.text, op.x1, op.y1});
    return out;
}

TEST(DrawPromptText, EmptyTextDrawsNothingAndKeepsState) {
    test::MenuRig r;
    r.s.X = 100, r.s.A_s = "keep", r.s.JYOU = 1;
    DrawPromptText(r.s);
    EXPECT_TRUE(r.p.Log().empty());
    EXPECT_EQ(r.s.X, 100);
    EXPECT_EQ(r.s.A_s, "keep");
    EXPECT_EQ(r.s.JYOU, 1);
}

TEST(DrawPromptText, SceneListTakesACellPerCharacterBlankIncluded) {
    test::MenuRig r;
    r.s.AA_s = " ①図で　②作図　③PAの長さ　④地図で　⑤220km以上から　⑥終了";
    r.s.X = 16, r.s.Y = 666, r.s.CCC1 = 0;
    DrawPromptText(r.s);
    EXPECT_EQ(r.s.X, 16 + 560);
    EXPECT_EQ(r.s.Y, 666);
    EXPECT_EQ(r.s.AA_s, "");
    EXPECT_EQ(r.s.A_s, "了");
    const auto g = Visible(r);
    ASSERT_GE(g.size(), 15u);
    EXPECT_EQ(g[0].text, "①");
    EXPECT_EQ(g[0].x, 32);  // after the blank's empty cell
    // "PA": P and the Greek alpha, full-width, not raised.
    EXPECT_EQ(g[7].text, "Ｐ");
    EXPECT_EQ(g[8].text, "Α");
    EXPECT_EQ(g[8].x, 16 + 16 * 11);
    EXPECT_EQ(g[8].y, 666);
    std::string km;
    for (const auto& x : g) km += x.text;
    EXPECT_NE(km.find("⑤２２０ｋｍ以上から"), std::string::npos);
    for (const auto& op : r.Texts()) {
        EXPECT_EQ(op.colour, 0);
        EXPECT_TRUE(op.font.bold);
    }
}

TEST(DrawPromptText, CaretLeavesNextCharacterUnmappedAndRaised) {
    test::MenuRig r;
    r.s.AA_s = "x^2";
    r.s.X = 100, r.s.Y = 200;
    DrawPromptText(r.s);
    const auto g = Visible(r);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].text, "χ");
    EXPECT_EQ(g[0].x, 100);
    EXPECT_EQ(g[0].y, 200);
    EXPECT_EQ(g[1].text, "2");
    EXPECT_EQ(g[1].x, 116);
    EXPECT_EQ(g[1].y, 196);
    EXPECT_EQ(r.s.X, 132);
    EXPECT_EQ(r.s.JYOU, 0);
}

TEST(DrawPromptText, CaretCarriesOverAndIsUsedUpByABlank) {
    test::MenuRig r;
    // A text that ends in "^" leaves the escape for the next text.
    r.s.AA_s = "1^";
    DrawPromptText(r.s);
    EXPECT_EQ(r.s.JYOU, 1);
    EXPECT_EQ(r.s.A_s, "^");
    EXPECT_EQ(r.s.X, 16);
    r.s.AA_s = "a";
    DrawPromptText(r.s);
    EXPECT_EQ(Visible(r).back().text, "a");
    EXPECT_EQ(Visible(r).back().y, -4);

    // "^" then a blank: the blank's cell uses the escape up.
    r.p.ClearLog();
    r.s.X = 0, r.s.Y = 0;
    r.s.AA_s = "^ a";
    DrawPromptText(r.s);
    EXPECT_EQ(r.s.JYOU, 0);
    EXPECT_EQ(r.s.X, 32);
    ASSERT_EQ(Visible(r).size(), 1u);
    EXPECT_EQ(Visible(r)[0].text, "ａ");
    EXPECT_EQ(Visible(r)[0].x, 16);

    // "^" before a full-width character changes nothing visible.
    r.p.ClearLog();
    r.s.X = 0;
    r.s.AA_s = "^番";
    DrawPromptText(r.s);
    EXPECT_EQ(Visible(r)[0].text, "番");
    EXPECT_EQ(Visible(r)[0].y, 0);
    EXPECT_EQ(r.s.X, 16);
}

TEST(DrawPlainText, KeysOneAtATimePutThePeriodBetweenNeighbours) {
    test::MenuRig r;
    r.s.X = 1056, r.s.Y = 648, r.s.CCC1 = 5;
    for (const char* k : {"3", ".", "5"}) {
        r.s.A_s = k;
        DrawPlainText(r.s);
        r.s.X = r.s.XT;
    }
    const auto g = Visible(r);
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0].text, "３");
    EXPECT_EQ(g[0].x, 1056);
    EXPECT_EQ(g[1].text, "．");
    EXPECT_EQ(g[1].x, 1068);
    EXPECT_EQ(g[2].text, "５");
    EXPECT_EQ(g[2].x, 1072);
    EXPECT_EQ(r.s.XT, 1056 + 32);
    EXPECT_EQ(g[2].y, 648);
}

TEST(DrawPlainText, LeavesPenAndDropsBlanksInsideALongerText) {
    test::MenuRig r;
    r.s.X = 10, r.s.Y = 20;
    r.s.A_s = "/ -";
    DrawPlainText(r.s);
    EXPECT_EQ(r.s.X, 10);
    EXPECT_EQ(r.s.Y, 20);
    EXPECT_EQ(r.s.XT, 42);
    EXPECT_EQ(r.s.A_s, "/-");
    const auto g = Visible(r);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].text, "÷");
    EXPECT_EQ(g[1].text, "－");
    EXPECT_TRUE(r.p.Font().bold);
}

TEST(DrawPromptText, OneByteCharactersSitFourPixelsHigher) {
    // What the map leaves half-width is raised; what it widens is not.
    const struct {
        const char* text;
        const char* shown;
        float y;
        float advance;
    } cases[] = {
        {"z", "z", 96, 16},   {"ﾝ", "ﾝ", 96, 16},  {"#", "#", 96, 16},
        {"Z", "Ｚ", 100, 16}, {"ﾀ", "―", 100, 16}, {"^.", ".", 96, 16},
        {"．", "．", 100, 0},
    };
    for (const auto& c : cases) {
        test::MenuRig r;
        r.s.X = 50, r.s.Y = 100;
        r.s.AA_s = c.text;
        DrawPromptText(r.s);
        const auto g = Visible(r);
        ASSERT_EQ(g.size(), 1u) << c.text;
        EXPECT_EQ(g[0].text, c.shown) << c.text;
        EXPECT_EQ(g[0].y, c.y) << c.text;
        EXPECT_EQ(r.s.X, 50 + c.advance) << c.text;
    }
}

}  // namespace
}  // namespace vm
