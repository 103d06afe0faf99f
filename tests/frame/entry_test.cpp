#include <gtest/gtest.h>

#include <cmath>

#include "frame/frame.h"
#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

void Read(test::MenuRig& r, const std::string& keys) {
    r.Keys(keys);
    ReadNumberField(r.s);
    EvaluateInput(r.s);
}

TEST(NumberEntry, TypedTextAndItsValue) {
    const struct {
        const char* keys;
        const char* text;
        float value;
    } cases[] = {
        {"3/4\n", "3/4", 0.75f},
        {"-6/4\n", "-6/4", -1.5f},
        {"6/-4\n", "6/-4", -1.5f},
        {"1.5\n", "1.5", 1.5f},
        {"1/2/4\n", "1/2/4", 0.5f},  // the denominator is read up to its own "/"
        {"\n", "", 0},
        {"123{BS}4\n", "4", 4},
        {"98{Del}7\n", "7", 7},
        {"1a +{Left}{Up}2\n", "12", 12},  // keys outside the field's set are ignored
        {"-\n", "-", 0},
        {"14/2\n", "14/2", 7},
        // Ten characters: the next key of any kind empties the field and is
        // not kept, Enter included.
        {"12345678901\n", "", 0},
        {"1234567890\n5\n", "5", 5},
        {"123456789\n", "123456789", 123456789.0f},
        // Nothing, or 0, under the bar: valued 0 rather than stopping.
        {"1/0\n", "1/0", 0},
        {"5/\n", "5/", 0},
        {"/\n", "/", 0},
        {"0/0\n", "0/0", 0},
        {"-3/-0\n", "-3/-0", 0},
        {"7/.\n", "7/.", 0},
    };
    for (const auto& c : cases) {
        test::MenuRig r;
        Read(r, c.keys);
        EXPECT_EQ(r.s.AINP_s, c.text) << c.keys;
        EXPECT_FLOAT_EQ(r.s.AINP, c.value) << c.keys;
        EXPECT_TRUE(std::isfinite(r.s.AINP)) << c.keys;
        EXPECT_EQ(r.s.I_s, key::kEnter) << c.keys;
        EXPECT_EQ(r.p.PendingKeys(), 0u) << c.keys;
    }
}

TEST(NumberEntry, FractionSplitsAtTheFirstBar) {
    test::MenuRig r;
    Read(r, "3/4\n");
    EXPECT_EQ(r.s.LEM, 3);
    EXPECT_EQ(r.s.N, 2);
    EXPECT_EQ(r.s.A_s, "3");
    EXPECT_EQ(r.s.B_s, "4");
    test::MenuRig r2;
    Read(r2, "1/2/4\n");
    EXPECT_EQ(r2.s.A_s, "1");
    EXPECT_EQ(r2.s.B_s, "2/4");
}

TEST(NumberEntry, FieldLayoutEchoAndErase) {
    test::MenuRig r;
    r.s.X = 500, r.s.Y = 600;
    Read(r, "1.5\n");
    const auto t = r.Texts();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].text, "入");
    EXPECT_EQ(t[0].x1, 1008);
    EXPECT_EQ(t[0].y1, 648);
    EXPECT_EQ(t[0].colour, 0);
    EXPECT_EQ(t[1].text, "力");
    const struct {
        const char* text;
        float x;
    } echo[] = {{"１", 1056}, {"．", 1068}, {"５", 1072}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[2 + i].text, echo[i].text);
        EXPECT_EQ(t[2 + i].x1, echo[i].x);
        EXPECT_EQ(t[2 + i].y1, 648);
        EXPECT_EQ(t[2 + i].colour, 5);
    }
    const auto dots = r.OfKind(Op::Dot);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots[0].x1, 1064);
    EXPECT_EQ(dots[0].y1, 656);
    EXPECT_EQ(dots[0].r, 4);
    EXPECT_EQ(dots[0].colour, 5);
    EXPECT_EQ(dots.back().colour, 15);
    EXPECT_EQ(dots.back().x1, 1096);  // erased where it stood after "1.5"
    const Op& last = r.p.Log().back();
    EXPECT_EQ(last.kind, Op::FillBox);
    EXPECT_EQ(last.x1, 1008);
    EXPECT_EQ(last.y1, 640);
    EXPECT_EQ(last.x2, 1248);
    EXPECT_EQ(last.y2, 670);
    EXPECT_EQ(last.colour, 15);
    EXPECT_EQ(last.fill, 15);
    // What the entry leaves behind.
    EXPECT_EQ(r.s.X1, 500);
    EXPECT_EQ(r.s.Y1, 600);
    EXPECT_EQ(r.s.CCC1, 5);
    EXPECT_EQ(r.s.X, 1072);
    EXPECT_EQ(r.s.XX, 1088);
    EXPECT_EQ(r.s.AA_s, "");
}

TEST(NumberEntry, EchoShowsMappedGlyphs) {
    test::MenuRig r;
    Read(r, "3/4\n");
    const auto t = r.Texts();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[2].text, "３");
    EXPECT_EQ(t[3].text, "÷");
    EXPECT_EQ(t[4].text, "４");
    EXPECT_EQ(t[4].x1, 1056 + 32);
}

TEST(NumberEntry, ClearingEmptiesTheFieldBox) {
    test::MenuRig r;
    Read(r, "123{BS}4\n");
    bool cleared = false;
    for (const auto& op : r.p.Log())
        if (op.kind == Op::FillBox && op.x1 == 1056 && op.y1 == 640 && op.x2 == 1248 &&
            op.y2 == 670)
            cleared = true;
    EXPECT_TRUE(cleared);
    EXPECT_EQ(r.Texts().back().text, "４");
    EXPECT_EQ(r.Texts().back().x1, 1056);
    // A key was echoed before the clearing: the colour stays 5.
    EXPECT_EQ(r.s.CCC1, 5);
}

TEST(NumberEntry, NothingEchoedLeavesColourZeroAndPenAfterLabel) {
    test::MenuRig r;
    Read(r, "ab\n");
    EXPECT_EQ(r.s.CCC1, 0);
    EXPECT_EQ(r.s.X, 1040);
    EXPECT_EQ(r.s.Y, 648);
}

// Key polls that find nothing a number of times before each key, as a
// waiting window does.
class IdlePlatform : public Platform {
public:
    IdlePlatform(int idle) : Platform(0, 0, true), idle_(idle) {}
    std::string Inkey() override {
        if (left_ > 0) {
            --left_;
            ++empty_polls;
            return "";
        }
        left_ = idle_;
        return Platform::Inkey();
    }
    int empty_polls = 0;

private:
    int idle_;
    int left_ = 0;
};

TEST(NumberEntry, WaitingDrawsNothingBetweenKeys) {
    IdlePlatform p(200);
    State s(p, ProgramId::C, SharedBinding());
    s.KAIX = 1056, s.KAIY = 648;
    p.PushKeys(ParseKeys("1x2\n"));
    ReadNumberField(s);
    EXPECT_EQ(s.AINP_s, "12");
    EXPECT_GE(p.empty_polls, 600);
    size_t dots = 0;
    for (const auto& op : p.Log())
        if (op.kind == Op::Dot) ++dots;
    // Drawn and erased around each echo and at the end, not per poll.
    EXPECT_LE(dots, 6u);
}

TEST(AskMenuNumber, QuestionFieldAndErase) {
    test::MenuRig r;
    r.Keys("2\n");
    AskMenuNumber(r.s);
    EXPECT_EQ(r.s.AINP, 2);
    const auto t = r.Texts();
    EXPECT_EQ(t[0].text, "番");
    EXPECT_EQ(t[0].x1, 816);
    EXPECT_EQ(t[0].y1, 648);
    EXPECT_EQ(t[0].colour, 0);
    EXPECT_EQ(t[10].text, "。");
    EXPECT_EQ(t[10].x1, 816 + 160);
    EXPECT_EQ(t[11].text, "入");
    EXPECT_EQ(t[11].x1, 1008);
    r.p.ClearLog();
    EraseMenuPrompt(r.s);
    ASSERT_EQ(r.p.Log().size(), 1u);
    const Op& e = r.p.Log()[0];
    EXPECT_EQ(e.kind, Op::FillBox);
    EXPECT_EQ(e.x1, 816);
    EXPECT_EQ(e.y1, 640);
    EXPECT_EQ(e.x2, 1872);
    EXPECT_EQ(e.y2, 690);
    EXPECT_EQ(e.fill, 15);
}

}  // namespace
}  // namespace vm
