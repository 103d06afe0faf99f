// Velmaris-B's special-triangles lesson, run as a pupil runs it.
#include "lessons/applications1/special.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "state/binding.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// --- the fixed scenes, end to end ------------------------------------------

const SceneCase kScenes[] = {
    {1, 23,
     {{kAt, "P193Q ", 30, 30, 7},
      {kAfter, "円形の花だんを囲む", 0, 30, 0},
      {kAfter, "8本の棒に、イルミネーションを取りつけます。", 0, 30, 0},
      {kAt, "コードの長さはどれくらい必要？", 30, 80, 3},
      {kAt, "コード1本分の長さは?", 30, 130, 7},
      {kLabel, "A", 916, 110, 0},
      {kLabel, "B", 690, 435, 0},
      {kLabel, "O", 938, 440, 0},
      {kAfter, " 線分ABの長さ", 0, 130, 3},
      {kAt, "AB=xm とすると", 30, 180, 0},
      {kAt, "AO=6m,BO=4m だから", 30, 230, 0},
      {kAt, "x^2=6^2+4^2", 30, 290, 0},
      {kAfter, "=36+16", 0, 290, 0},
      {kAfter, "=52", 0, 290, 0},
      {kAt, "x>0 だから ", 30, 350, 0},
      {kAfter, "x=", 0, 350, 5},
      {kAfter, "!52ﾝ=", 0, 350, 0},
      {kAfter, "2!13ﾝ(m)", 0, 350, 5},
      {kAt, "教科書P194 問1をやろう。", 30, 430, 7},
      {kAt, "8*2!13ﾝ", 30, 490, 0},
      {kAfter, "=16!13ﾝ", 0, 490, 0},
      {kAfter, "=16*3.6", 0, 490, 0},
      {kAfter, "=57.6", 0, 490, 0},
      {kAt, "答　約57.6m", 30, 550, 5}}},
    {2, 9,
     {{kAt, "課　1辺が1cmの正方形の", 36, 30, 7},
      {kAt, "対角線の長さを求めなさい。", 108, 80, 7},
      {kAt, "      <解答>", 36, 140, 3},
      {kAt, "対角線の長さをxcmとすると", 108, 190, 0},
      {kAt, "x^2=", 108, 250, 0},
      {kAfter, "1^2+1^2", 0, 250, 0},
      {kAt, "  =2", 108, 310, 0},
      {kAt, "x>0 だから", 108, 370, 0},
      {kAt, "x=", 108, 430, 0},
      {kAfter, "!2ﾝ", 0, 430, 3},
      {kAt, "答 !2ﾝcm", 108, 490, 5}}},
    {3, 12,
     {{kAt, "課　1辺が2cmの正三角形の高さを求めなさい。", 36, 30, 7},
      {kLabel, "D", 972, 444, 0},
      {kAt, "      <解答>", 36, 90, 3},
      {kAt, "AD=hcmとすると", 108, 140, 0},
      {kAt, "2^2=", 108, 200, 0},
      {kAfter, "1^2+h^2", 0, 200, 0},
      {kAt, "h^2=", 108, 260, 0},
      {kAfter, "2^2-1^2=4-1=3", 0, 260, 0},
      {kAt, "h>0 だから", 108, 320, 0},
      {kAt, "h=", 108, 380, 0},
      {kAfter, "!3ﾝ", 0, 380, 3},
      {kAt, "答 !3ﾝcm", 108, 440, 5}}},
    {4, 4,
     {{kAt, "<特別な直角三角形の3辺の比>", 108, 30, 3},
      {kMark, "45°", 0, 0, 5},
      {kMark, "45°", 0, 0, 5},
      {kMark, "1", 0, 0, 5},
      {kMark, "1", 0, 0, 5},
      {kMark, "!2ﾝ", 0, 0, 5},
      {kMark, "60°", 0, 0, 5},
      {kMark, "30°", 0, 0, 5},
      {kMark, "2", 0, 0, 5},
      {kMark, "1", 0, 0, 5},
      {kMark, "!3ﾝ", 0, 0, 5}}},
    {6, 0,
     {{kAt, "問2 解答", 36, 30, 3},
      {kAt, "(1) 1:!2ﾝ=3:x", 36, 80, 0},
      {kAt, "x=3!2ﾝ", 108, 140, 5},
      {kAt, "(2) 2:1=x:4", 36, 210, 0},
      {kAt, "x=8", 108, 270, 5},
      {kAt, "1:!3ﾝ=4:y", 108, 330, 0},
      {kAt, "y=4!3ﾝ", 108, 390, 5}}},
};

class SpecialScene : public ::testing::TestWithParam<SceneCase> {};

// Every text in order, at its place and in its colour; a continuation
// starts where the text before it ended, labels leave the cursor.
TEST_P(SpecialScene, StepsThroughItsTextsAndShowsTheListAtOnce) {
    CheckScene(ProgramB(), 1, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Special, SpecialScene, ::testing::ValuesIn(kScenes), SceneName);

// --- the figures' own numbers ------------------------------------------------

TEST(SpecialFigures, FlowerBedCordsMeetTheRimAndTheMarksStandOutside) {
    const auto log = RunAlone(ProgramB(), SpecialTrianglesSceneFlowerBed, 23);
    const auto beds = OfKind(log, Op::Sector);
    ASSERT_EQ(beds.size(), 1u);
    EXPECT_EQ(beds[0].x1, 930);
    EXPECT_EQ(beds[0].y1, 460);
    EXPECT_EQ(beds[0].r, 200);
    EXPECT_FLOAT_EQ(beds[0].aspect, 0.125f);
    EXPECT_EQ(beds[0].fill, 13);
    EXPECT_EQ(beds[0].width, 5);

    const Point rim[8] = {{964.7f, 435.4f}, {815.3f, 439.5f},  {733.0f, 455.7f},
                          {766.2f, 474.3f}, {895.3f, 484.6f},  {1044.7f, 480.5f},
                          {1127.0f, 464.3f}, {1093.8f, 445.7f}};
    std::vector<Op> cords;
    for (const Op& op : OfKind(log, Op::Line))
        if (op.x1 == 930 && op.y1 == 160 && op.colour == 0) cords.push_back(op);
    ASSERT_EQ(cords.size(), 8u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(cords[k].x2, rim[k].x, 0.06) << k;
        EXPECT_NEAR(cords[k].y2, rim[k].y, 0.06) << k;
    }
    // All eight in one step: no wait between the first cord and the last.
    const auto first = std::find_if(log.begin(), log.end(), [](const Op& o) {
        return o.kind == Op::Line && o.x1 == 930 && o.y1 == 160;
    });
    const auto waits_before = Count(log, IsStepWait, 0, static_cast<size_t>(first - log.begin()));
    EXPECT_EQ(waits_before, 1u);
    EXPECT_EQ(Count(log, IsStepWait, static_cast<size_t>(first - log.begin()),
                    static_cast<size_t>(first - log.begin()) + 8),
              0u);

    // Five dimension lines of 19 dots on their segments.
    const auto runs = DotRuns(log);
    EXPECT_EQ(Sizes(runs), std::vector<size_t>(5, 19));
    for (const Op& d : runs[0].dots) EXPECT_FLOAT_EQ(d.y1, 510);
    for (const Op& d : runs[1].dots) EXPECT_FLOAT_EQ(d.x1, 1130);

    // The triangle 10 px wide, the pen back at 5 for the right angle.
    std::vector<Op> triangle;
    for (const Op& op : OfKind(log, Op::Polyline))
        if (op.pts.size() == 4) triangle.push_back(op);
    ASSERT_EQ(triangle.size(), 1u);
    ExpectPolyline(triangle[0], {{930, 160}, {730, 460}, {930, 460}, {930, 160}}, 7);
    EXPECT_EQ(triangle[0].width, 10);
    const auto mark = RightAngleMarks(log);
    ASSERT_EQ(mark.size(), 1u);
    ExpectPolyline(mark[0], {{890, 460}, {890, 420}, {930, 420}}, 3);
    EXPECT_EQ(mark[0].width, 5);

    // Dimension labels: 8m below the bed, 6m right of it; xm up and left of
    // AB, 6m right of AO, 4m below BO, outside the triangle.
    const auto eight = LabelsOf(log, "8m", 3);
    ASSERT_EQ(eight.size(), 1u);
    EXPECT_GE(eight[0].y, 510);
    const auto six = LabelsOf(log, "6m", 3);
    ASSERT_EQ(six.size(), 1u);
    EXPECT_GT(six[0].x, 1130);
    const auto x = LabelsOf(log, "xm", 5);
    ASSERT_EQ(x.size(), 1u);
    EXPECT_LT(x[0].x, 830);
    EXPECT_LT(x[0].y, 310);
    const auto ao = LabelsOf(log, "6m", 5);  // and the answer's "57.6m"
    ASSERT_EQ(ao.size(), 2u);
    EXPECT_GE(ao[0].x, 929.9);
    const auto bo = LabelsOf(log, "4m", 5);
    ASSERT_EQ(bo.size(), 1u);
    EXPECT_GE(bo[0].y, 460);
}

TEST(SpecialFigures, SquareArcsLieOutsideAndTheDiagonalArcOnAsSide) {
    const auto log = RunAlone(ProgramB(), SpecialTrianglesSceneSquare, 9);
    const auto runs = DotRuns(log);
    ASSERT_EQ(Sizes(runs), std::vector<size_t>(3, 37));
    for (const Op& d : runs[0].dots) EXPECT_GE(d.y1, 440 - 1e-3);   // below BC
    for (const Op& d : runs[1].dots) EXPECT_GE(d.x1, 1092 - 1e-3);  // right of CD
    // On A's side of BD: above the line y = 440 - (x - 842).
    for (size_t i = 1; i + 1 < runs[2].dots.size(); ++i)
        EXPECT_LT(runs[2].dots[i].y1, 440 - (runs[2].dots[i].x1 - 842)) << i;
    const auto marks = RightAngleMarks(log);
    ASSERT_EQ(marks.size(), 1u);
    ExpectPolyline(marks[0], {{1052, 440}, {1052, 400}, {1092, 400}}, 5);
    const auto diagonal = FigureLines(log, 800);
    ASSERT_EQ(diagonal.size(), 5u);  // four sides, then BD
    EXPECT_EQ(diagonal[4].x1, 842);
    EXPECT_EQ(diagonal[4].y2, 190);
}

TEST(SpecialFigures, EquilateralTicksAltitudeAndRightAngle) {
    const auto log = RunAlone(ProgramB(), SpecialTrianglesSceneEquilateral, 12);
    const auto lines = FigureLines(log, 800);
    // Three sides, two ticks, the altitude.
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_NEAR(lines[0].y1, 490 - 50 * (1 + 3 * std::sqrt(3.0f)), 1e-3);
    EXPECT_NEAR(lines[0].y1, 180.19f, 0.01);
    for (int i : {3, 4}) {
        EXPECT_FLOAT_EQ(lines[i].x1, i == 3 ? 925 : 1075);
        EXPECT_FLOAT_EQ(std::fmin(lines[i].y1, lines[i].y2), 432);
        EXPECT_FLOAT_EQ(std::fmax(lines[i].y1, lines[i].y2), 448);
        EXPECT_EQ(lines[i].colour, 3);
    }
    EXPECT_EQ(lines[5].x1, 992);
    EXPECT_EQ(lines[5].x2, 992);
    EXPECT_EQ(lines[5].y2, 440);
    const auto marks = RightAngleMarks(log);
    ASSERT_EQ(marks.size(), 1u);
    ExpectPolyline(marks[0], {{992, 400}, {952, 400}, {952, 440}}, 5);
    const auto dots = OfKind(log, Op::Dot);
    EXPECT_EQ(std::count_if(dots.begin(), dots.end(),
                            [](const Op& d) { return d.r == 5 && d.x1 == 992 && d.y1 == 440; }),
              1);
    const auto runs = DotRuns(log);
    ASSERT_EQ(Sizes(runs), std::vector<size_t>(3, 37));
    EXPECT_LT(runs[0].dots[18].x1, 917);  // "2cm": up and left of AB
    EXPECT_GT(runs[1].dots[18].y1, 440);  // "1cm": below BD
    EXPECT_GT(runs[2].dots[18].x1, 992);  // "hcm": right of AD
}

TEST(SpecialFigures, SideRatiosDotsSectorsAndArcApexes) {
    const auto log = RunAlone(ProgramB(), SpecialTrianglesSceneSideRatios, 4);
    const auto runs = DotRuns(log);
    // The dotted lines of each figure follow each other: 37 + 37, 37 + 26.
    const std::vector<size_t> want = {74, 63, 37, 37, 37, 37, 37, 37};
    ASSERT_EQ(Sizes(runs), want);
    EXPECT_NEAR(runs[1].dots[36].x1, 972, 0.01);
    EXPECT_NEAR(runs[1].dots[36].y1, 440, 0.01);
    // The half base every 7 degrees stops 0.4 px short of the far corner.
    EXPECT_NEAR(runs[1].dots.back().x1, 971.6f, 0.05);
    // Side-label apexes, outside their triangles.
    const Point apex[6] = {{247, 460}, {392, 315}, {233, 301}, {655, 257}, {672, 460}, {792, 267}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_NEAR(runs[2 + k].dots[18].x1, apex[k].x, 1.0) << k;
        EXPECT_NEAR(runs[2 + k].dots[18].y1, apex[k].y, 1.0) << k;
    }
    const auto sectors = OfKind(log, Op::Sector);
    ASSERT_EQ(sectors.size(), 4u);
    const float radius[4] = {50, 50, 50, 70}, degrees[4] = {45, 45, 60, 30};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(sectors[k].r, radius[k]);
        EXPECT_EQ(sectors[k].colour, 3);
        EXPECT_EQ(sectors[k].fill, 9);
        const float span = std::fmod(sectors[k].end - sectors[k].start + 1.0f, 1.0f) * 360;
        EXPECT_NEAR(span, degrees[k], 0.01) << k;
    }
    const auto marks = RightAngleMarks(log);
    ASSERT_EQ(marks.size(), 2u);
    ExpectPolyline(marks[0], {{332, 440}, {332, 400}, {372, 400}}, 5);
    ExpectPolyline(marks[1], {{772, 400}, {732, 400}, {732, 440}}, 5);
    // Letters: C, A, B from the list, then A, B, C; the dotted corners none.
    std::string letters;
    for (const Op& op : Texts(log))
        if (op.colour == 3 && op.y1 != 30) letters += op.text;
    EXPECT_EQ(letters, "CABABC");
}

// --- the lesson's entry and its list ------------------------------------------

// "10/2" is worth 5 but leads with 10, which names no item: the menu again.
TEST(SpecialLesson, MainMenuRedrawsForALeadingNumberWithoutAnItem) {
    const Ended run = RunKeys(ProgramB(), "10/2\\n1\\n7\\n6\\n");
    EXPECT_EQ(run.unread, 0u);
    EXPECT_EQ(Count(run.log, IsMenuPanel), 3u);
    EXPECT_EQ(CountMarkup(run.log, "<めあて>", 44, 240, 3), 1);
}

// --- the drill -------------------------------------------------------------------

struct DrillProblem {
    float erase_from, erase_to;
    int waits;
    float margin;
    float degrees;
    std::vector<Point> triangle;  // pixels of points 1, 2, 3
    int arcs[2][2];               // the measured sides, by point
};

const float kRoot3 = 3 * std::sqrt(3.0f);
const DrillProblem kDrill[4] = {
    {0, 700, 3, 72, 45, {{272, 90}, {272, 290}, {472, 290}}, {{1, 2}, {3, 1}}},
    {650, 1350, 4, 750, 45, {{850, 90}, {850, 290}, {1050, 290}}, {{1, 2}, {3, 1}}},
    {0, 600, 4, 72, 60, {{422, 90}, {72 + 50 * (7 - kRoot3), 240}, {422, 240}}, {{1, 3}, {2, 3}}},
    {650, 1350, 4, 750, 30, {{1000, 90}, {650 + 50 * (7 - kRoot3), 240}, {1000, 240}},
     {{2, 3}, {1, 2}}},
};

// The lines and answers of each problem for n = 1 to 9.
std::vector<std::string> DrillLines(int problem, int n) {
    const std::string d = std::to_string(n), c = n == 1 ? "" : d;
    switch (problem) {
        case 0: return {"1:!2ﾝ=" + d + ":x", "x="};
        case 1: return {"1:!2ﾝ=x:" + d, "!2ﾝx=" + d, "x=ﾀ" + d + "/!2ﾝﾀ=ﾀ" + d + "*!2ﾝ/2ﾀ="};
        case 2: return {"1:!3ﾝ=x:" + d, "!3ﾝx=" + d, "x=ﾀ" + d + "/!3ﾝﾀ=ﾀ" + d + "*!3ﾝ/3ﾀ="};
        default: return {"2:!3ﾝ=" + d + ":x", "2x=" + c + "!3ﾝ", "x="};
    }
}
const char* const kAnswers[4][9] = {
    {"!2ﾝ", "2!2ﾝ", "3!2ﾝ", "4!2ﾝ", "5!2ﾝ", "6!2ﾝ", "7!2ﾝ", "8!2ﾝ", "9!2ﾝ"},
    {"ﾀ1/2ﾀ!2ﾝ", "!2ﾝ", "ﾀ3/2ﾀ!2ﾝ", "2!2ﾝ", "ﾀ5/2ﾀ!2ﾝ", "3!2ﾝ", "ﾀ7/2ﾀ!2ﾝ", "4!2ﾝ", "ﾀ9/2ﾀ!2ﾝ"},
    {"ﾀ1/3ﾀ!3ﾝ", "ﾀ2/3ﾀ!3ﾝ", "!3ﾝ", "ﾀ4/3ﾀ!3ﾝ", "ﾀ5/3ﾀ!3ﾝ", "2!3ﾝ", "ﾀ7/3ﾀ!3ﾝ", "ﾀ8/3ﾀ!3ﾝ",
     "3!3ﾝ"},
    {"ﾀ1/2ﾀ!3ﾝ", "!3ﾝ", "ﾀ3/2ﾀ!3ﾝ", "2!3ﾝ", "ﾀ5/2ﾀ!3ﾝ", "3!3ﾝ", "ﾀ7/2ﾀ!3ﾝ", "4!3ﾝ", "ﾀ9/2ﾀ!3ﾝ"},
};

bool IsDrillErase(const Op& op) {
    return op.kind == Op::FillBox && op.y1 == 80 && op.y2 == 1880 && op.fill == 15;
}

// Gate entries that repeat a problem, and those that end it.
const char* const kRepeat[] = {"0", "1.5", "", "1/0", "5/", "-1", "a{Left}0"};
const char* const kEnd[] = {"1", "1.0", "01", "2/2", "3/3"};

// Which n a showing drew: the one whose first line was written, in colour
// 0 at its margin 60 px below the figure.
int DrawnN(const std::vector<Op>& showing, int problem) {
    int found = 0;
    for (int n = 1; n <= 9; ++n)
        if (CountMarkup(showing, DrillLines(problem, n)[0], kDrill[problem].margin, 350, 0) == 1) {
            EXPECT_EQ(found, 0) << "two n drawn";
            found = n;
        }
    return found;
}

TEST(SpecialDrill, EverySeedDrawsNumbersInRangeAndKeepsItsLayout) {
    bool seen[4][10] = {};
    for (int seed = 0; seed <= 141; ++seed) {
        // Problem k is shown 1 + (seed + k) % 3 times.
        std::string keys = "1\\n5\\n";
        std::vector<int> problems;
        for (int k = 0; k < 4; ++k) {
            const int showings = 1 + (seed + k) % 3;
            for (int i = 0; i < showings; ++i) {
                problems.push_back(k);
                keys += AnyKeys(kDrill[k].waits);
                const char* gate = i + 1 < showings
                                       ? kRepeat[(seed + i + k) % std::size(kRepeat)]
                                       : kEnd[(seed + k) % std::size(kEnd)];
                keys += std::string(gate) + "\\n";
            }
        }
        const Ended run = RunKeys(ProgramB(), keys + "7\\n6\\n", TimeForSeed(seed));
        ASSERT_EQ(run.unread, 0u) << seed;
        ASSERT_FALSE(run.error) << seed;
        const auto& log = run.log;
        const auto erases = Find(log, IsDrillErase);
        const auto gates = Find(log, IsNextStepGate);
        ASSERT_EQ(erases.size(), problems.size()) << seed;
        ASSERT_EQ(gates.size(), problems.size()) << seed;
        for (size_t i = 0; i < problems.size(); ++i) {
            const int k = problems[i];
            const DrillProblem& p = kDrill[k];
            const Op& erase = log[erases[i]];
            EXPECT_EQ(erase.x1, p.erase_from);
            EXPECT_EQ(erase.x2, p.erase_to);
            ASSERT_LT(erases[i], gates[i]);
            const std::vector<Op> showing(log.begin() + static_cast<long>(erases[i]),
                                          log.begin() + static_cast<long>(gates[i]));
            EXPECT_EQ(CountStepWaits(showing), static_cast<size_t>(p.waits)) << seed;

            const int n = DrawnN(showing, k);
            ASSERT_TRUE(n >= 1 && n <= 9) << "seed " << seed << " problem " << k + 1;
            // Lines and answer in full the first time each n comes up.
            if (!seen[k][n]) {
                const auto lines = DrillLines(k, n);
                float y = 290;
                for (const auto& line : lines) {
                    y += 60;
                    EXPECT_EQ(CountMarkup(showing, line, p.margin, y, 0), 1) << line;
                }
                const float after = PenAfter(lines.back(), p.margin);
                EXPECT_EQ(CountMarkup(showing, kAnswers[k][n - 1], after, y, 5), 1)
                    << "problem " << k + 1 << " n " << n;
                seen[k][n] = true;
            }
            // The answer is the last thing drawn: no wait before the gate.
            const auto waits = Find(showing, IsStepWait);
            ASSERT_FALSE(waits.empty());
            const auto answer = Find(showing, [](const Op& op) {
                return op.kind == Op::Text && op.colour == 5 && op.y1 < 657;
            });
            ASSERT_FALSE(answer.empty());
            EXPECT_GT(answer.front(), waits.back());

            // One sector on the marked angle; every arc outside the triangle.
            const auto sectors = OfKind(showing, Op::Sector);
            ASSERT_EQ(sectors.size(), 1u);
            const float span = std::fmod(sectors[0].end - sectors[0].start + 1.0f, 1.0f) * 360;
            EXPECT_NEAR(span, p.degrees, 0.01) << k;
            const auto runs = DotRuns(showing);
            ASSERT_EQ(runs.size(), 2u);
            for (int a = 0; a < 2; ++a) {
                const Point from = p.triangle[static_cast<size_t>(p.arcs[a][0] - 1)];
                const Point to = p.triangle[static_cast<size_t>(p.arcs[a][1] - 1)];
                const Point third = p.triangle[static_cast<size_t>(6 - p.arcs[a][0] - p.arcs[a][1] - 1)];
                EXPECT_TRUE(ArcOutside(runs[static_cast<size_t>(a)], from, to, third))
                    << k << " arc " << a;
            }
        }
        // The close: in colour 7 at (44, 590) after the last gate, no wait,
        // then the list.
        const auto lists = Find(log, IsSceneList);
        ASSERT_EQ(lists.size(), 2u);
        EXPECT_EQ(CountMarkup(log, "教科書P195 問2　をしなさい。", 44, 590, 7), 1);
        const size_t close = FindText(log, "教科書P195", gates.back());
        ASSERT_NE(close, kNone);
        EXPECT_LT(close, lists[1]);
        EXPECT_EQ(CountStepWaits(log, gates.back(), lists[1]), 0u);
    }
    for (int k = 0; k < 4; ++k)
        for (int n = 1; n <= 9; ++n) EXPECT_TRUE(seen[k][n]) << "problem " << k + 1 << " n " << n;
}

// While problem (3) is asked, problem (2) stays on the right and the title
// above; the erase of (3) stops at x 600.
TEST(SpecialDrill, ProblemTwoStaysInViewBesideProblemThree) {
    Rig r(ProgramB(), true);
    r.Keys(AnyKeys(3) + "1\\n" + AnyKeys(4) + "1\\n" + AnyKeys(4));
    EXPECT_FALSE(r.Run(SpecialTrianglesSceneDrill));  // the keys end at the gate of (3)
    EXPECT_GT(InkIn(r.p, 650, 80, 700, 130), 0);   // "(2)"
    EXPECT_GT(InkIn(r.p, 840, 80, 1060, 300), 0);  // its triangle
    EXPECT_GT(InkIn(r.p, 750, 340, 1100, 520), 0);  // its lines
    EXPECT_GT(InkIn(r.p, 72, 30, 400, 60), 0);      // the title
    EXPECT_GT(InkIn(r.p, 72, 80, 130, 130), 0);     // "(3)"
    r.Png("special_drill_3.png");
}

}  // namespace
}  // namespace vm::test
