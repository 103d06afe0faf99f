// Velmaris-A's converse lesson and basic-problem pages run from the main
// menu, and the converse drills' triangles over many seeds.
#include "lessons/theorem/converse_lesson.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/theorem/steps.h"
#include "lessons/theorem/theorem_lesson.h"
#include "programs/common/programs.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

float After(const char* text, float x) { return PenAfter(text, x); }

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {.item = 1,
         .waits = 3,
         .lines = {{kAt, "問　△ABCと△DEFは合同ですか。", 72, 30, 0},
                    {kAt, "DE>0 だから DE=", 72, 520, 0}},
         .keys = "{Any}1\\n{Any}{Any}",
         .gates = 1,
         // The length it ends with is drawn at random.
         .ends_with_last_line = false},
        {2, 0,
         {{kAt, "<三平方の定理の逆>", 108, 30, 3},
          {kAt, "三角形の3辺の長さa,b,cの間に、", 72, 80, 0},
          {kAt, " a^2+b^2=c^2", 72, 130, 3},
          {kAt, "という関係が成り立てば、その三角形は", 72, 180, 0},
          {kAt, "長さcの辺を斜辺とする直角三角形である。 ", 72, 230, 0},
          {kAt, "a^2+b^2=c^2 ならば ∠C=90°", 504, 380, 5}}},
        {3, 7,
         {{kAt, "a^2+b^2=c^2 ならば ∠C=90°", 36, 30, 3},
          {kAt, "     <証明>", 72, 80, 0},
          {kAt, "DE=x とすると、三平方の定理から", 72, 130, 0},
          {kAt, "x^2=", 72, 190, 0},
          {kAt, "仮定から a^2+b^2=c^2 だから、x^2=", 72, 250, 0},
          {kAt, "x>0,c>0だから、x=", 72, 310, 0},
          {kAt, "がそれぞれ等しいので", 272, 370, 0},
          {kAt, "△ABC≡△DEF", 72, 430, 0},
          {kAt, "したがって、∠C=", 72, 490, 0},
          {kAt, "∠F=90°", 379 + (180 - PenAfter("∠F=90°", 0)) / 2, 490, 5}}},
        {.item = 4,
         .waits = 5,
         .lines = {{kAt, "問　△ABCは直角三角形ですか。", 72, 30, 0},
                    {kAt, "教科書P191 問1　をしなさい。", 44, 590, 7}},
         .keys = AnyKeys(5) + "1\\n",
         .gates = 1},
        // The heading, the answer and the first letter come before the
        // first key.
        {5, 4,
         {{kAt, "教科書P191 問1 解答  ", 66, 20, 3, 0},
          {kAt, "イ,ウ,エ", After("教科書P191 問1 解答  ", 66), 20, 5, 0},
          {kAt, "ア", 30, 70, 7, 0},
          {kAt, " 2^2+3^2", After("ア", 30), 70, 0, 1},
          {kAt, "=4+9=13", 66, 130, 0},
          {kAt, "4^2=16", 66, 190, 0},
          {kAt, "だから ", 66, 250, 0},
          {kAt, "2^2+3^2≠4^2", After("だから ", 66), 250, 3},
          {kAt, "イ", 30, 310, 7},
          {kAt, " 8^2+15^2", After("イ", 30), 310, 0},
          {kAt, "=64+225=289", 66, 370, 0},
          {kAt, "17^2=289", 66, 430, 0},
          {kAt, "8^2+15^2=17^2", After("だから ", 66), 490, 3},
          {kAt, "ウ", 600, 80, 7},
          {kAt, " 7^2+24^2", After("ウ", 600), 80, 0},
          {kAt, "=49+576=625", 636, 140, 0},
          {kAt, "25^2=625", 636, 200, 0},
          {kAt, "7^2+24^2=25^2", After("だから ", 636), 260, 3},
          {kAt, "エ", 600, 320, 7},
          {kAt, " (!7ﾝ)^2+(!11ﾝ)^2", After("エ", 600), 320, 0},
          {kAt, "=7+11=18", 636, 380, 0},
          {kAt, "(3!2ﾝ)^2=9*2=18", 636, 440, 0},
          {kAt, "だから ", 636, 500, 0},
          {kAt, "(!7ﾝ)^2+(!11ﾝ)^2=(3!2ﾝ)^2", 636, 560, 3}}},
    };
    return scenes;
}

// The tags of the pages: the title on 13 framed in 3, the number on 3
// framed in 4.
const std::vector<Box> kTagBoxes = {{0, 72, 27, 556, 77, 3, 13}, {0, 600, 27, 640, 77, 4, 3}};

const std::vector<SceneCase>& Pages() {
    static const std::vector<SceneCase> pages = {
        {1, 0,
         {{kAt, "P192(三平方 基本の問題)", 72 + (484 - PenAfter("P192(三平方 基本の問題)", 0)) / 2, 30, 0},
          {kAt, "1", 600 + (40 - PenAfter("1", 0)) / 2, 30, 13},
          {kAt, "(1)", 38, 100, 3},
          {kAt, "x^2=6^2+3^2=36+9=45", After("(1)", 38), 100, 0},
          {kAt, "x>0だから x=!45ﾝ=", 114, 160, 0},
          {kAt, "3!5ﾝ", After("x>0だから x=!45ﾝ=", 114), 160, 5},
          {kAt, "(2)", 38, 230, 3},
          {kAt, "x^2=3^2-2^2=9-4=5", After("(2)", 38), 230, 0},
          {kAt, "!5ﾝ", After("x>0だから x=", 114), 290, 5},
          {kAt, "(3)", 38, 360, 3},
          {kAt, "x^2=(!5ﾝ)^2+(!3ﾝ)^2=5+3=8", After("(3)", 38), 360, 0},
          {kAt, "2!2ﾝ", After("x>0だから x=!8ﾝ=", 114), 420, 5},
          {kAt, "(4)", 38, 490, 3},
          {kAt, "x>0だから x=!48ﾝ=", 114, 550, 0},
          {kAfter, "4!3ﾝ", 0, 550, 5}},
         kTagBoxes},
        {2, 0,
         {{kAt, "2", 600 + (40 - PenAfter("2", 0)) / 2, 30, 13},
          {kAt, "ア ", 38, 100, 3},
          {kAt, "5^2+7^2=25+49=74", After("ア ", 38), 100, 0},
          {kAt, "9^2=81 だから ", 114, 160, 0},
          {kAt, "直角三角形ではない", After("9^2=81 だから ", 114), 160, 5},
          {kAt, "イ ", 38, 230, 3},
          {kAt, "(!2ﾝ)^2+(!3ﾝ)^2=2+3=5", After("イ ", 38), 230, 0},
          {kAt, "直角三角形である", After("(!5ﾝ)^2=5 だから ", 114), 290, 5},
          {kAt, "ウ ", 38, 360, 3},
          {kAt, "0.6^2+0.8^2=0.36+0.64=1", After("ウ ", 38), 360, 0},
          {kAt, "1^2=1 だから ", 114, 420, 0},
          {kAt, "エ ", 38, 490, 3},
          {kAt, "1^2+(!3ﾝ)^2=1+3=4", After("エ ", 38), 490, 0},
          {kAt, "2^2=4 だから ", 114, 550, 0},
          {kAfter, "直角三角形である", 0, 550, 5}},
         kTagBoxes},
    };
    return pages;
}

class ConverseScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(ConverseScene, DrawsItsPageFromTheMenu) { CheckScene(ProgramA(), 3, GetParam()); }

INSTANTIATE_TEST_SUITE_P(ConverseLesson, ConverseScene, ::testing::ValuesIn(Scenes()), SceneName);

class BasicProblemsPage : public ::testing::TestWithParam<SceneCase> {};

TEST_P(BasicProblemsPage, DrawsItsPageFromTheMenu) { CheckScene(ProgramA(), 4, GetParam()); }

INSTANTIATE_TEST_SUITE_P(BasicProblems, BasicProblemsPage, ::testing::ValuesIn(Pages()), SceneName);

TEST(ConverseProof, RefilledBoxesCoverTheirEmptyOnes) {
    const Ended e = RunKeys(ProgramA(), "3\n3\n" + AnyKeys(7) + "6\n6\n");
    const auto visit = SceneOps(e.log, 0);
    const auto boxes = Find(visit, IsAnswerBox);
    ASSERT_EQ(boxes.size(), 10u);
    const float widths[] = {180, 108, 72, 180, 180};
    const float lines[] = {190, 250, 310, 370, 490};
    ExpectRefills(visit, boxes, {"a^2+b^2", "c^2", "c", "3組の辺", "∠F=90°"});
    const auto waits = Find(visit, IsStepWait);
    ASSERT_EQ(waits.size(), 7u);
    for (size_t k = 0; k < 5; ++k) {
        const Op& empty = visit[boxes[k]];
        EXPECT_EQ(empty.x2 - empty.x1, widths[k]);
        EXPECT_EQ(empty.y1, lines[k] - 3);
        EXPECT_EQ(empty.y2, lines[k] + 47);
        // All five come up empty in the third step; one is filled per key.
        EXPECT_GT(boxes[k], waits[1]);
        EXPECT_LT(boxes[k], waits[2]);
        EXPECT_GT(boxes[k + 5], waits[k + 2]);
    }
    EXPECT_EQ(visit[boxes[3]].x1, 82);
    // The arc of DE, dots in 7, comes with the proof lines only.
    const auto sevens = Find(visit, [](const Op& op) { return op.kind == Op::Dot && op.colour == 7; });
    ASSERT_FALSE(sevens.empty());
    EXPECT_GT(sevens.front(), waits[1]);
    EXPECT_LT(sevens.back(), waits[2]);
}

TEST(ConverseDrills, RepeatRule) {
    // The remembered case, the raw draws, the cases they give.
    const struct {
        float remembered;
        std::vector<float> draws, cases;
        float left;
    } cases[] = {
        {0, {5}, {5}, 5},        {3, {3, 4}, {4, 4}, 4},  {9, {9}, {10}, 9},
        {2, {2, 2}, {3, 3}, 2},  {1, {2, 1}, {2, 1}, 1},  {4, {3, 3}, {3, 4}, 3},
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.FMAESU = c.remembered;
        for (size_t i = 0; i < c.draws.size(); ++i)
            EXPECT_EQ(ConverseCase(r.s, c.draws[i]), c.cases[i]) << c.remembered << " draw " << i;
        EXPECT_EQ(r.s.FMAESU, c.left);
    }
}

TEST(ConverseDrills, RootMarkup) {
    const struct {
        float square;
        const char* markup;
    } cases[] = {{11, "!11ﾝ"}, {25, "5ﾝ"},   {29, "!29ﾝ"},  {36, "6ﾝ"},
                 {45, "3!5ﾝ"},  {52, "2!13ﾝ"}, {53, "!53ﾝ"}, {294, "7!6ﾝ"}};
    for (const auto& c : cases) {
        Rig r;
        r.s.F_a(6) = c.square;
        theorem::SimplifyInto(r.s, 6, 7, 8);
        FormatNumberTables(r.s);
        EXPECT_EQ(ConverseRoot(r.s, 6, 7, 8), c.markup) << c.square;
    }
}

// The case a draw gave, from the offset and the verdict it left.
bool ShowsCase(State& s, float k) {
    const float d[] = {0, 1, 2, -1, -2};
    if (k >= 5) return s.T_a(1) == 0 && s.T_a(2) == 1;
    return s.T_a(1) == d[static_cast<int>(k)] && s.T_a(2) == 0;
}

// One drawn problem against the rules: sides, offset, texts, and the case
// against the remembered one before it.
void CheckProblem(State& s, float before) {
    const float a = s.F_a(1), b = s.F_a(2);
    EXPECT_TRUE(b >= 2 && b <= 6 && a >= 3 && a <= 16) << a << " " << b;
    EXPECT_TRUE(3 * a >= 4 * b && 10 * a <= 28 * b) << a << " " << b;
    const float d = s.F_a(6) - (a * a + b * b);
    EXPECT_TRUE(d >= -2 && d <= 2 && d == s.T_a(1)) << d;
    EXPECT_EQ(s.T_a(2) == 1, d == 0);
    EXPECT_EQ(s.F_a(16), a * a + b * b);
    EXPECT_EQ(s.F_sa(3), RootMarkup(static_cast<int>(s.F_a(6))));
    EXPECT_EQ(s.F_sa(13), RootMarkup(static_cast<int>(s.F_a(16))));
    // A new case is kept; a repeated one is raised and the old one kept.
    if (s.FMAESU != before) {
        EXPECT_TRUE(s.FMAESU >= 1 && s.FMAESU <= 9);
        EXPECT_TRUE(ShowsCase(s, s.FMAESU)) << s.FMAESU;
    } else {
        EXPECT_TRUE(ShowsCase(s, before + 1)) << before;
    }
}

TEST(ConverseDrills, EverySeedDrawsSoundTriangles) {
    std::set<std::pair<float, float>> pairs;
    std::set<float> offsets;
    for (int seed = 0; seed <= 141; ++seed) {
        SCOPED_TRACE(seed);
        Rig r(ProgramA(), false, TimeForSeed(seed));
        for (int i = 0; i < 60; ++i) {
            const float before = r.s.FMAESU;
            ChooseConverseProblem(r.s);
            CheckProblem(r.s, before);
            pairs.insert({r.s.F_a(1), r.s.F_a(2)});
            offsets.insert(r.s.T_a(1));
        }
    }
    EXPECT_EQ(pairs.size(), 30u);
    EXPECT_EQ(offsets, (std::set<float>{-2, -1, 0, 1, 2}));
}

TEST(ConverseDrills, CongruenceTaskOverClockTimes) {
    for (int seed = 0; seed <= 141; seed += 7) {
        SCOPED_TRACE(seed);
        Rig r(ProgramA(), false, TimeForSeed(seed));
        float before = 0;
        size_t gates = 0;
        r.p.before_key = [&](size_t) {
            // The first key at each new gate: the pair it asks about.
            if (Count(r.Log(), IsNextStepGate) == gates) return;
            ++gates;
            State& s = r.s;
            CheckProblem(s, before);
            before = s.FMAESU;
            const bool congruent = s.F_a(6) == s.F_a(16);
            EXPECT_EQ(AnswerBeforeGate(r.Log()), Glyphs(congruent ? "合同である" : "合同ではない"));
        };
        for (int k = 0; k < 4; ++k) r.Keys("{Any}2\n");
        r.Keys("{Any}1\n{Any}{Any}");
        ASSERT_TRUE(r.Run(RunCongruenceTask));
        EXPECT_EQ(r.Unread(), 0u);
        EXPECT_EQ(gates, 5u);
        State& s = r.s;
        const std::string a = s.F_sa(1), b = s.F_sa(2);
        const auto& log = r.Log();
        EXPECT_EQ(Count(log, [](const Op& op) { return IsFilledBox(op, 0, 80, 2250, 1880, 15); }), 5u);
        EXPECT_EQ(CountMarkup(log, "DE^2=" + a + "^2+" + b + "^2", 72, 400, 0), 1);
        EXPECT_EQ(CountMarkup(log, "  =" + s.F_sa(4) + "+" + s.F_sa(5) + "=" + s.F_sa(16), 72, 460, 0), 1);
        EXPECT_EQ(CountMarkup(log, RootMarkup(static_cast<int>(s.F_a(16))),
                              PenAfter("DE>0 だから DE=", 72), 520, 5),
                  1);
    }
}

TEST(ConverseDrills, PracticeOverClockTimes) {
    for (int seed = 0; seed <= 141; seed += 7) {
        SCOPED_TRACE(seed);
        Rig r(ProgramA(), false, TimeForSeed(seed));
        float before = 0;
        size_t gates = 0;
        r.p.before_key = [&](size_t) {
            if (Count(r.Log(), IsNextStepGate) == gates) return;
            ++gates;
            State& s = r.s;
            CheckProblem(s, before);
            before = s.FMAESU;
            const auto pass = SinceLastClear(r.Log());
            const bool right = s.F_a(6) == s.F_a(16);
            const std::string a = s.F_sa(1), b = s.F_sa(2), c = s.F_sa(3);
            EXPECT_EQ(CountMarkup(pass, "問　△ABCは直角三角形ですか。", 72, 30, 0), 1);
            EXPECT_EQ(CountMarkup(pass, right ? "直角三角形である" : "直角三角形ではない", 684, 90, 5), 1);
            const std::string sum = " " + a + "^2+" + b + "^2";
            EXPECT_EQ(CountMarkup(pass, sum, 684, 150, 0), 1);
            const std::string squares = "=" + s.F_sa(4) + "+" + s.F_sa(5) + "=";
            EXPECT_EQ(CountMarkup(pass, squares, 684, 210, 0), 1);
            EXPECT_EQ(CountMarkup(pass, s.F_sa(16), PenAfter(squares, 684), 210, 5), 1);
            const std::string ab = "(" + c + ")^2=";
            EXPECT_EQ(CountMarkup(pass, ab, 684, 270, 0), 1);
            EXPECT_EQ(CountMarkup(pass, s.F_sa(6), PenAfter(ab, 684), 270, 5), 1);
            const std::string left = a + "^2+" + b + "^2";
            const std::string sign = right ? "=" : "≠";
            EXPECT_EQ(CountMarkup(pass, left, 684, 330, 0), 1);
            EXPECT_EQ(CountMarkup(pass, sign, PenAfter(left, 684), 330, 0), 1);
            EXPECT_EQ(CountMarkup(pass, "(" + c + ")^2", PenAfter(left + sign, 684), 330, 0), 1);
        };
        for (int k = 0; k < 4; ++k) r.Keys(AnyKeys(5) + "0\n");
        r.Keys(AnyKeys(5) + "1\n");
        ASSERT_TRUE(r.Run(RunConversePractice));
        EXPECT_EQ(r.Unread(), 0u);
        EXPECT_EQ(gates, 5u);
        EXPECT_EQ(CountClears(r.Log()), 5u);
        EXPECT_EQ(CountMarkup(r.Log(), "教科書P191 問1　をしなさい。", 44, 590, 7), 1);
    }
}

TEST(ConverseDrills, OnlyExactlyOneAtTheGateGoesOn) {
    const struct {
        const char* entry;
        size_t problems;
    } cases[] = {{"1", 1},   {"2/2", 1}, {"3/3", 1},          {"1/0", 2},
                 {"", 2},    {"0.5", 2}, {"1234567890\n", 2}, {"11", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        {
            Rig r;
            r.Keys("1" + std::string(c.entry) + "\n");
            if (c.problems == 2) r.Keys("{Any}1\n");
            r.Keys("{Any}{Any}");
            EXPECT_TRUE(r.Run(RunCongruenceTask));
            EXPECT_EQ(r.Unread(), 0u);
            EXPECT_EQ(Count(r.Log(), IsNextStepGate), c.problems);
        }
        {
            Rig r;
            r.Keys("1\n2{Left}3" + std::string(c.entry) + "\n");
            if (c.problems == 2) r.Keys(AnyKeys(5) + "1\n");
            EXPECT_TRUE(r.Run(RunConversePractice));
            EXPECT_EQ(r.Unread(), 0u);
            EXPECT_EQ(Count(r.Log(), IsNextStepGate), c.problems);
            EXPECT_EQ(CountClears(r.Log()), c.problems);
        }
    }
}

TEST(ConverseDrills, TheDrillsShareTheRememberedCase) {
    // The theorem drill leaves its case; the congruence task compares with
    // it, and the practice with the task's last case.
    Rig r;
    r.Keys(AnyKeys(3) + "1\n");
    for (int p = 0; p < 3; ++p) r.Keys(AnyKeys(3) + "1\n");
    ASSERT_TRUE(r.Run(RunTheoremPractice));
    float before = r.s.FMAESU;
    EXPECT_GE(before, 1);
    r.Keys("{Any}1\n{Any}{Any}");
    ASSERT_TRUE(r.Run(RunCongruenceTask));
    CheckProblem(r.s, before);
    before = r.s.FMAESU;
    r.Keys(AnyKeys(5) + "1\n");
    ASSERT_TRUE(r.Run(RunConversePractice));
    CheckProblem(r.s, before);
}

}  // namespace
}  // namespace vm::test
