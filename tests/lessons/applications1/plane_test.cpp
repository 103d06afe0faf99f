#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/applications1/plane.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

const std::string kList = " ①2点距離　②練習　③問8　④弦の長さ　⑤問9　⑥問10　⑦終了";

const SceneCase kScenes[] = {
    {1, 10,
     {{kAt, "課 2点A(5,4),B(-1,-3)の間の距離を求めなさい。", 36, 30, 3},
      {kAt, "   <解答>", 72, 90, 0},
      {kAt, "BC=", 72, 150, 0},
      {kAfter, "5-(-1)=5+1=", 0, 150, 0},
      {kAfter, "6", 0, 150, 3},
      {kAt, "AB=d　とすると", 72, 270, 0},
      {kAt, "d^2=", 72, 330, 0},
      {kAfter, "6^2+7^2=36+49=", 0, 330, 0},
      {kAt, "d>0 だから", 72, 390, 0},
      {kAfter, "!85ﾝ", 0, 390, 3},
      {kAt, "答　!85ﾝ", 72, 450, 5}}},
    {3, 0,
     {{kAt, "問8 解答", 36, 30, 3},
      {kAt, "(1) x座標:1-(-3)=1+3=4 ,y座標:3-(-2)=3+2=5", 36, 80, 0},
      {kAt, "AB^2=4^2+5^2=16+25=41", 108, 140, 0},
      {kAt, "AB>0 だから AB=", 108, 200, 0},
      {kAfter, "!41ﾝ", 0, 200, 5},
      {kAt, "(2) x座標:3-(-3)=3+3=6 ,y座標:4-2=2", 36, 280, 0},
      {kAt, "AB>0 だから AB=!40ﾝ=", 108, 400, 0},
      {kAfter, "2!10ﾝ", 0, 400, 5}}},
    {4, 11,
     {{kAt, "問　弦ABの長さを求めなさい。", 36, 30, 3},
      {kAt, "AH=xcm　とすると", 108, 80, 0},
      {kAt, "7^2=x^2+2^2", 108, 130, 0},
      {kAt, "x^2=", 108, 190, 0},
      {kAfter, "7^2-2^2=49-4=45", 0, 190, 0},
      {kAt, "x>0 だから", 108, 240, 0},
      {kAt, "x=!45ﾝ=", 108, 300, 0},
      {kAfter, "3!5ﾝ", 0, 300, 3},
      {kAt, "したがって AB=", 108, 360, 0},
      {kAfter, "2*3!5ﾝ=", 0, 360, 0},
      {kAfter, "6!5ﾝ", 0, 360, 3},
      {kAt, "答　6!5ﾝcm", 108, 420, 5},
      {kAt, "教科書P198 問9　をしなさい。", 44, 590, 0}}},
    {5, 7,
     {{kAt, "問9　解答", 36, 30, 3},
      {kAt, "OH=xcm　とすると", 108, 80, 0},
      {kAt, "6^2=x^2+4^2", 108, 130, 0},
      {kAt, "x^2=", 108, 190, 0},
      {kAfter, "6^2-4^2=36-16=20", 0, 190, 0},
      {kAt, "x=!20ﾝ=", 108, 300, 0},
      {kAfter, "2!5ﾝ", 0, 300, 3},
      {kAt, "答　2!5ﾝcm", 108, 360, 5},
      {kAt, "教科書P198 問10　をしなさい。", 44, 590, 0}}},
    {6, 7,
     {{kAt, "問10　解答", 36, 30, 3},
      {kAt, "接線の長さをxcm　とすると", 108, 80, 0},
      {kAt, "6^2=x^2+2^2", 108, 130, 0},
      {kAt, "x^2=", 108, 190, 0},
      {kAfter, "6^2-2^2=36-4=32", 0, 190, 0},
      {kAt, "x>0 だから", 108, 240, 0},
      {kAt, "x=!32ﾝ=", 108, 300, 0},
      {kAfter, "4!2ﾝ", 0, 300, 3},
      {kAt, "答　4!2ﾝcm", 108, 360, 5}}},
};

class PlaneScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(PlaneScene, WaitsItsStepsAndWritesItsLines) {
    CheckScene(ProgramB(), 3, GetParam());
}

INSTANTIATE_TEST_SUITE_P(PlaneLesson, PlaneScene, ::testing::ValuesIn(kScenes), SceneName);

TEST(PlaneDistanceExample, PlotsInUnitsThenMapsAndLettersEachCornerOnce) {
    const auto log = RunAlone(ProgramB(), TwoPointDistanceExample, 10);
    const auto waits = Find(log, IsStepWait);
    ASSERT_EQ(waits.size(), 10u);
    // Before the first key: A and B as dots of radius 7 in colour 3.
    std::vector<Op> dots;
    for (size_t i = 0; i < waits[0]; ++i)
        if (log[i].kind == Op::Dot && log[i].r == 7) dots.push_back(log[i]);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0].x1, 1120);
    EXPECT_EQ(dots[0].y1, 180);
    EXPECT_EQ(dots[1].x1, 940);
    EXPECT_EQ(dots[1].y1, 390);
    EXPECT_EQ(dots[0].colour, 3);
    EXPECT_EQ(dots[1].colour, 3);
    // After it: A-B in pixels at width 5.
    std::vector<Op> lines;
    for (size_t i = waits[0]; i < waits[1]; ++i)
        if (log[i].kind == Op::Line) lines.push_back(log[i]);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 1120);
    EXPECT_EQ(lines[0].y1, 180);
    EXPECT_EQ(lines[0].x2, 940);
    EXPECT_EQ(lines[0].y2, 390);
    EXPECT_EQ(lines[0].width, 5);
    // One letter per corner, below the title.
    for (const char* letter : {"A", "B", "C"}) {
        int n = 0;
        for (const Op& op : Texts(log)) n += op.text == letter && op.colour == 3 && op.y1 > 60;
        EXPECT_EQ(n, 1) << letter;
    }
    // The arcs: dots in colour 9, labels in colour 5.
    for (const Op& op : OfKind(log, Op::Dot)) {
        if (op.r == 0.5f) {
            EXPECT_EQ(op.colour, 9);
        }
    }
    for (const char* label : {"6", "7", "d"}) {
        int n = 0;
        for (const Op& op : Texts(log)) n += op.text == label && op.colour == 5;
        EXPECT_EQ(n, 1) << label;
    }
}

TEST(PlaneCircleScenes, DrawTheirCirclesMarksAndArcsAsTheFigureNeeds) {
    const struct {
        Routine scene;
        int keys;
        float cx, cy, r, start, end;
        size_t right_angles;
        std::vector<std::string> labels;
    } cases[] = {
        {ChordLengthExample, 11, 940, 150, 280, 0, 0.5f, 1, {"7cm", "2cm", "xcm"}},
        {ChordProblemAnswer, 7, 900, 110, 280, 0, 0.5f, 1, {"6cm", "4cm", "xcm"}},
        {TangentProblemAnswer, 7, 1020, 230, 160, 0, 0, 2, {"2cm", "6cm", "xcm"}},
    };
    for (const auto& c : cases) {
        const auto log = RunAlone(ProgramB(), c.scene, c.keys);
        const auto circles = OfKind(log, Op::Arc);
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_NEAR(circles[0].x1, c.cx, 0.01);
        EXPECT_NEAR(circles[0].y1, c.cy, 0.01);
        EXPECT_NEAR(circles[0].r, c.r, 0.1);
        EXPECT_EQ(circles[0].start, c.start);
        EXPECT_EQ(circles[0].end, c.end);
        EXPECT_EQ(circles[0].width, 5);
        size_t marks = 0;
        for (const Op& op : OfKind(log, Op::Polyline)) marks += op.colour == 5 && op.pts.size() == 3;
        EXPECT_EQ(marks, c.right_angles);
        for (const Op& op : OfKind(log, Op::Dot)) {
            if (op.r == 0.5f) {
            EXPECT_EQ(op.colour, 9);
        }
        }
        // The labels in colour 3 ("xcm" is in a text line too).
        for (const auto& label : c.labels) {
            bool found = false;
            for (size_t at = FindText(log, label); at != kNone && !found;
                 at = FindText(log, label, at + 1))
                found = log[at].colour == 3;
            EXPECT_TRUE(found) << label;
        }
    }
}

TEST(PlaneTangentScene, ItsArcsBulgeAwayFromTheTriangle) {
    const auto log = RunAlone(ProgramB(), TangentProblemAnswer, 7);
    const Point a{700, 230}, o{1020, 230};
    const Point t{940, 230 - 160 * std::sin(60 * 3.14159f / 180)};
    // O->T, O->A, A->T, each against the corner it leaves out.
    const auto runs = DotRuns(log);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_TRUE(ArcOutside(runs[0], o, t, a));
    EXPECT_TRUE(ArcOutside(runs[1], o, a, t));
    EXPECT_TRUE(ArcOutside(runs[2], a, t, o));
}

}  // namespace
}  // namespace vm::test
