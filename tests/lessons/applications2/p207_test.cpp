#include "lessons/applications2/p207.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// The main menu's item 5 and the lesson's quit item.
constexpr int kLesson = 5;

SceneRun RunP207(int item, int keys) { return SceneRun(ProgramC(), kLesson, item, keys); }

const SceneCase kScenes[] = {
    {1, 9,
     {
         {kAt, "AC=xcmとすると", 38, 90, 3, 0},
         {kAt, "BC=(x+1)cm,AB=(x+9)cm だから", 38, 150, 0, 1},
         {kAt, "(x+1)^2+x^2=(x+9)^2", 38, 210, 0, 2},
         {kAt, "x^2+2x+1+x^2=x^2+18x+81", 38, 270, 0, 3},
         {kAt, "2x^2-x^2+2x-18x+1-81=0", 38, 330, 0, 4},
         {kAt, "x^2-16x-80=0", 38, 390, 0, 4},
         {kAt, "(x-20)(x+4)=0", 38, 450, 0, 5},
         {kAt, "x=20,-4", 38, 510, 0, 6},
         {kAt, "x>0だから ", 38, 570, 0, 7},
         {kAfter, "x=20 したがって　AB=", 0, 570, 0, 8},
         {kAfter, "20+9=", 0, 570, 0, 9},
         {kAfter, "29(cm)", 0, 570, 5, 9},
     },
     {{0, 72, 27, 556, 77, 3, 13}, {0, 600, 27, 640, 77, 4, 3}}},
    {2, 11,
     {
         {kAt, "H", 881, 466, 0, 0},
         {kAt, "△ABHで、13^2=", 38, 90, 0, 1},
         {kAfter, "x^2+h^2", 0, 90, 0, 2},
         {kAt, "h^2=", 38, 150, 0, 3},
         {kAfter, "13^2-x^2=", 0, 150, 0, 4},
         {kAfter, "169-x^2", 0, 150, 3, 4},
         {kAfter, "…①", 0, 150, 0, 4},
         {kAt, "△ACHで、15^2=", 38, 210, 0, 5},
         {kAfter, "(14-x)^2+h^2", 0, 210, 0, 6},
         {kAt, "h^2=15^2-(14-x)^2=", 38, 270, 0, 6},
         {kAfter, "-x^2+28x+29", 0, 270, 3, 6},
         {kAt, "よって、169-x^2=-x^2+28x+29", 38, 330, 0, 7},
         {kAt, "整理すると、28x=140 ", 38, 390, 0, 8},
         {kAfter, "x=5", 0, 390, 3, 8},
         {kAt, "①に代入して、h^2=169-5^2=144", 38, 450, 0, 9},
         {kAt, "h>0 だから、h=!144ﾝ=", 38, 510, 0, 10},
         {kAfter, "12", 0, 510, 3, 10},
         {kAt, "△ABC=ﾀ1/2ﾀ*14*12=", 38, 590, 3, 11},
         {kAfter, "84", 0, 590, 5, 11},
     },
     {{0, 72, 27, 556, 77, 3, 13}, {0, 600, 27, 640, 77, 4, 3}}},
    {3, 7,
     {
         {kAt, "A(5,0)", 1039, 300, 3, 0},
         {kAt, "P", 969.328f, 117.836f, 3, 0},
         {kAt, "点Pからx軸へ垂線をひく", 40, 90, 0, 1},
         {kAt, "点Pのx座標を", 40, 150, 0, 2},
         {kAfter, "p", 0, 150, 3, 2},
         {kAfter, "とすると、y座標は", 0, 150, 0, 2},
         {kAfter, "ﾀ1/2ﾀp", 0, 150, 3, 2},
         {kAt, "OA=OP だから OP=5", 40, 210, 0, 3},
         {kAt, "ﾀ5/4ﾀp^2=25", 40, 350, 0, 5},
         {kAt, "p^2=20", 40, 410, 0, 5},
         {kAt, "p>0 だから p=!20ﾝ=", 40, 470, 0, 6},
         {kAfter, "2!5ﾝ", 0, 470, 3, 6},
         {kAfter, "  ﾀ1/2ﾀp=ﾀ1/2ﾀ*2!5ﾝ=", 0, 470, 0, 7},
         {kAfter, "!5ﾝ", 0, 470, 3, 7},
         {kAt, "答　P(2!5ﾝ,!5ﾝ)", 40, 530, 5, 7},
     },
     {{0, 40, 27, 524, 77, 3, 13}, {0, 568, 27, 608, 77, 4, 3}}},
    {4, 9,
     {
         {kAt, "A", 469, 400, 0, 0},
         {kAt, "O", 952, 47, 0, 1},
         {kAt, "A", 727.144f, 183.5f, 0, 1},
         {kAt, "A", 1168.856f, 183.5f, 0, 1},
         {kAt, "<解答>", 40, 90, 3, 2},
         {kAfter, "側面のおうぎ形の中心角は", 0, 90, 0, 2},
         {kAt, "360°*ﾀ2*π*3/2*π*9ﾀ=360°*ﾀ1/3ﾀ=", 40, 160, 0, 2},
         {kAfter, "120°", 0, 160, 3, 2},
         {kAt, "H", 952, 213.5f, 0, 4},
         {kAt, "△OAHにおいて", 40, 240, 0, 6},
         {kAt, "9:AH=", 40, 300, 0, 6},
         {kAfter, "2:!3ﾝ", 0, 300, 0, 7},
         {kAt, "2AH=9!3ﾝ", 40, 360, 0, 8},
         {kAt, "AH=ﾀ9/2ﾀ!3ﾝ だから", 40, 420, 0, 8},
         {kAt, "求める長さは、", 40, 480, 0, 8},
         {kAt, "2*ﾀ9/2ﾀ!3ﾝ=", 40, 560, 0, 9},
         {kAfter, "9!3ﾝ(cm)", 0, 560, 5, 9},
     },
     {{0, 40, 27, 524, 77, 3, 13}, {0, 568, 27, 608, 77, 4, 3}}},
    {5, 11,
     {
         {kAt, "E", 854, 220, 0, 0},
         {kAt, "M", 760, 235, 0, 0},
         {kAt, "N", 1080, 160, 0, 0},
         {kAt, "(1)", 30, 80, 3, 1},
         {kAfter, "DN=3cm", 0, 80, 0, 1},
         {kAt, "BD=6*!2ﾝ=6!2ﾝ(cm)", 30, 130, 0, 1},
         {kAt, "BN^2=3^2+(6!2ﾝ)^2=9+72=81", 30, 190, 0, 2},
         {kAt, "BN>0 だから ", 30, 240, 0, 3},
         {kAfter, "BN=9cm", 0, 240, 5, 3},
         {kAt, "(2)四角形はひし形になる", 30, 300, 3, 4},
         {kAt, "MG^2=3^2+6^2=9+36=45", 30, 350, 0, 5},
         {kAt, "MG>0 だから ", 30, 400, 0, 6},
         {kAfter, "MG=3!5ﾝcm", 0, 400, 3, 6},
         {kAt, "周の長さは、", 30, 450, 3, 7},
         {kAfter, "4*3!5ﾝ=", 0, 450, 0, 7},
         {kAfter, "12!5ﾝ(cm)", 0, 450, 5, 7},
         {kAt, "AG=", 30, 510, 3, 8},
         {kAfter, "!6^2+6^2+6^2ﾝ=!6^2*3ﾝ=", 0, 510, 0, 8},
         {kAfter, "6!3ﾝ", 0, 510, 3, 8},
         {kAfter, ",MN=6!2ﾝ", 0, 510, 3, 9},
         {kAfter, " だから", 0, 510, 0, 9},
         {kAt, "面積は、", 30, 580, 3, 10},
         {kAfter, "ﾀ1/2ﾀ*6!3ﾝ*6!2ﾝ=", 0, 580, 0, 10},
         {kAfter, "18!6ﾝ(cm^2)", 0, 580, 5, 11},
     },
     {{0, 30, 17, 514, 67, 3, 13}, {0, 558, 17, 598, 67, 4, 3}}},
};

class P207Scene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(P207Scene, StepsThroughItsAnswerAndReturnsToTheList) {
    for (const auto& info : {ProgramC(), ProgramE()}) CheckScene(info, kLesson, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Textbook, P207Scene, ::testing::ValuesIn(kScenes), SceneName);

TEST(P207Problem1, MarksEachSideOutsideTheTriangle) {
    const SceneRun run = RunP207(1, 9);
    ExpectMarks(run, 0, {{1157, 420, 1157, 120, true, 37, 3}});
    ExpectMarks(run, 1, {{1157, 120, 842, 420, true, 61, 3}, {842, 420, 1157, 420, true, 46, 3}});
    // The letters once each, outside the triangle.
    const struct {
        const char* letter;
        float x, y;  // the corner
    } corners[] = {{"A", 1157, 120}, {"B", 842, 420}, {"C", 1157, 420}};
    for (const auto& c : corners) {
        std::vector<const Op*> found;
        for (size_t i = run.begin(); i < run.end(); ++i)
            if (run.log[i].kind == Op::Text && run.log[i].text == c.letter && run.log[i].x1 > 700)
                found.push_back(&run.log[i]);
        ASSERT_EQ(found.size(), 1u) << c.letter;
        const float cx = found[0]->x1 + 13, cy = found[0]->y1 + 22;  // the glyph's middle
        // Outside: away from the triangle's centroid.
        const float gx = (1157 + 842 + 1157) / 3.0f, gy = (120 + 420 + 420) / 3.0f;
        EXPECT_GT(std::hypot(cx - gx, cy - gy), std::hypot(c.x - gx, c.y - gy)) << c.letter;
    }
}

TEST(P207Problem2, AddsTheFourteenMinusXArcWithKeyFive) {
    const SceneRun run = RunP207(2, 11);
    ExpectMarks(run, 0,
                {{900, 100, 900, 460, false, 46, 3},
                 {900, 100, 750, 460, true, 61, 3},
                 {900, 100, 1170, 460, false, 61, 3},
                 {750, 460, 900, 460, true, 46, 3},
                 {750, 460, 1170, 460, true, 61, 3}});
    const auto deep = DotRuns(run.log, run.KeyStart(0), run.KeyEnd(0));
    EXPECT_NEAR(deep[3].dots[23].y1, 480, 0.5);
    EXPECT_NEAR(deep[4].dots[30].y1, 520, 0.5);
    for (size_t k = 1; k <= 11; ++k) {
        const auto runs = DotRuns(run.log, run.KeyStart(k), run.KeyEnd(k));
        if (k != 5) {
            EXPECT_TRUE(runs.empty()) << k;
            continue;
        }
        ExpectMarks(run, 5, {{900, 460, 1170, 460, true, 46, 7}});
        EXPECT_NEAR(runs[0].dots[23].y1, 480, 0.5);
        // The minus is a stroke, not a glyph.
        const size_t label = FindText(run.log, "14x", runs[0].first, run.KeyEnd(5));
        ASSERT_NE(label, kNone);
        EXPECT_EQ(run.log[label].colour, 7);
    }
    // The right angle at H: the corner of the square x 860-900, y 420-460.
    std::vector<Op> lines;
    for (const Op& op : OfKind({run.log.begin() + static_cast<long>(run.begin()),
                                run.log.begin() + static_cast<long>(run.end())},
                               Op::Polyline))
        if (op.colour == 5) lines.push_back(op);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].pts.size(), 3u);
    const auto& pts = lines[0].pts;
    EXPECT_NEAR(pts[1].x, 860, 0.01);
    EXPECT_NEAR(pts[1].y, 420, 0.01);
    const bool a_first = std::fabs(pts[0].x - 900) < 0.01f;
    const Point up = a_first ? pts[0] : pts[2], left = a_first ? pts[2] : pts[0];
    EXPECT_NEAR(up.x, 900, 0.01);
    EXPECT_NEAR(up.y, 420, 0.01);
    EXPECT_NEAR(left.x, 860, 0.01);
    EXPECT_NEAR(left.y, 460, 0.01);
}

TEST(P207Problem3, FindsPAndDrawsTheParenthesesLarge) {
    Rig r(ProgramC());
    r.AnyKeys(7);
    EXPECT_TRUE(r.Run(ChapterBProblem3Answer));
    ExpectPoints(r.s, {{2, 988.33f, 165.84f}});
    EXPECT_EQ(r.s.X_a(3), r.s.X_a(2));
    EXPECT_EQ(r.s.Y_a(3), 300);
    EXPECT_EQ(r.s.KAKKO, 0);

    const SceneRun run = RunP207(3, 7);
    // The line: from (660, 330) to (1080, 120), its label moved off the end.
    std::vector<const Op*> dots;
    for (size_t i = run.begin(); i < run.KeyEnd(0); ++i)
        if (run.log[i].kind == Op::Dot && run.log[i].r == 1) dots.push_back(&run.log[i]);
    ASSERT_EQ(dots.size(), 5001u);
    EXPECT_NEAR(dots.front()->x1, 660, 0.01);
    EXPECT_NEAR(dots.front()->y1, 330, 0.01);
    EXPECT_NEAR(dots.back()->x1, 1080, 0.1);
    EXPECT_NEAR(dots.back()->y1, 120, 0.1);
    EXPECT_NE(FindMarkup(run.log, "y=ﾀ1/2ﾀx", dots.back()->x1 - 114, dots.back()->y1 - 60, 0),
              kNone);
    // Key 4: the large "(" and ")" round the fraction, then "\2" raised.
    size_t large = 0;
    for (size_t i = run.KeyStart(4); i < run.KeyEnd(4); ++i) {
        const Op& op = run.log[i];
        if (op.kind == Op::Text && (op.text == "(" || op.text == ")")) {
            EXPECT_EQ(op.mv, 4) << op.text;
            ++large;
        }
    }
    EXPECT_EQ(large, 2u);
    // The marks: p below the x axis, ½p towards A, 5 above OP.
    ExpectMarks(run, 2,
                {{720, 300, 988.33f, 300, true, 46, 3}, {988.33f, 165.84f, 988.33f, 300, false, 21, 3}});
    ExpectMarks(run, 3, {{720, 300, 988.33f, 165.84f, false, 46, 3}});
}

TEST(P207Problem4, DevelopsTheConeIntoA120DegreeSector) {
    Rig r(ProgramC());
    r.AnyKeys(9);
    EXPECT_TRUE(r.Run(ChapterBProblem4Answer));
    ExpectPoints(r.s, {{0, 970, 95},
                       {1, 775.14f, 207.5f},
                       {2, 1164.86f, 207.5f},
                       {3, 970, 207.5f},
                       {4, 970, 395},
                       {5, 1045, 395}});

    const SceneRun run = RunP207(4, 9);
    auto part = [&](size_t k) {
        return std::vector<Op>(run.log.begin() + static_cast<long>(run.KeyStart(k)),
                               run.log.begin() + static_cast<long>(run.KeyEnd(k)));
    };
    // The cone: the curved surface, then the base over it.
    const auto sectors = OfKind(part(0), Op::Sector);
    ASSERT_EQ(sectors.size(), 2u);
    EXPECT_NEAR(sectors[0].x1, 604, 0.01);
    EXPECT_NEAR(sectors[0].y1, 240, 0.01);
    EXPECT_NEAR(sectors[0].r, 223.6f, 0.1);
    EXPECT_EQ(sectors[0].fill, 11);
    EXPECT_EQ(sectors[1].x1, 604);
    EXPECT_EQ(sectors[1].y1, 440);
    EXPECT_EQ(sectors[1].r, 100);
    EXPECT_NEAR(sectors[1].aspect, 1.0f / 3, 1e-4);
    EXPECT_EQ(sectors[1].colour, 14);
    EXPECT_EQ(sectors[1].fill, 11);
    // The string: 61 dots in front from A to the middle of the right slant
    // side, then 19 behind.
    const auto cone = DotRuns(run.log, run.KeyStart(0), run.KeyEnd(0));
    ASSERT_EQ(cone.back().dots.size(), 61u + 19u);
    const Op& end = cone.back().dots[60];
    EXPECT_EQ(end.colour, 5);
    EXPECT_NEAR(end.x1, 654, 0.01);
    EXPECT_NEAR(end.y1, 340, 0.01);
    // The development: the lower 120° and the base circle that touches it.
    const auto arcs = OfKind(part(1), Op::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].x1, 970);
    EXPECT_EQ(arcs[0].y1, 95);
    EXPECT_EQ(arcs[0].r, 225);
    EXPECT_NEAR(arcs[0].start, 1.0f / 12, 1e-6);
    EXPECT_NEAR(arcs[0].end, 5.0f / 12, 1e-6);
    EXPECT_NEAR(arcs[1].x1, 970, 0.01);
    EXPECT_NEAR(arcs[1].y1, 395, 0.01);
    EXPECT_EQ(arcs[1].r, 75);
    EXPECT_EQ(arcs[1].start, arcs[1].end);
    // Key 3: the chord; key 5: the 30° at A.
    const auto chord = OfKind(part(3), Op::Line);
    ASSERT_EQ(chord.size(), 1u);
    EXPECT_EQ(chord[0].colour, 5);
    EXPECT_NEAR(chord[0].x1, 775.14f, 0.1);
    EXPECT_NEAR(chord[0].x2, 1164.86f, 0.1);
    const auto mark = OfKind(part(5), Op::Arc);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_EQ(mark[0].r, 42);
    const float sweep = std::fmod(mark[0].end - mark[0].start + 1, 1.0f);
    EXPECT_NEAR(sweep * 360, 30, 0.1);
    EXPECT_NE(FindText(run.log, "30°", run.KeyStart(5), run.KeyEnd(5)), kNone);
}

TEST(P207Problem5, LettersTheCubeOnceAndUsesTheLoweredN) {
    Rig r(ProgramC());
    r.AnyKeys(11);
    EXPECT_TRUE(r.Run(ChapterBProblem5Answer));
    ExpectPoints(r.s, {{9, 800, 260}, {10, 1070, 185}}, 0.01f);

    const SceneRun run = RunP207(5, 11);
    for (const char* letter : {"A", "B", "C", "D", "E", "F", "G", "H", "M", "N"}) {
        size_t n = 0;
        for (size_t i = run.begin(); i < run.end(); ++i)
            if (run.log[i].kind == Op::Text && run.log[i].text == letter && run.log[i].y1 < 400 &&
                run.log[i].x1 > 700)
                ++n;
        EXPECT_EQ(n, 1u) << letter;
    }
    size_t n_dots = 0;
    for (size_t i = run.begin(); i < run.end(); ++i) {
        const Op& op = run.log[i];
        if (op.kind == Op::Dot && op.r == 6 && op.x1 == 1070 && op.y1 == 185) ++n_dots;
    }
    EXPECT_EQ(n_dots, 1u);
    // Key 1: the triangle B-D-N in colour 7, then the edges through C over
    // it; key 4: the rhombus A-M-G-N in colour 5.
    const auto polylines = [&](size_t k, int colour) {
        std::vector<size_t> out;
        for (size_t i = run.KeyStart(k); i < run.KeyEnd(k); ++i)
            if (run.log[i].kind == Op::Polyline && run.log[i].colour == colour &&
                run.log[i].pts.size() > 3)
                out.push_back(i);
        return out;
    };
    const auto bdn = polylines(1, 7);
    ASSERT_EQ(bdn.size(), 1u);
    const Op& triangle = run.log[bdn[0]];
    ASSERT_EQ(triangle.pts.size(), 4u);
    EXPECT_NEAR(triangle.pts[2].x, 1070, 0.01);
    EXPECT_NEAR(triangle.pts[2].y, 185, 0.01);
    size_t after = 0;
    for (size_t i = bdn[0] + 1; i < run.KeyEnd(1) && run.log[i].kind != Op::Text; ++i)
        if (run.log[i].kind == Op::Line && run.log[i].colour == 0) ++after;
    EXPECT_EQ(after, 3u);
    const auto rhombus = polylines(4, 5);
    ASSERT_EQ(rhombus.size(), 1u);
    const auto& corners = run.log[rhombus[0]].pts;
    ASSERT_EQ(corners.size(), 5u);
    const Point want[] = {{890, 80}, {800, 260}, {980, 350}, {1070, 185}, {890, 80}};
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_NEAR(corners[k].x, want[k].x, 0.01) << k;
        EXPECT_NEAR(corners[k].y, want[k].y, 0.01) << k;
    }
    // The edge "6㎝" at pen width 3, the hidden edges at 5.
    for (const auto& d : DotRuns(run.log, run.begin(), run.KeyEnd(0))) {
        EXPECT_EQ(d.dots[0].width, d.dots[0].colour == 3 ? 3 : 5);
    }
}

}  // namespace
}  // namespace vm::test

namespace vm::test {
namespace {

// As drawn: the development's arc through its lowest point, nothing of its
// circle above O.
TEST(P207Problem4, DevelopmentShowsTheLowerArcOnly) {
    Rig r(ProgramC(), true);
    r.AnyKeys(1);
    EXPECT_FALSE(r.Run(ChapterBProblem4Answer));
    EXPECT_GT(InkIn(r.p, 965, 315, 976, 326), 0);
    EXPECT_EQ(InkIn(r.p, 700, 0, 1440, 40), 0);
    r.Png("p207_development.png");
}

}  // namespace
}  // namespace vm::test
