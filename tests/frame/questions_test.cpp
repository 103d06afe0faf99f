#include <gtest/gtest.h>

#include "frame/frame.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

bool HasBox(const std::vector<Op>& log, float x1, float y1, float x2, float y2, int border,
            int fill, int width = -1) {
    for (const auto& op : log)
        if (op.kind == Op::FillBox && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 &&
            op.y2 == y2 && op.colour == border && op.fill == fill &&
            (width < 0 || op.width == width))
            return true;
    return false;
}

TEST(AskNumberAtBottom, ListStaysFieldGoes) {
    test::MenuRig r;
    r.s.AA_s = " ①図で　②作図　③PAの長さ　④地図で　⑤220km以上から　⑥終了";
    r.Keys("3\n");
    AskNumberAtBottom(r.s);
    EXPECT_EQ(r.s.AINP, 3);
    EXPECT_EQ(r.s.AA_s, "");
    const auto t = r.Texts();
    EXPECT_EQ(t[0].x1, 16);
    EXPECT_EQ(t[0].y1, 666);
    EXPECT_EQ(t[0].colour, 0);
    EXPECT_EQ(t[1].text, "①");
    EXPECT_EQ(t[1].x1, 32);
    bool label = false, digit = false;
    for (const auto& op : t) {
        label |= op.text == "入" && op.x1 == 1008 && op.y1 == 648;
        digit |= op.text == "３" && op.x1 == 1056 && op.y1 == 648 && op.colour == 5;
    }
    EXPECT_TRUE(label);
    EXPECT_TRUE(digit);
    // The entry erases its own field only; the band is the caller's.
    EXPECT_FALSE(HasBox(r.p.Log(), 0, 657, 992, 720, 15, 15));
    EXPECT_TRUE(HasBox(r.p.Log(), 1008, 640, 1248, 670, 15, 15));
    r.p.ClearLog();
    EraseBottomLine(r.s);
    EXPECT_TRUE(HasBox(r.p.Log(), 0, 657, 992, 720, 15, 15));
}

TEST(AskNextStep, ValuesAndWhatItRestores) {
    const struct {
        const char* keys;
        float value;
        float colour;
    } cases[] = {
        {"1\n", 1, 5}, {"\n", 0, 0}, {"2/2\n", 1, 5}, {"1/0\n", 0, 5}, {"/\n", 0, 5},
    };
    for (const auto& c : cases) {
        test::MenuRig r;
        r.p.SetDrawWidth(5);
        r.s.CCC1 = 3;
        r.Keys(c.keys);
        AskNextStep(r.s);
        EXPECT_FLOAT_EQ(r.s.AINP, c.value) << c.keys;
        EXPECT_EQ(r.s.CCC1, c.colour) << c.keys;
        EXPECT_EQ(r.p.GetDrawWidth(), 5) << c.keys;
        const auto& log = r.p.Log();
        EXPECT_TRUE(HasBox(log, 96, 639, 400, 675, 13, 12, 2));
        EXPECT_TRUE(HasBox(log, 1008, 639, 1168, 666, 15, 15, 2));
        EXPECT_TRUE(HasBox(log, 96, 639, 400, 675, 15, 15, 2));
        const auto t = r.Texts();
        EXPECT_EQ(t[0].text, "次");
        EXPECT_EQ(t[0].x1, 128);
        EXPECT_EQ(t[0].y1, 648);
        EXPECT_EQ(t[0].colour, 9);
        EXPECT_EQ(t[11].text, "。");
        EXPECT_EQ(t[11].x1, 128 + 176);
    }
}

TEST(ShowKeyPrompt, HandsBackTheKeyAndRestores) {
    test::MenuRig r;
    r.p.SetDrawWidth(5);
    r.s.CCC1 = 0;
    r.s.AA_s = "←→（C),↑↓(A)で点を動かす。Enterキーで決定";
    r.Keys("\n");
    ShowKeyPrompt(r.s);
    EXPECT_EQ(r.s.I_s, key::kEnter);
    EXPECT_EQ(r.s.CCC1, 0);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
    EXPECT_EQ(r.s.AA_s, "");
    const auto& log = r.p.Log();
    EXPECT_TRUE(HasBox(log, 16, 657, 496, 693, 13, 4, 3));
    EXPECT_TRUE(HasBox(log, 0, 657, 992, 720, 15, 15, 3));
    const auto t = r.Texts();
    EXPECT_EQ(t[0].x1, 48);
    EXPECT_EQ(t[0].y1, 666);
    EXPECT_EQ(t[0].colour, 9);
    // Its tail alone restores the same values once more.
    r.p.ClearLog();
    r.s.CCC1 = 7;
    r.p.SetDrawWidth(1);
    EraseKeyPrompt(r.s);
    EXPECT_EQ(r.s.CCC1, 0);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
    EXPECT_TRUE(HasBox(r.p.Log(), 0, 657, 992, 720, 15, 15));
}

TEST(ShowKeyPrompt, ArrowKeysComeBackUnchanged) {
    test::MenuRig r;
    r.Keys("{Left}{Up}");
    r.s.AA_s = "a";
    ShowKeyPrompt(r.s);
    EXPECT_EQ(r.s.I_s, key::kLeft);
    r.s.AA_s = "a";
    ShowKeyPrompt(r.s);
    EXPECT_EQ(r.s.I_s, key::kUp);
}

TEST(WaitForKey, BoxTextEraseAndRestore) {
    test::MenuRig r;
    r.p.SetDrawWidth(5);
    r.s.CCC1 = 5;
    r.s.AA_s = "left over";
    r.Keys("x");
    WaitForKey(r.s);
    EXPECT_EQ(r.s.I_s, "x");
    EXPECT_EQ(r.s.CCC1, 5);
    EXPECT_EQ(r.s.CCC0, 5);
    EXPECT_EQ(r.s.DR, 5);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
    EXPECT_EQ(r.s.X, 320);
    EXPECT_EQ(r.s.Y, 666);
    EXPECT_EQ(r.s.AA_s, "");
    const auto& log = r.p.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_TRUE(HasBox({log.front()}, 96, 657, 400, 693, 13, 4, 3));
    EXPECT_TRUE(HasBox({log.back()}, 0, 657, 400, 693, 15, 15, 3));
    const auto t = r.Texts();
    ASSERT_EQ(t.size(), 12u);
    EXPECT_EQ(t[0].text, "何");
    EXPECT_EQ(t[0].x1, 128);
    EXPECT_EQ(t[0].y1, 666);
    EXPECT_EQ(t[0].colour, 9);
}

TEST(WaitForKey, EachWaitTakesOneKeyTypedAhead) {
    test::MenuRig r;
    r.Keys("1\n ");
    for (const char* expected : {"1", "\r", " "}) {
        WaitForKey(r.s);
        EXPECT_EQ(r.s.I_s, expected);
    }
    EXPECT_EQ(r.p.PendingKeys(), 0u);
    EXPECT_THROW(WaitForKey(r.s), WindowClosed);
}

TEST(ClearWorkArea, FillsTheWorkArea) {
    test::MenuRig r;
    ClearWorkArea(r.s);
    ASSERT_EQ(r.p.Log().size(), 1u);
    EXPECT_TRUE(HasBox(r.p.Log(), 0, 54, 1440, 900, 15, 15));
}

TEST(FormatNumberTables, TextsOfBothTables) {
    test::MenuRig r;
    r.s.T_a.Dim(80);
    r.s.T_sa.Dim(80);
    r.s.F_a.Dim(40);
    r.s.F_sa.Dim(40);
    r.s.T_a(0) = 99;
    r.s.T_sa(0) = "keep";
    r.s.F_sa(0) = "keep";
    r.s.T_a(1) = 8;
    r.s.T_a(2) = -3;
    r.s.T_a(3) = 0.5f;
    r.s.T_a(80) = 144;
    r.s.F_a(1) = 2.5f;
    r.s.F_a(40) = -12;
    r.s.I = 7;
    FormatNumberTables(r.s);
    EXPECT_EQ(r.s.T_sa(0), "keep");
    EXPECT_EQ(r.s.F_sa(0), "keep");
    EXPECT_EQ(r.s.T_sa(1), "8");
    EXPECT_EQ(r.s.T_sa(2), "-3");
    EXPECT_EQ(r.s.T_sa(3), ".5");
    EXPECT_EQ(r.s.T_sa(4), "0");
    EXPECT_EQ(r.s.T_sa(80), "144");
    EXPECT_EQ(r.s.F_sa(1), "2.5");
    EXPECT_EQ(r.s.F_sa(40), "-12");
    EXPECT_EQ(r.s.I, 41);
    EXPECT_EQ(r.s.A_s, "-12");
    EXPECT_TRUE(r.p.Log().empty());
}

}  // namespace
}  // namespace vm
