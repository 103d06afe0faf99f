#include "lessons/applications2/p205.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

bool IsBelowTagsClear(const Op& op) { return IsFilledBox(op, 0, 90, 1760, 1890, 15); }

// The main menu's item 3 and the lesson's quit item.
SceneRun RunP205(int item, int keys, bool quit = true) {
    return SceneRun(ProgramC(), 3, item, keys, quit);
}

// The tags of the page, before the first key: the title and the scene's
// number, each centred in its box.
std::vector<Line> Tags(int item) {
    const std::string title = "P205(三平方 基本の問題)";
    return {{kAt, title, 72 + (484 - PenAfter(title, 0)) / 2, 30, 0, 0},
            {kAt, std::to_string(item), 600 + (40 - PenAfter(std::to_string(item), 0)) / 2, 30, 13,
             0}};
}
const std::vector<Box> kTagBoxes = {{0, 72, 27, 556, 77, 3, 13}, {0, 600, 27, 640, 77, 4, 3}};

// The lines of a scene after its tags.
std::vector<Line> Page(int item, std::vector<Line> lines) {
    std::vector<Line> all = Tags(item);
    all.insert(all.end(), lines.begin(), lines.end());
    return all;
}

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {1, 21, Page(1, {
             {kAt, "(1)", 38, 100, 0, 0},
             {kAfter, "30%,60%の直角三角形 だから", 0, 100, 3, 1},
             {kAt, "4:x=", 114, 160, 0, 2},
             {kAfter, "2:!3ﾝ", 0, 160, 0, 3},
             {kAt, "2x=4!3ﾝ  ", 114, 220, 0, 4},
             {kAfter, "x=", 0, 220, 0, 4},
             {kAfter, "2!3ﾝ", 0, 220, 5, 4},
             {kAt, "x:y=", 114, 280, 0, 5},
             {kAfter, "1:!3ﾝ", 0, 280, 0, 6},
             {kAt, "2!3ﾝ:y=1:!3ﾝ ", 114, 340, 0, 7},
             {kAt, "y=2!3ﾝ*!3ﾝ=2*3=", 114, 400, 0, 8},
             {kAfter, "6", 0, 400, 5, 8},
             {kAt, "(2)", 38, 100, 0, 10},
             {kAfter, "45%の直角三角形 だから", 0, 100, 3, 11},
             {kAt, "4:x=", 114, 160, 0, 12},
             {kAfter, "!2ﾝ:1", 0, 160, 0, 13},
             {kAt, "!2ﾝx=4 ", 114, 220, 0, 14},
             {kAfter, "x=ﾀ4/!2ﾝﾀ=ﾀ4!2ﾝ/2ﾀ=", 0, 220, 0, 14},
             {kAfter, "2!2ﾝ", 0, 220, 5, 14},
             {kAt, "y=x+zとすると", 114, 300, 3, 15},
             {kAt, "x:z=", 114, 360, 0, 17},
             {kAfter, "!3ﾝ:1", 0, 360, 0, 18},
             {kAt, "2!2ﾝ:z=!3ﾝ:1 ", 114, 420, 0, 19},
             {kAt, "!3ﾝz=2!2ﾝ ", 114, 480, 0, 20},
             {kAt, "z=ﾀ2!2ﾝ/!3ﾝﾀ=ﾀ2!2ﾝ*!3ﾝ/3ﾀ=", 114, 550, 0, 20},
             {kAfter, "ﾀ2!6ﾝ/3ﾀ", 0, 550, 3, 20},
             {kAfter, "y=2!2ﾝ+ﾀ2!6ﾝ/3ﾀ", 90, 550, 5, 21},
         }), kTagBoxes},
        {2, 9, Page(2, {
             {kAt, "(1)対角線の長さは、1辺の!2ﾝ倍 ", 38, 100, 0, 1},
             {kAt, "だから ", 114, 160, 0, 1},
             {kAfter, "10!2ﾝcm", 0, 160, 5, 1},
             {kAt, "(2)正三角形の高さは、1辺のﾀ!3ﾝ/2ﾀ倍 ", 38, 230, 0, 2},
             {kAt, "だから 12*ﾀ!3ﾝ/2ﾀ=", 114, 310, 0, 2},
             {kAfter, "6!3ﾝ(cm)", 0, 310, 5, 2},
             {kAt, "A", 808, 140, 3, 3},
             {kAt, "B", 918, 460, 3, 3},
             {kAt, "(3)", 38, 380, 0, 3},
             {kAfter, "x座標:-1-(-3)=-1+3=2 ", 0, 380, 0, 4},
             {kAt, "y座標:3-(-3)=3+3=6", 114, 440, 0, 5},
             {kAt, "だから !2^2+6^2ﾝ", 114, 500, 0, 6},
             {kAt, "=!4+36ﾝ=!40ﾝ=", 114, 560, 0, 6},
             {kAfter, "2!10ﾝ", 0, 560, 5, 6},
             {kAt, "O", 924, 104, 0, 7},
             {kAt, "(4)ﾀ1/2ﾀAB=xcm とすると", 38, 100, 0, 7},
             {kAt, "10^2=x^2+5^2", 114, 160, 0, 8},
             {kAt, "x^2=10^2-5^2=100-25=75", 114, 220, 0, 9},
             {kAt, "x>0だから x=!75ﾝ=", 114, 280, 0, 9},
             {kAfter, "5!3ﾝ", 0, 280, 3, 9},
             {kAt, "よって", 114, 340, 0, 9},
             {kAt, "AB=2*5!3ﾝ=", 114, 400, 0, 9},
             {kAfter, "10!3ﾝ(cm)", 0, 400, 5, 9},
         }), kTagBoxes},
        {3, 7, Page(3, {
             {kAt, "(1) !3^2+4^2+12^2ﾝ", 38, 100, 0, 1},
             {kAt, "=!9+16+144ﾝ", 114, 160, 0, 2},
             {kAt, "=!169ﾝ=", 114, 220, 0, 3},
             {kAfter, "13(cm)", 0, 220, 5, 3},
             {kAt, "A", 978, 117, 0, 4},
             {kAt, "B", 750, 416, 0, 4},
             {kAt, "O", 1006, 416, 0, 4},
             {kAt, "(2)円錐の高さをxcm とすると", 38, 290, 0, 4},
             {kAt, "10^2=x^2+6^2", 114, 350, 0, 5},
             {kAt, "x^2=10^2-6^2=100-36=64", 114, 410, 0, 6},
             {kAt, "x>0だから x=!64ﾝ=", 114, 470, 0, 6},
             {kAfter, "8", 0, 470, 3, 6},
             {kAt, "体積は、ﾀ1/3ﾀ*π*6^2*8=12*8=", 114, 530, 0, 7},
             {kAfter, "96π(cm^3)", 0, 530, 5, 7},
         }), kTagBoxes},
    };
    return scenes;
}

// The key after which each scene erases below its tags to turn to its next
// figure; -1: none.
const int kTurn[] = {0, 9, 7, -1};

class P205Scene : public ::testing::TestWithParam<SceneCase> {};

// A scene from the main menu: the list comes back after its last key and
// not one key earlier; one clear at its start (and the erase below the tags
// where the answer turns to its next figure); its texts in order, each in
// the part of the scene its key brings.
TEST_P(P205Scene, StepsThroughItsAnswerAndReturnsToTheList) {
    const SceneCase& c = GetParam();
    CheckScene(ProgramC(), 3, c);
    const SceneRun run = RunP205(c.item, c.waits);
    const auto erased = Find(run.log, IsBelowTagsClear, run.begin(), run.end());
    const int turn = kTurn[c.item];
    if (turn < 0) {
        EXPECT_TRUE(erased.empty());
    } else {
        ASSERT_EQ(erased.size(), 1u);
        EXPECT_GT(erased[0], run.KeyStart(static_cast<size_t>(turn)));
        EXPECT_LT(erased[0], run.KeyEnd(static_cast<size_t>(turn)));
    }
}

INSTANTIATE_TEST_SUITE_P(Textbook, P205Scene, ::testing::ValuesIn(Scenes()), SceneName);

// Ink above the key-prompt band in a part of a scene.
size_t DrawnAbovePrompt(const SceneRun& run, size_t k) {
    size_t n = 0;
    for (size_t i = run.KeyStart(k); i < run.KeyEnd(k); ++i) {
        const Op& op = run.log[i];
        const float top = op.kind == Op::Polyline && !op.pts.empty() ? op.pts[0].y : op.y1;
        if (top < 657) ++n;
    }
    return n;
}

TEST(P205Problem1, KeySixteenOnlyBringsThePromptBack) {
    const SceneRun run = RunP205(1, 21);
    ASSERT_EQ(run.waits.size(), 21u);
    EXPECT_EQ(DrawnAbovePrompt(run, 16), 0u);
    EXPECT_GT(DrawnAbovePrompt(run, 15), 0u);
    for (size_t k = 1; k <= 21; ++k) {
        if (k != 16) {
            EXPECT_GT(DrawnAbovePrompt(run, k), 0u) << k;
        }
    }
    // Key 9 erases below the tags and draws figure (2) alone: no text but
    // the figure's labels.
    EXPECT_EQ(FindText(run.log, "(2)", run.KeyStart(9), run.KeyEnd(9)), kNone);
}

TEST(P205Problem1, BuildsBothTrianglesToScale) {
    Rig r(ProgramC());
    r.AnyKeys(8);
    EXPECT_FALSE(r.Run(BasicProblem1Answer));
    ExpectPoints(r.s, {{1, 800, 122.15f}, {2, 680, 330}, {3, 1160, 330}, {4, 800, 330}});
    Rig r2(ProgramC());
    r2.AnyKeys(21);
    EXPECT_TRUE(r2.Run(BasicProblem1Answer));
    ExpectPoints(r2.s,
                 {{1, 962.84f, 107.16f}, {2, 680, 390}, {3, 1126.14f, 390}, {4, 962.84f, 390}});
    EXPECT_EQ(r2.p.GetDrawWidth(), 5);
}

// Each length mark on the side its figure needs, with its dot count.
struct MarkCase {
    int item, keys;
    size_t part;  // the key whose part draws the marks
    size_t skip;  // runs before the first mark listed
    std::vector<Mark> marks;
};

TEST(P205Figures, LengthMarksStandOnTheirSides) {
    const float r3 = 2 * std::sqrt(3.0f) * 60, r2 = 2 * std::sqrt(2.0f) * 100;
    const float z = 2 * std::sqrt(6.0f) / 3 * 100;
    const float ax = 940 - 280 * std::cos(3.14159f / 6);
    const MarkCase cases[] = {
        {1, 21, 0, 0,
         {{800, 330, 1160, 330, true, 37, 3},
          {800, 330 - r3, 800, 330, false, 37, 3},
          {800, 330 - r3, 680, 330, true, 37, 3}}},
        {1, 21, 9, 0,
         {{680, 390, 680 + r2 + z, 390, true, 91, 3},
          {680 + r2, 390 - r2, 680 + r2, 390, false, 37, 3},
          {680 + r2, 390 - r2, 680, 390, true, 61, 3}}},
        {1, 21, 15, 0, {{680, 390, 680 + r2, 390, true, 37, 7}, {680 + r2, 390, 680 + r2 + z, 390, true, 37, 7}}},
        {2, 9, 7, 0,
         {{940, 150, ax, 290, true, 37, 3},
          {940, 150, 940, 290, false, 13, 3},
          {ax, 290, 940, 290, true, 26, 5}}},
        {3, 7, 4, 1,
         {{998, 165, 998, 440, false, 37, 3},
          {798, 440, 998, 440, true, 26, 3},
          {998, 165, 798, 440, true, 46, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("problem " + std::to_string(c.item));
        ExpectMarks(RunP205(c.item, c.keys), c.part, c.marks, c.skip);
    }
}

// The lengths of (3) lie on the triangle's sides, their labels outside it:
// "2" under the side to B, "6" left of the side from A.
TEST(P205Problem2, LengthsOfThePlaneLieOnTheSides) {
    const SceneRun run = RunP205(2, 9);
    for (const size_t k : {4u, 5u}) {
        const auto runs = DotRuns(run.log, run.KeyStart(k), run.KeyEnd(k));
        ASSERT_EQ(runs.size(), 1u) << k;
        EXPECT_EQ(runs[0].dots.size(), 19u);
        for (const Op& d : runs[0].dots) {
            EXPECT_EQ(d.colour, 3);
            EXPECT_NEAR(k == 4 ? d.y1 : d.x1, k == 4 ? 440 : 828, 0.01);
        }
    }
    const size_t two = FindText(run.log, "2", DotRuns(run.log, run.KeyStart(4))[0].first);
    ASSERT_NE(two, kNone);
    EXPECT_EQ(run.log[two].colour, 7);
    EXPECT_GE(run.log[two].y1, 440);
    const size_t six = FindText(run.log, "6", DotRuns(run.log, run.KeyStart(5))[0].first);
    ASSERT_NE(six, kNone);
    EXPECT_EQ(run.log[six].colour, 7);
    EXPECT_LT(run.log[six].x1, 828);
}

// The cone's base: 181 dots below the diameter, then 26 above it, drawn
// back to back.
TEST(P205Problem3, BaseIsADenseFrontAndASparseBack) {
    const SceneRun run = RunP205(3, 7);
    const auto runs = DotRuns(run.log, run.KeyStart(4), run.KeyEnd(4));
    ASSERT_FALSE(runs.empty());
    ExpectConeBase(runs[0], 440, 30, 0);
}

TEST(P205Problem1, DeepArcsHang60PxUnderTheBase) {
    const SceneRun run = RunP205(1, 21);
    const auto runs = DotRuns(run.log, run.KeyStart(15), run.KeyEnd(15));
    ASSERT_EQ(runs.size(), 2u);
    for (const auto& r : runs) EXPECT_NEAR(r.dots[r.dots.size() / 2].y1, 450, 0.1);
}

TEST(P205Problem2, PlacesTheChordOnTheLowerHalfCircle) {
    Rig r(ProgramC());
    r.AnyKeys(9);
    EXPECT_TRUE(r.Run(BasicProblem2Answer));
    ExpectPoints(r.s, {{1, 940, 150}, {2, 697.51f, 290}, {3, 1182.49f, 290}, {4, 940, 290}});
    const auto arcs = OfKind(r.Log(), Op::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].start, 0);
    EXPECT_EQ(arcs[0].end, 0.5f);
    EXPECT_EQ(arcs[0].r, 280);
    EXPECT_EQ(arcs[0].width, 5);
    // The plane of (3) is the only one with its unit grid: thin lines.
    size_t thin = 0;
    for (const Op& op : r.Log())
        if (op.kind == Op::Line && op.width == 1) ++thin;
    EXPECT_GT(thin, 10u);
    // Two ticks, one on each half of the chord.
    size_t ticks = 0;
    for (const Op& op : r.Log())
        if (op.kind == Op::Line && op.colour == 3 && op.width == 5 && std::fabs(op.x1 - op.x2) < 1 &&
            std::fabs(op.y1 - op.y2) > 15 && std::fabs(op.y1 - op.y2) < 25)
            ++ticks;
    EXPECT_EQ(ticks, 2u);
}

TEST(P205Lesson, TagsTakeThePenInForceOnEntry) {
    const Ended e = RunKeys(ProgramC(), "3\\n1\\n" + AnyKeys(21) + "1\\n" + AnyKeys(21) + "4\\n7\\n");
    std::vector<int> widths;
    for (const Op& op : e.log)
        if (IsFilledBox(op, 72, 27, 556, 77, 13)) widths.push_back(op.width);
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_EQ(widths[1], 5);
    EXPECT_NE(widths[0], 5);
}

TEST(P205Lesson, TrailingBlanksMoveTheNextText) {
    EXPECT_EQ(PenAfter("2x=4!3ﾝ  ", 114), PenAfter("2x=4!3ﾝ", 114) + 54);
    EXPECT_EQ(PenAfter("!2ﾝx=4 ", 114), PenAfter("!2ﾝx=4", 114) + 27);
}

}  // namespace
}  // namespace vm::test
