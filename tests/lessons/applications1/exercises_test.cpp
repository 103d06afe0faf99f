// Velmaris-B's exercise lesson, run as a pupil runs it.
#include "lessons/applications1/exercises.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// The large brackets of 問4: KAKKO set just before the line.
void Large(State& s) {
    s.KAKKO = 1;
    DrawMarkupText(s);
}

const SceneCase kExercises[] = {
    {1, 6,
     {{kAt, "問3 解答", 36, 30, 3},
      {kMark, "acm", 0, 0, 3},
      {kMark, "8cm", 0, 0, 3},
      {kMark, "bcm", 0, 0, 3},
      {kMark, "ccm", 0, 0, 3},
      {kMark, "ccm", 0, 0, 3},
      {kAt, "① 2:!3ﾝ=a:8", 36, 80, 0},
      {kAt, "!3ﾝa=16", 108, 140, 0},
      {kAt, "a=ﾀ16/!3ﾝﾀ=", 108, 210, 0},
      {kAfter, "ﾀ16!3ﾝ/3ﾀ", 0, 210, 5},
      {kAt, "② 2:1=ﾀ16!3ﾝ/3ﾀ:b", 36, 310, 0},
      {kAt, "2b=ﾀ16!3ﾝ/3ﾀ", 108, 400, 0},
      {kAt, "b=", 108, 490, 0},
      {kAfter, "ﾀ8!3ﾝ/3ﾀ", 0, 490, 5},
      {kAt, "③ !2ﾝ:1=8:c", 468, 80, 0},
      {kAt, "!2ﾝc=8", 540, 140, 0},
      {kAt, "c=ﾀ8/!2ﾝﾀ=ﾀ8!2ﾝ/2ﾀ", 540, 210, 0},
      {kAt, " =", 540, 290, 0},
      {kAfter, "4!2ﾝ", 0, 290, 5},
      {kAt, "教科書P195 問4　をしなさい。", 44, 590, 0}}},
    {2, 14,
     {{kAt, "問4 解答", 36, 30, 3},
      {kMark, "A", 0, 0, 0},
      {kMark, "B", 0, 0, 0},
      {kMark, "C", 0, 0, 0},
      {kMark, "a", 0, 0, 0},
      {kMark, "ﾀa/2ﾀ", 0, 0, 0},
      {kLabel, "D", 972, 444, 0},
      {kAt, "AD=hとすると", 108, 80, 0},
      {kMark, "h", 0, 0, 3},
      {kAt, "a^2=", 108, 140, 0},
      {kAfter, "(ﾀa/2ﾀ)\\2+h^2", 0, 140, 0, kAnyKey, 1, Large},
      {kAt, "h^2=", 108, 220, 0},
      {kAfter, "a^2-(ﾀa/2ﾀ)\\2=", 0, 220, 0, kAnyKey, 1, Large},
      {kAfter, "a^2-ﾀa^2/4ﾀ=ﾀ3/4ﾀa^2", 0, 220, 0},
      {kAt, "h>0,a>0 だから ", 108, 300, 0},
      {kAfter, "h=", 0, 300, 0},
      {kAfter, "ﾀ!3ﾝ/2ﾀa", 0, 300, 3},
      {kAt, "面積 S=ﾀ1/2ﾀ*a*ﾀ!3ﾝ/2ﾀa=", 108, 400, 0},
      {kAfter, "ﾀ!3ﾝ/4ﾀa^2", 0, 400, 3},
      {kAt, "教科書P196 問5　をしなさい。", 44, 590, 7}}},
    {3, 6,
     {{kAt, "問5 解答", 36, 30, 3},
      {kMark, "A", 0, 0, 0},
      {kMark, "B", 0, 0, 0},
      {kMark, "C", 0, 0, 0},
      {kMark, "D", 0, 0, 0},
      {kMark, "a", 0, 0, 0},
      {kMark, "b", 0, 0, 0},
      {kAt, "BD=xとすると", 108, 80, 0},
      {kMark, "x", 0, 0, 3},
      {kAt, "x^2=", 108, 140, 0},
      {kAfter, "a^2+b^2", 0, 140, 0},
      {kAt, "x>0 だから ", 108, 220, 0},
      {kAfter, "x=", 0, 220, 0},
      {kAfter, "!a^2+b^2ﾝ", 0, 220, 3},
      {kAt, "教科書P196 問6　をしなさい。", 44, 590, 7}}},
    {4, 13,
     {{kAt, "問6 解答", 36, 30, 3},
      {kMark, "A", 0, 0, 0},
      {kMark, "B", 0, 0, 0},
      {kMark, "C", 0, 0, 0},
      {kMark, "4cm", 0, 0, 0},
      {kMark, "4cm", 0, 0, 0},
      {kMark, "6cm", 0, 0, 0},
      {kLabel, "H", 950, 344, 0},
      {kMark, "3cm", 0, 0, 5},
      {kAt, "AH=hとすると", 108, 80, 0},
      {kMark, "h", 0, 0, 3},
      {kAt, "4^2=", 108, 140, 0},
      {kAfter, "3^2+h^2", 0, 140, 0},
      {kAt, "h^2=", 108, 220, 0},
      {kAfter, "4^2-3^2=", 0, 220, 0},
      {kAfter, "16-9=7", 0, 220, 0},
      {kAt, "h>0 だから ", 108, 300, 0},
      {kAfter, "h=", 0, 300, 0},
      {kAfter, "!7ﾝ (cm)", 0, 300, 5},
      {kAt, "面積 S=ﾀ1/2ﾀ*6*!7ﾝ=", 108, 380, 0},
      {kAfter, "3!7ﾝ (cm^2)", 0, 380, 5}}},
    {5, 10,
     {{kAt, "問7 解答", 36, 30, 3},
      {kMark, "山頂", 0, 0, 0},
      {kMark, "ふもと", 0, 0, 0},
      {kMark, "800m", 0, 0, 3},
      {kMark, "300m", 0, 0, 3},
      {kAt, "ロープウェーの長さをxmとすると", 108, 80, 0},
      {kMark, "xm", 0, 0, 0},
      {kAt, "x^2=", 108, 140, 0},
      {kAfter, "800^2+300^2=", 0, 140, 0},
      {kAfter, "640000+90000=", 0, 140, 0},
      {kAfter, "730000", 0, 140, 0},
      {kAt, "x>0 だから ", 108, 220, 0},
      {kAfter, "x=!730000ﾝ=", 0, 220, 0},
      {kAfter, "100!73ﾝ", 0, 220, 3},
      // Single-precision √73 is 8.5440035: seven digits, cut, not rounded up.
      {kAt, "!73ﾝ=8.544003… だから", 108, 300, 0},
      {kAt, "答　約854m", 108, 380, 5}}},
};

class Exercise : public ::testing::TestWithParam<SceneCase> {};

// From the main menu: the scene's number, a key for every wait, then back
// to the main menu and quit, every key read.
TEST_P(Exercise, WaitsBeforeItsLinesAndShowsTheListAtOnce) { CheckScene(ProgramB(), 2, GetParam()); }

// One key short, the scene still waits and its last line is not there.
TEST_P(Exercise, OneKeyShortTheLastLineIsNotDrawn) {
    const SceneCase& c = GetParam();
    Rig r(ProgramB());
    r.AnyKeys(c.waits - 1);
    EXPECT_FALSE(r.Run(ExercisesLesson().scenes.at(static_cast<size_t>(c.item - 1))));
    const Line& l = c.lines.back();
    const float x = l.place == kAfter ? PenAfter(c.lines[c.lines.size() - 2].text, 0) : l.x;
    if (l.place == kAt) {
        EXPECT_EQ(CountMarkup(r.Log(), l.text, x, l.y, l.colour), 0) << l.text;
    } else {
        // A continuation: no glyph of its colour on its line of the working yet.
        for (const Op& op : Texts(r.Log()))
            EXPECT_FALSE(op.colour == l.colour && op.x1 < 700 && Near(op.y1, l.y, 30)) << op.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Exercises, Exercise, ::testing::ValuesIn(kExercises),
                         [](const auto& info) { return "Item" + std::to_string(info.param.item); });

// --- the figures ------------------------------------------------------------------

std::vector<Op> RunExercise(Routine scene, int keys, bool ends = true) {
    Rig r(ProgramB());
    r.AnyKeys(keys);
    EXPECT_EQ(r.Run(scene), ends);
    return r.Log();
}

TEST(ExerciseFigures, ChainedTrianglesAtTheirPixelsWithTheirLabelsBeforeTheFirstKey) {
    const auto log = RunExercise(ChainedSpecialTrianglesProblem, 0, false);
    for (const char* label : {"acm", "8cm", "bcm"}) EXPECT_EQ(LabelsOf(log, label, 3).size(), 1u);
    EXPECT_EQ(LabelsOf(log, "ccm", 3).size(), 2u);
    EXPECT_EQ(Count(log, IsStepWait), 1u);
    EXPECT_EQ(CountMarkup(log, "① 2:!3ﾝ=a:8", 36, 80, 0), 0);

    // The outline 1-2-3-4 and the side 1-3.
    const auto lines = FigureLines(log, 700);
    ASSERT_EQ(lines.size(), 5u);
    const Point corners[4] = {{1006, 153.6f}, {806, 500}, {1006, 500}, {1179.2f, 326.8f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(lines[static_cast<size_t>(i)].x1, corners[i].x, 0.05) << i;
        EXPECT_NEAR(lines[static_cast<size_t>(i)].y1, corners[i].y, 0.05) << i;
    }
    EXPECT_NEAR(lines[4].y2, 500, 1e-3);
    // The dots inside the angle at 2 and inside triangle 1-3-4.
    std::vector<Op> dots;
    for (const Op& op : OfKind(log, Op::Dot))
        if (op.r == 8) dots.push_back(op);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_NEAR(dots[0].x1, 935.9f, 0.05);
    EXPECT_NEAR(dots[0].y1, 425.0f, 0.05);
    EXPECT_NEAR(dots[1].x1, 1067.6f, 0.05);
    EXPECT_NEAR(dots[1].y1, 326.8f, 0.05);

    // Arcs a, b and both c outside their triangles; 8 cm on the shared side.
    const auto runs = DotRuns(log);
    ASSERT_EQ(Sizes(runs), std::vector<size_t>(5, 37));
    const Point p1 = corners[0], p2 = corners[1], p3 = corners[2], p4 = corners[3];
    EXPECT_TRUE(ArcOutside(runs[0], p1, p2, p3));
    EXPECT_TRUE(ArcOutside(runs[2], p2, p3, p1));
    EXPECT_TRUE(ArcOutside(runs[3], p3, p4, p1));
    EXPECT_TRUE(ArcOutside(runs[4], p1, p4, p3));
    // The 8 cm label stands 20 px below where its arc alone puts it.
    Rig alone(ProgramB());
    alone.s.X_a(1) = p1.x, alone.s.Y_a(1) = p1.y;
    alone.s.X_a(3) = p3.x, alone.s.Y_a(3) = p3.y;
    LengthArc(alone.s, 3, 1, -1, 5, "8cm", kBlueLength);
    const auto plain = LabelsOf(alone.Log(), "8cm", 3);
    const auto moved = LabelsOf(log, "8cm", 3);
    ASSERT_EQ(plain.size(), 1u);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_NEAR(moved[0].x, plain[0].x, 0.05);
    EXPECT_NEAR(moved[0].y, plain[0].y + 20, 0.05);
}

// Before the first key: the triangle, A, B, C and the label a, nothing else.
TEST(ExerciseFigures, EquilateralShowsOnlyTheTriangleAndSideAFirst) {
    const auto log = RunExercise(EquilateralTriangleAreaProblem, 0, false);
    std::string texts;
    for (const Op& op : Texts(log))
        if (op.y1 < 657) texts += op.text;
    EXPECT_EQ(texts, "問4解答ABCa");
    EXPECT_EQ(FigureLines(log, 700).size(), 3u);
    EXPECT_EQ(Sizes(DotRuns(log)), std::vector<size_t>{37});
}

TEST(ExerciseFigures, TicksRightAnglesAndTheIsoscelesApex) {
    const auto equilateral = RunExercise(EquilateralTriangleAreaProblem, 14);
    const auto marks = RightAngleMarks(equilateral);
    ASSERT_EQ(marks.size(), 1u);
    ExpectPolyline(marks[0], {{992, 400}, {952, 400}, {952, 440}}, 5);
    std::vector<Op> ticks;
    for (const Op& op : FigureLines(equilateral, 700))
        if (op.colour == 3) ticks.push_back(op);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_FLOAT_EQ(ticks[0].x1, 925);
    EXPECT_FLOAT_EQ(ticks[1].x1, 1075);
    EXPECT_FLOAT_EQ(std::fabs(ticks[0].y2 - ticks[0].y1), 16);

    const auto rectangle = RunExercise(RectangleDiagonalProblem, 6);
    const auto corner = RightAngleMarks(rectangle);
    ASSERT_EQ(corner.size(), 1u);
    ExpectPolyline(corner[0], {{1102, 440}, {1102, 400}, {1142, 400}}, 5);

    const auto isosceles = RunExercise(IsoscelesTriangleAreaProblem, 13);
    const auto sides = FigureLines(isosceles, 700);
    ASSERT_GE(sides.size(), 3u);
    EXPECT_NEAR(sides[0].x1, 970, 1e-3);
    EXPECT_NEAR(sides[0].y1, 163.6f, 0.05);
    // Ticks 32 px long across AB and AC.
    std::vector<Op> long_ticks;
    for (const Op& op : sides)
        if (op.colour == 3) long_ticks.push_back(op);
    ASSERT_EQ(long_ticks.size(), 2u);
    for (const Op& t : long_ticks)
        EXPECT_NEAR(std::hypot(t.x2 - t.x1, t.y2 - t.y1), 32, 1e-3);
    const auto foot = RightAngleMarks(isosceles);
    ASSERT_EQ(foot.size(), 1u);
    ExpectPolyline(foot[0], {{970, 300}, {930, 300}, {930, 340}}, 5);
    // BH in colour 5, dots and label, on its own key before the working.
    const auto runs = DotRuns(isosceles);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(LabelsOf(isosceles, "3cm", 5).size(), 1u);
}

TEST(ExerciseFigures, RopewayArcsLieOutsideItsTriangle) {
    const auto log = RunExercise(RopewayLengthProblem, 10);
    const Point summit{1156, 270}, foot{756, 420}, below{1156, 420};
    const auto runs = DotRuns(log);
    ASSERT_EQ(Sizes(runs), std::vector<size_t>(3, 37));
    EXPECT_TRUE(ArcOutside(runs[0], foot, below, summit));
    EXPECT_TRUE(ArcOutside(runs[1], summit, below, foot));
    EXPECT_TRUE(ArcOutside(runs[2], summit, foot, below));
    const auto marks = RightAngleMarks(log);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].colour, 5);
}

// --- the lesson's entry and its list --------------------------------------------

}  // namespace
}  // namespace vm::test
