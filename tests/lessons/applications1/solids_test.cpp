#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "lessons/applications1/solids.h"
#include "lessons/common/figure.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

const std::string kList = " ①直方体　②問11　③問12　④問13　⑤円錐　⑥問14　⑦問15　⑧終了";

const SceneCase kScenes[] = {
    {1, 13,
     {{kAt, "問　直方体の対角線BHの長さを求めなさい。", 72, 30, 3, kAnyKey, 2},
      {kAt, "BH^2=", 108, 90, 0},
      {kAfter, "3^2+", 0, 90, 0},
      {kAfter, "FH^2", 0, 90, 0},
      {kAt, "FH^2=", 108, 150, 0},
      {kAfter, "4^2+2^2", 0, 150, 0},
      {kAt, "したがって、", 108, 210, 0},
      {kAt, "BH^2", 108, 270, 0},
      {kAfter, "=9+16+4=29", 0, 330, 0},
      {kAt, "BH>0 だから、", 108, 390, 0},
      {kAt, "BH=!29ﾝ", 108, 450, 0},
      {kAt, "答　!29ﾝcm", 108, 510, 5},
      {kAt, "教科書P199 問11　をしなさい。", 44, 590, 0}}},
    {2, 4,
     {{kAt, "教科書P199 問11 解答", 36, 30, 3},
      {kAt, "底面の対角線の長さをxcmとすると", 36, 90, 0},
      {kAt, "x^2=3^2+5^2", 36, 150, 0},
      {kAt, "直方体の対角線の長さをycmとすると", 36, 210, 0},
      {kAt, "y^2=x^2+4^2=9+25+16=50", 36, 270, 0},
      {kAt, "y>0 だから、　y=!50ﾝ=", 36, 330, 0},
      {kAfter, "5!2ﾝ", 0, 330, 3},
      {kAt, "答　5!2ﾝcm", 36, 390, 5},
      {kAt, "教科書P199 問12　をしなさい。", 44, 590, 7}}},
    {3, 4,
     {{kAt, "教科書P199 問12 解答", 108, 30, 3},
      {kAt, "底面の対角線の長さをxとすると", 108, 90, 0},
      {kAt, "x^2=a^2+b^2", 108, 150, 0},
      {kAt, "直方体の対角線の長さをyとすると", 108, 210, 0},
      {kAt, "y^2=x^2+c^2=a^2+b^2+c^2", 108, 270, 0},
      {kAt, "y>0 だから、　y=!a^2+b^2+c^2ﾝ", 108, 330, 0},
      {kAt, "教科書P199 問13　をしなさい。", 44, 590, 7}}},
    {4, 0,
     {{kAt, "教科書P199 問13 解答", 36, 30, 3},
      {kAt, "立方体の対角線は、", 36, 90, 0},
      {kAt, " !6^2+6^2+6^2ﾝ", 36, 150, 0},
      {kAt, "=!3*6^2ﾝ", 36, 210, 0},
      {kAt, "=6!3ﾝ", 36, 270, 0},
      {kAt, "答　6!3ﾝcm", 36, 330, 5}}},
    {5, 14,
     {{kAt, "問　円錐の体積を求めなさい。", 72, 30, 3},
      {kAt, "高さをhcmとすると", 108, 90, 3},
      {kAt, "13^2=", 108, 150, 0},
      {kAfter, "5^2+h^2", 0, 150, 0},
      {kAt, "h=!144ﾝ=", 108, 330, 0},
      {kAfter, "12", 0, 330, 3},
      {kAt, "体積は", 108, 390, 0},
      {kAt, "ﾀ1/3ﾀ*π*5^2*12=", 108, 470, 0},
      {kAfter, "π*25*4=", 0, 470, 0},
      {kAfter, "100π", 0, 470, 3},
      {kAt, "答　100πcm^3", 108, 530, 5},
      {kAt, "教科書P200 問14　をしなさい。", 44, 590, 0}}},
    {6, 4,
     {{kAt, "教科書P200 問14 解答  ", 54, 30, 3},
      {kAt, "底面の半径をrcmとすると", 54, 90, 3},
      {kAt, "r^2=6^2-4^2=36-16=20", 54, 210, 0},
      {kAt, "r>0 だから、", 54, 270, 0},
      {kAfter, "r=!20ﾝ=", 0, 270, 0},
      {kAfter, "2!5ﾝ", 0, 270, 3},
      {kAt, "体積は", 54, 350, 0},
      {kAt, "ﾀ1/3ﾀ*π*(2!5ﾝ)^2*4=ﾀ1/3ﾀ*π*20*4=", 54, 430, 0},
      {kAfter, "ﾀ80/3ﾀπ", 0, 430, 5},
      {kAt, "答　ﾀ80/3ﾀπcm^3", 54, 510, 5},
      {kAt, "教科書P200 問15　をしなさい。", 308, 590, 0}}},
    {7, 12,
     {{kAt, "教科書P200 問15 解答  ", 36, 30, 3},
      {kAt, "(1)", 36, 90, 7},
      {kAfter, "△ABCは直角二等辺三角形だから、", 0, 90, 0},
      {kAt, "AC=", 36, 150, 0},
      {kAfter, "6!2ﾝcm,AH=", 0, 150, 0},
      {kAfter, "6!2ﾝ/2=", 0, 150, 0},
      {kAfter, "3!2ﾝ(cm)", 0, 150, 5},
      {kAt, "(2)", 36, 210, 7},
      {kAfter, " 直角三角形OAHにおいて", 0, 210, 0},
      {kAt, "OH^2=5^2-(3!2ﾝ)^2=25-18=7", 36, 330, 0},
      {kAt, "OH>0 だから、", 36, 390, 0},
      {kAfter, "OH=", 0, 390, 0},
      {kAfter, "!7ﾝ", 0, 390, 3},
      {kAt, "体積は ", 36, 470, 0},
      {kAfter, "ﾀ1/3ﾀ*6*6*!7ﾝ=", 0, 470, 0},
      {kAfter, "12!7ﾝ(cm^3)", 0, 470, 5}}},
};

class SolidsScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SolidsScene, WaitsItsStepsAndWritesItsLines) {
    CheckScene(ProgramB(), 4, GetParam());
}

INSTANTIATE_TEST_SUITE_P(SolidsLesson, SolidsScene, ::testing::ValuesIn(kScenes), SceneName);

// A rig that has run a scene with `keys` keys (running out ends it early).
struct SceneAlone {
    SceneAlone(Routine scene, int keys, bool render = false) : r(ProgramB(), render) {
        r.AnyKeys(keys);
        finished = r.Run(scene);
    }
    Rig r;
    bool finished = false;
};

bool IsShade(const Op& op) { return op.kind == Op::FillPolygon && op.fill == 11; }
bool IsFigureClear(const Op& op) { return IsFilledBox(op, 748, 0, 2508, 1800, 15); }

TEST(SolidsCuboid, PointsAreTheLessonsObliqueView) {
    Rig r(ProgramB());
    Frame(r.s, 836, 90, 12, 10, 35);
    ComputeSolidsCuboidPoints(r.s);
    // B, F, C, G, D, H, A, E.
    const float want[8][2] = {{836, 230},    {836, 405},  {1116, 230},  {1116, 405},
                              {1186, 142.5}, {1186, 317.5}, {906, 142.5}, {906, 317.5}};
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(r.s.X_a(i), want[i - 1][0]) << i;
        EXPECT_EQ(r.s.Y_a(i), want[i - 1][1]) << i;
    }
    EXPECT_EQ(r.s.A, 5);
    EXPECT_EQ(r.s.B, 2.5f);
    EXPECT_TRUE(r.Log().empty());
}

// ①: the triangle BFH filled after the first key, FGH after the fifth; the
// first fill stays; after each, the diagonal and the cuboid come again over
// the colour. Its edge lengths at pen width 3, 16 px out.
TEST(CuboidDiagonalScene, FillsTwoTrianglesUnderTheEdges) {
    SceneAlone run(CuboidDiagonalExample, 13);
    EXPECT_TRUE(run.finished);
    const auto& log = run.r.Log();
    const auto waits = Find(log, IsStepWait);
    ASSERT_EQ(waits.size(), 13u);
    std::vector<size_t> fills;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].kind == Op::FillPolygon) fills.push_back(i);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_TRUE(fills[0] > waits[0] && fills[0] < waits[1]);
    EXPECT_TRUE(fills[1] > waits[4] && fills[1] < waits[5]);
    const struct {
        int fill;
        Point corners[3];
    } want[2] = {{13, {{836, 230}, {836, 405}, {1186, 317.5}}},
                 {11, {{836, 405}, {1116, 405}, {1186, 317.5}}}};
    for (int k = 0; k < 2; ++k) {
        const Op& f = log[fills[k]];
        EXPECT_EQ(f.fill, want[k].fill);
        EXPECT_EQ(f.colour, 0);
        ASSERT_GE(f.pts.size(), 3u);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(f.pts[c].x, want[k].corners[c].x);
            EXPECT_EQ(f.pts[c].y, want[k].corners[c].y);
        }
        // F-H again in colour 3, then every letter again, after the fill.
        bool fh = false;
        for (size_t i = fills[k]; i < waits[k == 0 ? 1 : 5]; ++i) {
            const Op& op = log[i];
            fh = fh || (op.kind == Op::Line && op.colour == 3 && op.x1 == 836 && op.y1 == 405 &&
                        op.x2 == 1186 && op.y2 == 317.5f);
        }
        EXPECT_TRUE(fh) << k;
        for (const char* letter : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
            int n = 0;
            for (size_t i = fills[k]; i < waits[k == 0 ? 1 : 5]; ++i)
                n += log[i].kind == Op::Text && log[i].text == letter;
            EXPECT_EQ(n, 1) << letter << " after fill " << k;
        }
    }
    // The lengths before the first key, at width 3 and 16 px from their edges.
    for (size_t i = 0; i < waits[0]; ++i) {
        if (log[i].kind == Op::Dot && log[i].colour == 3) {
            EXPECT_EQ(log[i].width, 3);
        }
    }
    float lowest = 0;
    for (size_t i = 0; i < waits[0]; ++i)
        if (log[i].kind == Op::Dot && log[i].colour == 3 && log[i].x1 > 900 && log[i].x1 < 1050)
            lowest = std::max(lowest, log[i].y1);
    EXPECT_NEAR(lowest, 405 + 16, 0.5);
    for (const char* label : {"2㎝", "4㎝", "3㎝"}) {
        const size_t at = FindText(log, label, 0, waits[0]);
        ASSERT_NE(at, kNone) << label;
        EXPECT_EQ(log[at].colour, 3);
    }
}

TEST(CuboidAnswerScenes, NameTheirDiagonalsOnTheSegmentsInColourFive) {
    for (Routine scene : {CuboidDiagonalAnswer, CuboidDiagonalFormula}) {
        SceneAlone run(scene, 4);
        EXPECT_TRUE(run.finished);
        const auto& log = run.r.Log();
        // F-H and B-H in colour 5 at width 5; the dots of their names on them.
        for (const Op& op : log) {
            if (op.kind == Op::Line && op.colour == 5 && op.x1 > 800) {
                EXPECT_EQ(op.width, 5);
            }
            if (op.kind != Op::Dot || op.colour != 5) continue;
            const bool on_fh = std::fabs((op.y1 - 405) * 350 + (op.x1 - 836) * 87.5f) < 400;
            const bool on_bh = std::fabs((op.y1 - 230) * 350 - (op.x1 - 836) * 87.5f) < 400;
            EXPECT_TRUE(on_fh || on_bh) << op.x1 << "," << op.y1;
        }
        // The edge lengths at pen width 5.
        for (const Op& op : log) {
            if (op.kind == Op::Dot && op.colour == 3) {
                EXPECT_EQ(op.width, 5);
            }
        }
        EXPECT_EQ(run.r.p.GetDrawWidth(), 5);
    }
}

TEST(SquarePyramidScene, ShadesOahAfterTwoKeysAndClearsOnlyTheFigureAfterThree) {
    // Two keys: the shaded OAH is drawn, with the pyramid over it.
    SceneAlone two(SquarePyramidProblem, 2, true);
    EXPECT_FALSE(two.finished);
    const auto& log = two.r.Log();
    const auto shades = Find(log, IsShade);
    ASSERT_EQ(shades.size(), 1u);
    const Op& shade = log[shades[0]];
    EXPECT_EQ(shade.colour, 0);
    ASSERT_GE(shade.pts.size(), 3u);
    EXPECT_EQ(shade.pts[0].x, 993);  // O
    EXPECT_EQ(shade.pts[0].y, 195);
    EXPECT_EQ(shade.pts[1].x, 783);  // A
    EXPECT_EQ(shade.pts[1].y, 440);
    EXPECT_EQ(shade.pts[2].x, 993);  // H
    EXPECT_EQ(shade.pts[2].y, 440);
    EXPECT_NE(FindText(log, "5㎝", shades[0]), kNone) << "the pyramid comes last";
    EXPECT_EQ(Count(log, IsFigureClear), 1u);
    two.r.Png("solids_pyramid_shaded.png");

    // Three keys: the figure side cleared again, no shade after it, the base
    // figure and "(1)"; the title on the left never cleared.
    SceneAlone three(SquarePyramidProblem, 3, true);
    const auto& log3 = three.r.Log();
    const auto clears = Find(log3, IsFigureClear);
    ASSERT_EQ(clears.size(), 2u);
    EXPECT_EQ(Count(log3, IsShade, clears[1]), 0u);
    EXPECT_EQ(CountMarkup(log3, "(1)", 36, 90, 7), 1);
    EXPECT_EQ(CountClears(log3), 1u);
    EXPECT_GT(InkIn(three.r.p, 36, 30, 700, 70), 0) << "the title stays";
    EXPECT_GT(InkIn(three.r.p, 36, 90, 700, 130), 0) << "(1) is written";
    // The shade's colour is gone from the figure: sample inside OAH.
    EXPECT_EQ(InkIn(three.r.p, 900, 400, 940, 425), 0);
    EXPECT_GT(InkIn(two.r.p, 900, 400, 940, 425), 0);
    three.r.Png("solids_pyramid_base.png");
}

TEST(SquarePyramidScene, EveryFigureStepEndsWithThePyramid) {
    SceneAlone run(SquarePyramidProblem, 12);
    EXPECT_TRUE(run.finished);
    const auto& log = run.r.Log();
    const auto waits = Find(log, IsStepWait);
    ASSERT_EQ(waits.size(), 12u);
    // The figure steps 1, 2, 3, 4 and 7 each draw the letter O last of the
    // figure; the others draw no figure.
    size_t from = 0;
    int figures = 0;
    for (size_t w = 0; w <= waits.size(); ++w) {
        const size_t to = w < waits.size() ? waits[w] : log.size();
        size_t o = kNone;
        for (size_t i = from; i < to; ++i)
            if (log[i].kind == Op::Text && log[i].text == "O" && log[i].y1 == 147) o = i;
        if (o != kNone) {
            ++figures;
            for (size_t i = o + 1; i < to; ++i) {
                EXPECT_FALSE(log[i].kind == Op::Line || log[i].kind == Op::FillPolygon ||
                             log[i].kind == Op::Polyline)
                    << "figure after the pyramid in step " << w + 1;
            }
        }
        from = to;
    }
    EXPECT_EQ(figures, 5);
    EXPECT_EQ(run.r.p.GetDrawWidth(), 5);
}

TEST(ConeScenes, DrawTheSameConeAndTheirLengthsAtTheirWidths) {
    SceneAlone example(ConeVolumeExample, 14);
    SceneAlone problem(ConeVolumeProblem, 4);
    EXPECT_TRUE(example.finished);
    EXPECT_TRUE(problem.finished);
    // ⑤ ends at pen width 3, ⑥ at 5.
    EXPECT_EQ(example.r.p.GetDrawWidth(), 3);
    EXPECT_EQ(problem.r.p.GetDrawWidth(), 5);

    // The same slant sides, radius and base in both, up to the letter A.
    auto cone = [](const std::vector<Op>& log) {
        std::vector<Op> out;
        for (const Op& op : log) {
            if (op.kind == Op::Text && op.text == "A" && op.y1 == 125 - 48) break;
            if (op.kind == Op::Line || op.kind == Op::Dot) out.push_back(op);
        }
        return out;
    };
    const auto a = cone(example.r.Log()), b = cone(problem.r.Log());
    ASSERT_EQ(a.size(), b.size());
    EXPECT_GT(a.size(), 200u);
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].x1, b[i].x1);
        EXPECT_EQ(a[i].y1, b[i].y1);
        EXPECT_EQ(a[i].colour, 0);
        EXPECT_EQ(a[i].width, 5);
    }

    // ⑤: no length before the first key; the lengths at width 3, the height
    // with its right angle (width 5) after the second.
    const auto& log = example.r.Log();
    const auto waits = Find(log, IsStepWait);
    ASSERT_EQ(waits.size(), 14u);
    EXPECT_EQ(FindText(log, "5㎝", 0, waits[0]), kNone);
    const size_t five = FindText(log, "5㎝", waits[0], waits[1]);
    ASSERT_NE(five, kNone);
    EXPECT_EQ(log[five].colour, 3);
    for (size_t i = waits[0]; i < waits[1]; ++i) {
        if (log[i].kind == Op::Dot) {
            EXPECT_EQ(log[i].width, 3);
        }
    }
    size_t marks = 0;
    for (size_t i = waits[1]; i < waits[2]; ++i) {
        const Op& op = log[i];
        if (op.kind == Op::Polyline && op.colour == 5) {
            ++marks;
            EXPECT_EQ(op.width, 5);
            ASSERT_EQ(op.pts.size(), 3u);
            EXPECT_NEAR(op.pts[1].x, 1011 - 30, 0.01);  // 30 px sides at O, towards B and A
            EXPECT_NEAR(op.pts[1].y, 405 - 30, 0.01);
        }
        if (op.kind == Op::Line) {
            EXPECT_EQ(op.width, 5);
        }
    }
    EXPECT_EQ(marks, 1u);
    const size_t h = FindText(log, "h㎝", waits[1], waits[2]);
    ASSERT_NE(h, kNone);
}

}  // namespace
}  // namespace vm::test
