#include "lessons/applications2/p206.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// The main menu's item 4 and the lesson's quit item.
constexpr int kLesson = 4;

SceneRun RunP206(int item, int keys) { return SceneRun(ProgramC(), kLesson, item, keys); }

const SceneCase kScenes[] = {
    {1, 6,
     {
         {kAt, "(1)x^2=5^2+4^2=25+16=41", 38, 160, 0, 1},
         {kAt, "x>0だから x=", 114, 220, 0, 1},
         {kAfter, "!41ﾝcm", 0, 220, 5, 1},
         {kAt, "(2)6^2=x^2+(!10ﾝ)^2", 38, 290, 0, 2},
         {kAt, "x^2=6^2-(!10ﾝ)^2", 114, 350, 0, 2},
         {kAt, "  =36-10=26", 114, 410, 0, 2},
         {kAt, "x>0だから x=", 114, 470, 0, 2},
         {kAfter, "!26ﾝcm", 0, 470, 5, 2},
         {kAt, "ア 5^2+6^2=25+36=61", 608, 90, 0, 4},
         {kAt, "7^2=49　だから 7^2≠5^2+6^2", 684, 140, 0, 4},
         {kAt, "直角三角形ではない。", 684, 190, 5, 4},
         {kAt, "イ 1.5^2+2^2=2.25+4=6.25", 608, 250, 0, 5},
         {kAt, "2.5^2=6.25　だから 2.5^2=1.5^2+2^2", 532, 300, 0, 5},
         {kAt, "直角三角形である。", 684, 350, 5, 5},
         {kAt, "ウ (!3ﾝ)^2+2^2=3+4=7", 608, 410, 0, 6},
         {kAt, "(!7ﾝ)^2=7　だから ", 684, 460, 0, 6},
         {kAt, "(!7ﾝ)^2=(!3ﾝ)^2+2^2", 684, 510, 0, 6},
         {kAt, "直角三角形である。", 684, 560, 5, 6},
     },
     {{0, 72, 27, 556, 77, 3, 13}, {0, 114, 87, 154, 137, 4, 3}, {3, 834, 27, 874, 77, 4, 3}}},
    {2, 11,
     {
         {kAt, "(1)6:AC=2:1", 80, 90, 0, 1},
         {kAt, "2AC=6だから ", 40, 150, 0, 1},
         {kAfter, "AC=", 0, 150, 0, 1},
         {kAfter, "3cm", 0, 150, 5, 1},
         {kAt, "3:BC=1:!3ﾝ", 40, 210, 0, 1},
         {kAt, "BC=", 40, 270, 0, 1},
         {kAfter, "3!3ﾝcm", 0, 270, 5, 1},
         {kAt, "(2) AB=AC だから ", 40, 340, 0, 2},
         {kAt, "AC=", 40, 400, 0, 2},
         {kAfter, "7cm", 0, 400, 5, 2},
         {kAt, "7:BC=1:!2ﾝ", 40, 470, 0, 2},
         {kAt, "BC=", 40, 530, 0, 2},
         {kAfter, "7!2ﾝcm", 0, 530, 5, 2},
         {kAt, "A", 1035, 102, 0, 3},
         {kAt, "B", 867, 406, 0, 3},
         {kAt, "O", 1063, 406, 0, 3},
         {kAt, "底面の半径は、", 620, 30, 3, 4},
         {kAfter, "10*ﾀ180/360ﾀ=5cm", 0, 30, 3, 5},
         {kAt, "高さを hcm とすると", 570, 80, 0, 6},
         {kAt, "10^2=", 570, 140, 0, 7},
         {kAfter, "5^2+h^2", 0, 140, 0, 7},
         {kAt, "h^2=", 570, 200, 0, 8},
         {kAfter, "100-25=75", 0, 200, 0, 8},
         {kAt, "h>0 だから、", 570, 260, 0, 9},
         {kAt, "h=!75ﾝ=", 570, 320, 0, 9},
         {kAfter, "5!3ﾝcm", 0, 320, 5, 9},
         {kAt, "体積は", 570, 380, 0, 10},
         {kAt, " ﾀ1/3ﾀ*π*5^2*5!3ﾝ", 570, 460, 0, 11},
         {kAt, "=ﾀ125!3ﾝ/3ﾀπcm^3", 570, 540, 5, 11},
     },
     {{0, 40, 27, 524, 77, 3, 13}, {0, 40, 87, 80, 137, 4, 3}, {3, 560, 27, 600, 77, 4, 3}}},
    {3, 10,
     {
         {kAt, "A", 886, 455, 3, 0},
         {kAt, "B", 1096, 170, 3, 0},
         {kAt, "-1", 898, 570, 3, 0},
         {kAt, "2", 1067, 570, 3, 0},
         {kAt, "C", 1096, 470, 3, 1},
         {kAt, "点Aのy座標は、", 72, 90, 0, 2},
         {kAfter, "y=2*(-1)^2=2*1=2", 0, 90, 0, 3},
         {kAt, "2", 986, 422, 7, 3},
         {kAt, "点Bのy座標は、", 72, 150, 0, 4},
         {kAfter, "y=2*2^2=2*4=8", 0, 150, 0, 5},
         {kAt, "8", 938, 151, 7, 5},
         {kAt, "BC=8-2=6", 72, 210, 0, 6},
         {kAt, "AC=2-(-1)=2+1=3", 72, 270, 0, 7},
         {kAt, "AB^2=", 72, 330, 0, 8},
         {kAfter, "6^2+3^2=36+9=45", 0, 330, 0, 9},
         {kAt, "AB>0 だから AB=!45ﾝ=", 72, 390, 0, 10},
         {kAfter, "3!5ﾝ", 0, 390, 3, 10},
         {kAt, "答　3!5ﾝ", 72, 450, 5, 10},
     },
     {{0, 72, 27, 556, 77, 3, 13}, {0, 576, 27, 616, 77, 4, 3}}},
    {4, 12,
     {
         {kAt, "正三角形Pの高さをhとすると", 72, 90, 3, 1},
         {kAt, "h:a=!3ﾝ:2", 72, 150, 0, 2},
         {kAfter, "2h=!3ﾝa ", 40, 150, 0, 3},
         {kAt, "h=ﾀ!3ﾝ/2ﾀa だから面積は", 72, 230, 0, 4},
         {kAt, "P=ﾀ1/2ﾀ*a*ﾀ!3ﾝ/2ﾀa=", 72, 310, 0, 5},
         {kAfter, "ﾀ!3ﾝ/4ﾀa^2", 0, 310, 3, 5},
         {kAt, "同じようにして、", 72, 390, 0, 6},
         {kAfter, "Q=ﾀ!3ﾝ/4ﾀb^2,R=ﾀ!3ﾝ/4ﾀc^2", 0, 390, 3, 6},
         {kAt, "直角三角形だから、a^2+b^2=c^2", 72, 470, 0, 7},
         {kAt, "P+Q", 72, 550, 5, 8},
         {kAfter, "=ﾀ!3ﾝ/4ﾀa^2+ﾀ!3ﾝ/4ﾀb^2=", 0, 550, 0, 9},
         {kAfter, "ﾀ!3ﾝ/4ﾀ(a^2+b^2)=", 0, 550, 3, 10},
         {kAfter, "ﾀ!3ﾝ/4ﾀc^2=", 0, 550, 3, 11},
         {kAfter, "R", 0, 550, 5, 12},
     },
     {{0, 72, 27, 556, 77, 3, 13}, {0, 600, 27, 640, 77, 4, 3}}},
};

class P206Scene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(P206Scene, StepsThroughItsAnswerAndReturnsToTheList) {
    for (const auto& info : {ProgramC(), ProgramE()}) CheckScene(info, kLesson, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Textbook, P206Scene, ::testing::ValuesIn(kScenes), SceneName);

// The cone: a dense front and a sparse back of the base, then the slant
// height's arc above and left of AB; the radius and the height come later.
TEST(P206Problems3And4, MarksTheConeStepByStep) {
    const SceneRun run = RunP206(2, 11);
    const auto first = DotRuns(run.log, run.KeyStart(3), run.KeyEnd(3));
    ASSERT_EQ(first.size(), 2u);
    ExpectConeBase(first[0], 430, 30, 0);
    ExpectMarks(run, 3, {{1055, 150, 915, 430, true, 46, 3}}, 1);
    ExpectMarks(run, 5, {{915, 430, 1055, 430, true, 26, 3}});
    ExpectMarks(run, 6, {{1055, 150, 1055, 430, false, 37, 3}});
    // The right angle at O in the corner between OB and OA.
    const auto lines = OfKind({run.log.begin() + static_cast<long>(run.KeyStart(6)),
                               run.log.begin() + static_cast<long>(run.KeyEnd(6))},
                              Op::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].pts.size(), 3u);
    EXPECT_NEAR(lines[0].pts[0].x, 1025, 0.01);
    EXPECT_NEAR(lines[0].pts[0].y, 430, 0.01);
    EXPECT_NEAR(lines[0].pts[1].x, 1025, 0.01);
    EXPECT_NEAR(lines[0].pts[1].y, 400, 0.01);
    EXPECT_NEAR(lines[0].pts[2].x, 1055, 0.01);
    EXPECT_NEAR(lines[0].pts[2].y, 400, 0.01);
    EXPECT_EQ(lines[0].colour, 5);
}

TEST(P206Problem5, KeepsTheParabolaInsideThePlane) {
    const SceneRun run = RunP206(3, 10);
    size_t dots = 0;
    const Op* last = nullptr;
    for (size_t i = run.begin(); i < run.KeyEnd(0); ++i) {
        const Op& op = run.log[i];
        if (op.kind != Op::Dot || op.r != 1) continue;
        ++dots;
        last = &op;
        EXPECT_GE(op.y1, 120);
        EXPECT_LE(op.y1, 620);
        EXPECT_EQ(op.colour, 0);
    }
    EXPECT_GT(dots, 3400u);
    EXPECT_LT(dots, 3700u);
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(last->x1, 1092, 1);
    EXPECT_NEAR(last->y1, 120, 1);
    EXPECT_NE(FindMarkup(run.log, "y=2x^2", last->x1, last->y1, 0, run.begin(), run.KeyEnd(0)),
              kNone);
    // C's dot, once, with key 1; nothing of the scene off the canvas.
    size_t c_dots = 0;
    for (size_t i = run.begin(); i < run.end(); ++i) {
        const Op& op = run.log[i];
        if (op.kind == Op::Dot && op.r == 7 && op.x1 == 1086 && op.y1 == 470) {
            ++c_dots;
            EXPECT_GT(i, run.KeyStart(1));
            EXPECT_LT(i, run.KeyEnd(1));
        }
    }
    EXPECT_EQ(c_dots, 1u);
    EXPECT_EQ(CountOffCanvas(run.log, run.begin(), run.end()), 0u);
    // The arcs: BC's on its right (outside the triangle), AC's below it.
    const auto bc = DotRuns(run.log, run.KeyStart(6), run.KeyEnd(6));
    ASSERT_EQ(bc.size(), 1u);
    EXPECT_EQ(bc[0].dots.size(), 37u);
    EXPECT_GT(bc[0].dots[18].x1, 1086);
    EXPECT_EQ(bc[0].dots[0].colour, 9);
    const auto ac = DotRuns(run.log, run.KeyStart(7), run.KeyEnd(7));
    ASSERT_EQ(ac.size(), 1u);
    EXPECT_EQ(ac[0].dots.size(), 21u);
    EXPECT_GT(ac[0].dots[10].y1, 470);
}

float Distance(State& s, int i, int j) {
    return std::hypot(s.X_a(i) - s.X_a(j), s.Y_a(i) - s.Y_a(j));
}

TEST(P206Problem6, ConstructsTheEquilateralTriangles) {
    Rig r(ProgramC());
    r.AnyKeys(12);
    EXPECT_TRUE(r.Run(ChapterAProblem6Answer));
    State& s = r.s;
    ExpectPoints(s, {{0, 1042.0f, 220.0f},
                     {1, 1122.35f, 315.8f},
                     {2, 961.7f, 124.2f},
                     {3, 961.7f, 315.8f},
                     {4, 795.8f, 220.0f},
                     {5, 1042.0f, 454.9f},
                     {6, 1207.9f, 80.8f},
                     {7, 1137.8f, 139.7f},
                     {8, 1042.0f, 220.0f},
                     {11, 961.7f, 220.0f}});
    const struct {
        int a, b, apex;
    } triangles[] = {{2, 3, 4}, {3, 1, 5}, {1, 2, 6}};
    for (const auto& t : triangles) {
        const float side = Distance(s, t.a, t.b);
        EXPECT_NEAR(Distance(s, t.a, t.apex), side, 1) << t.apex;
        EXPECT_NEAR(Distance(s, t.b, t.apex), side, 1) << t.apex;
    }
    // The name arcs in the background colour come before every side.
    const auto& log = r.Log();
    size_t first_side = kNone;
    for (size_t i = 0; i < log.size() && first_side == kNone; ++i)
        if (log[i].kind == Op::Line && log[i].colour == 3) first_side = i;
    ASSERT_NE(first_side, kNone);
    size_t hidden = 0;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].kind != Op::Dot || log[i].colour != 15) continue;
        ++hidden;
        EXPECT_LT(i, first_side);
    }
    EXPECT_EQ(hidden, 46u + 37u + 61u);
    // The right angle inside the corner at point 3.
    const Op* mark = nullptr;
    for (const Op& op : log)
        if (op.kind == Op::Polyline && op.colour == 5) mark = &op;
    ASSERT_NE(mark, nullptr);
    ASSERT_EQ(mark->pts.size(), 3u);
    EXPECT_NEAR(mark->pts[0].x, 986.7f, 0.1);
    EXPECT_NEAR(mark->pts[0].y, 315.8f, 0.1);
    EXPECT_NEAR(mark->pts[1].x, 986.7f, 0.1);
    EXPECT_NEAR(mark->pts[1].y, 290.8f, 0.1);
    EXPECT_NEAR(mark->pts[2].x, 961.7f, 0.1);
    EXPECT_NEAR(mark->pts[2].y, 290.8f, 0.1);
    // h: 181 dots on the segment from the midpoint of a to P's apex.
    size_t h = 0;
    for (const Op& op : log)
        if (op.kind == Op::Dot && op.colour == 7 && op.r == 0.5f) {
            ++h;
            EXPECT_NEAR(op.y1, 220, 0.01);
        }
    EXPECT_EQ(h, 181u);
}

// "P" stands 40 px right of and 40 px above the apex of its arc, clear of
// "h" (the first drawing of each letter in its colour).
TEST(P206Problem6, NamesPClearOfTheHeight) {
    Rig r(ProgramC());
    r.AnyKeys(12);
    EXPECT_TRUE(r.Run(ChapterAProblem6Answer));
    const struct {
        const char* name;
        int colour;
        float x, y;
    } names[] = {{"P", 5, 914.7f, 158.0f}, {"h", 7, 865.2f, 176.0f}};
    for (const auto& n : names) {
        const Op* found = nullptr;
        for (const Op& op : r.Log())
            if (!found && op.kind == Op::Text && op.text == n.name && op.colour == n.colour)
                found = &op;
        ASSERT_NE(found, nullptr) << n.name;
        EXPECT_NEAR(found->x1, n.x, 0.1) << n.name;
        EXPECT_NEAR(found->y1, n.y, 0.1) << n.name;
    }
}

}  // namespace
}  // namespace vm::test
