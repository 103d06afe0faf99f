// Velmaris-A's theorem lesson run from the main menu, scene by scene, and
// its drill over every start-up seed.
#include "lessons/theorem/theorem_lesson.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "programs/common/programs.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {1, 10,
         {{kAt, "直角三角形ABCで", 36, 30, 3},
          {kAt, "∠C=90°ならば a^2+b^2=c^2", 36, 80, 3},
          {kAt, "A", 1117, 235, 5, kAnyKey, 2},
          {kAt, "B", 882, 425, 5},
          {kAt, "c^2", 929.5f, 237.5f, 13},
          {kAt, "<証明しよう>", 72, 130, 0},
          {kAt, "c^2=", 72, 210, 0},
          {kAt, "  =", 72, 310, 0},
          {kAt, "  =", 72, 410, 0},
          {kAt, "別な証明を考えよう。", 44, 590, 7}}},
        {2, 7,
         {{kAt, "直角三角形ABEで", 36, 30, 3},
          {kAt, "∠E=90°ならば a^2+b^2=c^2", 36, 80, 3},
          {kAt, "<証明しよう>", 72, 130, 0},
          {kAt, "c^2=", 72, 210, 0},
          {kAt, "  =", 72, 310, 0},
          {kAt, "  =", 72, 410, 0},
          {kAt, "a^2+b^2", 168 + (180 - PenAfter("a^2+b^2", 0)) / 2, 410, 5}}},
        {3, 0,
         {{kAt, "<三平方の定理>", 108, 30, 3},
          {kAt, "直角三角形の直角をはさむ2辺の長さをa,b,", 72, 80, 0},
          {kAt, "斜辺の長さをcとすると、 ", 72, 130, 0},
          {kAt, " a^2+b^2=c^2", 72, 180, 3},
          {kAfter, "   が成り立つ。", 0, 180, 0},
          {kAt, "∠C=90°ならば a^2+b^2=c^2", 504, 330, 5}}},
        {.item = 4,
         .waits = 12,
         .lines = {{kAt, "問　xの値を求めなさい。", 72, 30, 0},
                    {kAt, "(1)", 72, 90, 0},
                    {kAt, "(2)", 725, 90, 0},
                    {kAt, "(3)", 72, 90, 0},
                    {kAt, "(4)", 725, 90, 0},
                    {kAt, "x>0 だから ", 750, 470, 0, kAnyKey, 2},
                    {kAt, "x=", 750, 530, 0, kAnyKey, 2},
                    {kAt, "教科書P189 問1　をしなさい。", 44, 590, 7}},
         .keys = AnyKeys(3) + "1\n" + AnyKeys(3) + "1\n" + AnyKeys(3) + "1\n" + AnyKeys(3) + "1\n",
         .gates = 4},
        {5, 6,
         {{kAt, "教科書P189 問1 解答", 36, 30, 3},
          {kAt, "(1) ", 36, 90, 0},
          {kAt, "x=8", 144, 90, 5},
          {kAt, "17^2=x^2+15^2", 36, 150, 0},
          {kAt, "x^2=17^2-15^2", 36, 210, 0},
          {kAt, "  =(17+15)*(17-15)", 36, 270, 0},
          {kAt, "  =32*2=64", 36, 330, 0},
          {kAt, "x>0 だから x=!64ﾝ=8", 36, 390, 0},
          {kAt, "(2) ", 36, 450, 0},
          {kAt, "x=5!2ﾝ", 144, 450, 5},
          {kAt, "x^2=5^2+5^2", 36, 510, 0},
          {kAt, "  =25+25", 36, 560, 0},
          {kAt, "  =50", 36, 610, 0},
          {kAt, "x>0 だから x=!50ﾝ=5!2ﾝ", 648, 30, 0},
          {kAt, "(3) ", 648, 90, 0},
          {kAt, "x=!21ﾝ", 756, 90, 5},
          {kAt, "5^2=x^2+2^2", 648, 150, 0},
          {kAt, "x^2=5^2-2^2", 648, 210, 0},
          {kAt, "  =25-4", 648, 270, 0},
          {kAt, "  =21", 648, 330, 0},
          {kAt, "x>0 だから x=!21ﾝ", 648, 390, 0}}},
    };
    return scenes;
}

class TheoremScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(TheoremScene, DrawsItsPageFromTheMenu) { CheckScene(ProgramA(), 2, GetParam()); }

INSTANTIATE_TEST_SUITE_P(TheoremLesson, TheoremScene, ::testing::ValuesIn(Scenes()), SceneName);

TEST(TheoremProofs, BoxesAreFilledOnTheirPlaceholdersWithinLargeBrackets) {
    const struct {
        const char* scene;
        int waits;
        std::vector<std::string> answers;
    } proofs[] = {
        {"1", 10, {"a+b", "ﾀ1/2ﾀab", "a^2+2ab+b^2-2ab", "a^2+b^2"}},
        {"2", 7, {"a-b", "ﾀ1/2ﾀab", "a^2-2ab+b^2+2ab", "a^2+b^2"}},
    };
    const float boxes[4][4] = {
        {192, 207, 336, 257}, {482, 192, 626, 272}, {168, 307, 564, 357}, {168, 407, 348, 457}};
    const char* const circled[] = {"①", "②", "③", "④"};
    for (const auto& proof : proofs) {
        SCOPED_TRACE(proof.scene);
        const Ended e = RunKeys(ProgramA(),
                                std::string("2\n") + proof.scene + "\n" + AnyKeys(proof.waits) + "6\n6\n");
        const auto visit = SceneOps(e.log, 0);
        const auto found = Find(visit, IsAnswerBox);
        ASSERT_EQ(found.size(), 8u);
        ExpectRefills(visit, found, proof.answers);
        for (size_t k = 0; k < 4; ++k) {
            const Op& empty = visit[found[k]];
            EXPECT_TRUE(IsFilledBox(empty, boxes[k][0], boxes[k][1], boxes[k][2], boxes[k][3], 13))
                << "box " << k + 1 << " at " << empty.x1 << ", " << empty.y1 << "-" << empty.x2
                << ", " << empty.y2;
            // The placeholder in the empty box.
            const size_t to = k < 3 ? found[k + 1] : found[4];
            EXPECT_NE(FindText(visit, circled[k], found[k], to), kNone);
            // Each refill comes after a key of its own.
            EXPECT_EQ(CountStepWaits(visit, found[k + 3], found[k + 4]), 1u);
        }
        // One setting makes both brackets large: "(" at the line's y - 6, and
        // the ")" after box 1.
        size_t large_open = 0, large_close = 0, small = 0;
        for (const Op& op : visit) {
            if (op.kind != Op::Text || (op.text != "(" && op.text != ")")) continue;
            if (op.mv == 4 && op.y1 == 204) (op.text == "(" ? large_open : large_close)++;
            else ++small;
        }
        EXPECT_EQ(large_open, 1u);
        EXPECT_EQ(large_close, 1u);
        EXPECT_EQ(small, 0u);
    }
}

TEST(TheoremProofs, SquaresCarryNoBackgroundMarksAndCornerTrianglesTheirLegs) {
    const Ended e = RunKeys(ProgramA(), "2\n1\n" + AnyKeys(10) + "6\n6\n");
    const auto visit = SceneOps(e.log, 0);
    for (const Op& op : visit) {
        if (op.kind == Op::Dot || op.kind == Op::Text) {
            EXPECT_NE(op.colour, 15) << op.text;
        }
    }
    // The legs a and b of triangle ABC and of the three corner triangles.
    int a = 0, b = 0;
    for (const Op& op : visit) {
        if (op.kind != Op::Text || op.colour != 0) continue;
        a += op.text == "a";
        b += op.text == "b";
    }
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 4);
    // The squares on BC (fill 8), CA (8) and AB (12).
    EXPECT_EQ(Count(visit, [](const Op& op) { return IsFilledBox(op, 927, 415, 1107, 595, 8); }),
              1u);
    EXPECT_EQ(Count(visit, [](const Op& op) { return IsFilledBox(op, 1107, 280, 1242, 415, 8); }),
              1u);
    EXPECT_EQ(Count(visit, [](const Op& op) { return op.kind == Op::FillPolygon && op.fill == 12; }),
              1u);
}

TEST(TheoremProofs, PenWidthsOfTheCornerArcsAndAtTheEnd) {
    const struct {
        Routine scene;
        int waits;
        int width;
    } scenes[] = {{ShowTheoremProof, 10, 3}, {ShowAlternativeProof, 7, 5},
                  {ShowTheoremStatementScene, 0, 5}};
    for (const auto& sc : scenes) {
        Rig r;
        r.AnyKeys(sc.waits);
        ASSERT_TRUE(r.Run(sc.scene));
        EXPECT_EQ(r.Unread(), 0u);
        EXPECT_EQ(r.p.GetDrawWidth(), sc.width);
    }
    // The legs of the corner triangles are dotted at width 3, those of ABC at 5.
    Rig r;
    r.AnyKeys(10);
    ASSERT_TRUE(r.Run(ShowTheoremProof));
    const auto waits = Find(r.Log(), IsStepWait);
    ASSERT_EQ(waits.size(), 10u);
    size_t corner = 0;
    for (size_t i = 0; i < r.Log().size(); ++i) {
        const Op& op = r.Log()[i];
        if (op.kind != Op::Dot) continue;
        if (i < waits[0]) {
            EXPECT_EQ(op.width, 5);
        }
        if (i > waits[2] && i < waits[3]) {
            EXPECT_EQ(op.width, 3);
            ++corner;
        }
    }
    EXPECT_GT(corner, 0u);
}

TEST(TheoremPractice, NoRepeatRule) {
    for (float k = 1; k <= 5; ++k) {
        EXPECT_EQ(TheoremCase(k, 0), k);
        EXPECT_EQ(TheoremCase(k, 7), k);
    }
    EXPECT_EQ(TheoremCase(3, 3), 1);
    EXPECT_EQ(TheoremCase(5, 5), 1);
    EXPECT_EQ(TheoremCase(1, 1), 2);
    EXPECT_EQ(TheoremCase(2, 3), 2);
}

TEST(TheoremPractice, RootAnswers) {
    const struct {
        float square;
        const char* markup;
    } cases[] = {{9, "!9ﾝ=3ﾝ"},   {11, "!11ﾝ"}, {25, "!25ﾝ=5ﾝ"},
                 {29, "!29ﾝ"},    {32, "!32ﾝ=4!2ﾝ"}, {41, "!41ﾝ"},
                 {45, "!45ﾝ=3!5ﾝ"}};
    for (const auto& c : cases) {
        Rig r;
        r.s.F_a(6) = c.square;
        EXPECT_EQ(TheoremRootAnswer(r.s), c.markup) << c.square;
    }
}

// Problem (1) passes: the left box cleared with problem (1) or (3) showing.
bool IsLeftClear(const Op& op) { return IsFilledBox(op, 0, 80, 700, 1880, 15); }
bool IsRightClear(const Op& op) { return IsFilledBox(op, 650, 80, 1350, 1880, 15); }

TEST(TheoremPractice, OnlyExactlyOneAtTheGateGoesOn) {
    const struct {
        const char* entry;
        size_t passes;
    } cases[] = {{"1", 1},   {"2/2", 1}, {"1.0", 1}, {"a1", 1},  {"1/0", 2}, {"", 2},
                 {"2", 2},   {"0", 2},   {"0.5", 2}, {"11", 2},  {"-1", 2},  {"/", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        Rig r;
        // Step keys of any kind: one key each.
        r.Keys("1\n2" + std::string(c.entry) + "\n");
        if (c.passes == 2) r.Keys(AnyKeys(3) + "1\n");
        for (int p = 0; p < 3; ++p) r.Keys(AnyKeys(3) + "1\n");
        EXPECT_TRUE(r.Run(RunTheoremPractice));
        EXPECT_EQ(r.Unread(), 0u);
        // The passes of (1), then one of (3); one each of (2) and (4).
        EXPECT_EQ(Count(r.Log(), IsLeftClear), c.passes + 1);
        EXPECT_EQ(Count(r.Log(), IsRightClear), 2u);
        EXPECT_EQ(CountStepWaits(r.Log()), 3 * c.passes + 9);
    }
}

// The markup of the root of n and its simplified form, worked out here.
std::string ExpectedRoot(int n) {
    const std::string root = "!" + std::to_string(n) + "ﾝ";
    return RootMarkup(n) == root ? root : root + "=" + RootMarkup(n);
}

TEST(TheoremPractice, EverySeedDrawsSoundProblems) {
    const std::set<std::vector<float>> triples = {
        {3, 4, 5}, {6, 8, 10}, {9, 12, 15}, {5, 12, 13}, {10, 24, 26}};
    const int repeats = 4;  // passes a problem each visit, the last one ended by 1
    std::set<float> cases_seen;
    for (int seed = 0; seed <= 141; ++seed) {
        SCOPED_TRACE(seed);
        Rig r(ProgramA(), false, TimeForSeed(seed));
        ASSERT_EQ(r.s.FMAESU, 0);
        float previous = 0;
        int problem = 0, pass = 0;
        r.p.before_key = [&](size_t index) {
            if (index % 5 != 3) return;  // three step keys, then the gate's entry
            State& s = r.s;
            const std::string drawn = AnswerBeforeGate(r.Log());
            if (problem % 2 == 0) {
                // (1) and (3): a scaled triple, its case kept.
                EXPECT_TRUE(triples.count({s.T_a(1), s.T_a(2), s.T_a(3)}))
                    << s.T_a(1) << " " << s.T_a(2) << " " << s.T_a(3);
                EXPECT_NE(s.FMAESU, previous);
                EXPECT_GE(s.FMAESU, 1);
                EXPECT_LE(s.FMAESU, 5);
                cases_seen.insert(s.FMAESU);
                previous = s.FMAESU;
                const float x = problem == 0 ? s.T_a(3) : s.T_a(1);
                EXPECT_EQ(drawn, Glyphs(NumText(x)));
            } else if (problem == 1) {
                const float a = s.F_a(1), b = s.F_a(2);
                EXPECT_TRUE(a >= 2 && a <= 5 && b >= 4 && b <= 7 && a <= b) << a << " " << b;
                EXPECT_FALSE(a == 2 && b == 7);
                EXPECT_EQ(s.F_a(6), a * a + b * b);
                EXPECT_EQ(drawn, Glyphs(ExpectedRoot(static_cast<int>(a * a + b * b))));
            } else {
                const float c = s.F_a(3), b = s.F_a(2);
                EXPECT_TRUE(c >= 5 && c <= 9 && c - b >= 1 && c - b <= 3) << c << " " << b;
                EXPECT_EQ(s.F_a(6), c * c - b * b);
                EXPECT_EQ(drawn, Glyphs(ExpectedRoot(static_cast<int>(c * c - b * b))));
            }
            if (++pass == repeats) pass = 0, problem = (problem + 1) % 4;
        };
        for (int visit = 0; visit < 2; ++visit) {
            for (int p = 0; p < 4; ++p) {
                for (int k = 1; k < repeats; ++k) r.Keys(AnyKeys(3) + "2\n");
                r.Keys(AnyKeys(3) + "1\n");
            }
            ASSERT_TRUE(r.Run(RunTheoremPractice));
        }
        EXPECT_EQ(r.Unread(), 0u);
        EXPECT_FALSE(ShowsError(r.Log()));
    }
    EXPECT_EQ(cases_seen.size(), 5u);
}

}  // namespace
}  // namespace vm::test
