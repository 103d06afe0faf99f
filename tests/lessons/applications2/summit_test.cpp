#include "lessons/applications2/summit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "frame/program.h"
#include "platform/platform.h"
#include "programs/common/programs.h"
#include "state/binding.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm {
namespace {

using test::Find;
using test::FindText;
using test::kAnywhere;
using test::kNone;
using test::Near;

const test::SceneCase kScenes[] = {
    {1, 10,
     {{kAnywhere, "Q 富士山の山頂はどれくらい遠くから見えるだろう?", 0, 0, 0},
      {kAnywhere, "①", 0, 0, 0},
      {kAnywhere, "図で考えよう", 0, 0, 0},
      {kAnywhere, "水平ならば", 0, 0, 0},
      {kAnywhere, "どこからでも見える", 0, 0, 0},
      {kAnywhere, "球ならば", 0, 0, 0},
      {kAnywhere, "接線より上側しか見えない", 0, 0, 0}}},
    {2, 9,
     {{kAnywhere, "Q 富士山の山頂はどれくらい遠くから見えるだろう?", 0, 0, 0},
      {kAnywhere, "②", 0, 0, 0},
      {kAnywhere, "山頂から見えるもっとも", 0, 0, 0},
      {kAnywhere, "遠い地点Aを図に表そう", 0, 0, 0},
      {kAnywhere, "点Pから円Oにひいた", 0, 0, 0},
      {kAnywhere, "接線の接点がAになる", 0, 0, 0},
      {kAnywhere, "A", 0, 0, 0},
      // The scene ends with the two tangents.
      {kAnywhere, "A", 0, 0, 0, 8}}},
    {3, 11,
     {{kAnywhere, "③", 0, 0, 0},
      {kAnywhere, "PAの長さを求めよう", 0, 0, 0},
      {kAnywhere, "富士山の高さ…3776m", 0, 0, 0},
      {kAnywhere, "地球の半径…6378km", 0, 0, 0},
      {kAnywhere, "6378km", 0, 0, 0},
      {kAnywhere, "3.776km", 0, 0, 0},
      {kAnywhere, "とすると", 0, 0, 0},
      {kAnywhere, "xkm", 0, 0, 0},
      {kAnywhere, "だから", 0, 0, 0},
      {kAnywhere, "219.5015", 0, 0, 0},
      {kAnywhere, "約 220km", 0, 0, 0}}},
    {4, 6,
     {{kAnywhere, "④", 0, 0, 0},
      {kAnywhere, "富士山を中心に半径220kmの円をかこう", 0, 0, 0},
      {kAnywhere, "富士山", 0, 0, 0},
      {kAnywhere, "は何cm?", 0, 0, 0},
      {kAnywhere, "縮尺", 0, 0, 0},
      {kAnywhere, "だから", 0, 0, 0},
      {kAnywhere, "(cm)", 0, 0, 0},
      {kAnywhere, "三重県や新潟県、福島県", 0, 0, 0},
      {kAnywhere, "も入っている", 0, 0, 0}}},
    {5, 6,
     {{kAnywhere, "A", 0, 0, 0},
      {kAnywhere, "⑤", 0, 0, 0},
      {kAnywhere, "220kmより遠くから見える場合は?", 0, 0, 0},
      {kAnywhere, "220km", 0, 0, 0},
      {kAnywhere, "B", 0, 0, 0},
      {kAnywhere, "C", 0, 0, 0},
      {kAnywhere, "山などの高い場所", 0, 0, 0},
      {kAnywhere, "富士山が見えるもっとも遠い場所は", 0, 0, 0},
      {kAnywhere, "和歌山県の色川富士見峠で、", 0, 0, 0},
      {kAnywhere, "富士山からの距離323km", 0, 0, 0},
      {kAnywhere, "標高約700m", 0, 0, 0}}},
};

class SummitScene : public ::testing::TestWithParam<test::SceneCase> {};

// Each scene run as a pupil would: lesson 1 from the main menu, the scene's
// number, a key for every step, then back to the main menu and quit.
TEST_P(SummitScene, StepsThroughItsTextsAndReturnsToTheSceneList) {
    test::CheckScene(ProgramC(), 1, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Summit, SummitScene, ::testing::ValuesIn(kScenes), test::SceneName);

// --- the scenes called on their own ----------------------------------------

// A run of Velmaris-C with `waits` keys ready for one scene.
struct SceneRig : test::Rig {
    explicit SceneRig(int waits) : Rig(ProgramC()) { Rig::AnyKeys(waits); }
    bool PointIs(int i, float x, float y, float tol = 0.01f) {
        return Near(s.X_a(i), x, tol) && Near(s.Y_a(i), y, tol);
    }
};

float DistanceToSegment(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    float t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = std::fmax(0, std::fmin(1, t));
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

TEST(SummitFigure, PlacesTheObserversOnFlatGroundAndOnTheEarth) {
    SceneRig r(10);
    SummitSceneFigure(r.s);
    const struct {
        int entry;
        float x, y;
    } points[] = {
        {0, 840, 650},         {13, 840, 170},        {11, 770.54f, 256.08f},
        {12, 909.46f, 256.08f}, {1, 703.19f, 256.08f}, {2, 640, 256.08f},
        {3, 582.89f, 256.08f}, {4, 703.19f, 274.12f}, {5, 1060.28f, 144.16f},
        {6, 640, 303.59f},     {7, 969.09f, 113.59f}, {8, 582.89f, 343.58f},
        {9, 873.98f, 99.32f},
    };
    for (const auto& pt : points) EXPECT_TRUE(r.PointIs(pt.entry, pt.x, pt.y)) << pt.entry;

    // The summit stands above the tangents of observers 1 and 2 and below
    // that of observer 3: y of the tangent line at the summit's x.
    for (int k = 1; k <= 3; ++k) {
        const int a = 2 * k + 2, b = a + 1;
        const float y_at = r.s.Y_a(a) + (r.s.Y_a(b) - r.s.Y_a(a)) *
                                            (r.s.X_a(13) - r.s.X_a(a)) / (r.s.X_a(b) - r.s.X_a(a));
        if (k < 3) {
            EXPECT_LT(r.s.Y_a(13), y_at) << k;
        } else {
            EXPECT_GT(r.s.Y_a(13), y_at);
        }
    }

    // The flat ground spans the frame through both feet; the picture is then
    // erased inside the frame only, and the earth is its upper half.
    const auto& log = r.p.Log();
    bool ground = false, erase = false, earth = false;
    for (const auto& op : log) {
        if (op.kind == Op::Line && op.x1 == 440 && op.x2 == 1240 && Near(op.y1, 256.08f) &&
            Near(op.y2, 256.08f))
            ground = true;
        if (op.kind == Op::FillBox && op.x1 == 440 && op.y1 == 90 && op.x2 == 1240 &&
            op.y2 == 650 && op.fill == 15)
            erase = true;
        if (op.kind == Op::Arc && op.x1 == 840 && op.y1 == 650 && op.r == 400)
            earth = op.start == 0.5f && op.end == 0 && op.colour == 0;
    }
    EXPECT_TRUE(ground);
    EXPECT_TRUE(erase);
    EXPECT_TRUE(earth);
    EXPECT_EQ(r.p.PendingKeys(), 0u);
}

TEST(SummitConstruction, FindsBothTangentPointsByCompassAndRuler) {
    SceneRig r(9);
    SummitSceneConstruction(r.s);
    EXPECT_TRUE(r.PointIs(0, 840, 610));
    EXPECT_TRUE(r.PointIs(13, 840, 130));
    EXPECT_TRUE(r.PointIs(1, 840, 370));
    EXPECT_TRUE(r.PointIs(2, 720, 370));
    EXPECT_TRUE(r.PointIs(3, 960, 370));
    EXPECT_TRUE(r.PointIs(4, 618.89f, 276.67f));
    EXPECT_TRUE(r.PointIs(5, 1061.11f, 276.67f));
    EXPECT_TRUE(r.PointIs(6, 471.49f, 374.44f));
    EXPECT_TRUE(r.PointIs(7, 1208.51f, 374.44f));

    // The compass arcs about O (above it) and P (below it), each 18 degrees
    // past the crossing points 2 and 3, which both pass through.
    std::vector<Op> arcs;
    for (const auto& op : r.p.Log())
        if (op.kind == Op::Arc && op.colour == 7) arcs.push_back(op);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_TRUE(Near(arcs[0].y1, 610) && Near(arcs[0].start, 0.6262f, 1e-4f) &&
                Near(arcs[0].end, 0.8738f, 1e-4f));
    EXPECT_TRUE(Near(arcs[1].y1, 130) && Near(arcs[1].start, 0.1262f, 1e-4f) &&
                Near(arcs[1].end, 0.3738f, 1e-4f));
    for (const auto& a : arcs) {
        EXPECT_NEAR(a.r, 268.33f, 0.01f);
        EXPECT_NEAR(std::hypot(720 - a.x1, 370 - a.y1), a.r, 0.01f);
    }

    // The labels "A": left of the left point, right of the right one.
    const auto& log = r.p.Log();
    std::vector<const Op*> labels;
    for (const auto& op : log)
        if (op.kind == Op::Text && op.text == "A" && op.colour == 5) labels.push_back(&op);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_LT(labels[0]->x1, r.s.X_a(4));
    EXPECT_GT(labels[1]->x1, r.s.X_a(5));
}

TEST(SummitTangentLength, ShowsTheRootToSevenDigits) {
    SceneRig r(11);
    SummitSceneTangentLength(r.s);
    EXPECT_EQ(r.s.T_sa(1), "219.5015");
    EXPECT_TRUE(r.PointIs(4, 618.9f, 276.7f, 0.05f));
    EXPECT_TRUE(r.PointIs(6, 471.5f, 374.4f, 0.05f));
    EXPECT_TRUE(r.PointIs(14, 840, 210));

    // The lines of the working stand 50 px apart (60 before the root) down
    // the left margin.
    const auto& log = r.p.Log();
    const struct {
        const char* text;
        float y;
        int colour;
    } lines[] = {
        {"OP=6378", 70, 0},   {"とすると", 120, 0}, {"12759.776", 320, 0},
        {"48180.914176", 370, 0}, {"だから", 420, 0}, {"48180.914176", 480, 3},
        {"219.5015", 530, 5}, {"約 220km", 580, 5},
    };
    size_t at = 0;
    for (const auto& l : lines) {
        size_t last = 0;
        const size_t i = FindText(log, l.text, at, kNone, &last);
        ASSERT_NE(i, kNone) << l.text;
        EXPECT_EQ(log[i].y1, l.y) << l.text;
        EXPECT_EQ(log[i].colour, l.colour) << l.text;
        at = last + 1;
    }
}

// The three length marks stand on the sides the figure needs: the earth's
// radius and the mountain's height on the left of their direction, the
// tangent on its right, away from the triangle OAP.
TEST(SummitTangentLength, DrawsTheLengthMarksOnTheirSides) {
    SceneRig r(11);
    SummitSceneTangentLength(r.s);
    const auto marks = test::DotRuns(r.p.Log());
    const struct {
        int from, to;
        size_t dots;
        bool left;
    } want[] = {{0, 4, 37, true}, {13, 14, 19, true}, {13, 4, 37, false}};
    ASSERT_EQ(marks.size(), 3u);
    for (size_t k = 0; k < 3; ++k) {
        const auto& w = want[k];
        const auto& m = marks[k].dots;
        ASSERT_EQ(m.size(), w.dots) << k;
        for (const Op& d : m) EXPECT_EQ(d.colour, 7) << k;
        const float x1 = r.s.X_a(w.from), y1 = r.s.Y_a(w.from);
        const float x2 = r.s.X_a(w.to), y2 = r.s.Y_a(w.to);
        // A dot on each end, in either order.
        const auto at = [](const Op& d, float x, float y) {
            return Near(d.x1, x) && Near(d.y1, y);
        };
        EXPECT_TRUE((at(m.front(), x1, y1) && at(m.back(), x2, y2)) ||
                    (at(m.front(), x2, y2) && at(m.back(), x1, y1)))
            << k;
        // The apex against the left-hand normal (dy, -dx) of the direction
        // as seen on the screen.
        const Op& apex = marks[k].Middle();
        const float side = (apex.x1 - (x1 + x2) / 2) * (y2 - y1) -
                           (apex.y1 - (y1 + y2) / 2) * (x2 - x1);
        EXPECT_EQ(side > 0, w.left) << k;
    }
}

TEST(SummitMap, KeepsTheCoastClosedWhereTheSecondTableOverwritesTheFirst) {
    SceneRig r(6);
    SummitSceneMap(r.s);
    // Untouched by the second table: 13-17 and 24-40 keep the coast.
    EXPECT_TRUE(r.PointIs(13, 1050, 189));
    EXPECT_TRUE(r.PointIs(17, 1009.5f, 369));
    EXPECT_TRUE(r.PointIs(24, 933, 369));
    EXPECT_TRUE(r.PointIs(40, 681, 418.5f));
    // The text lines stand at y 20, 70, 120, 190, 260, 330 and 380, the
    // stacked fraction leaving the line's top where it was.
    EXPECT_EQ(r.s.YI1, 380);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
    // Overwritten: the summit and the islands.
    EXPECT_TRUE(r.PointIs(0, 870, 360));
    EXPECT_TRUE(r.PointIs(18, 919.5f, 423));
    EXPECT_TRUE(r.PointIs(23, 951, 585));

    std::vector<const Op*> lines;
    const Op* circle = nullptr;
    size_t circle_at = 0;
    const auto& log = r.p.Log();
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].kind == Op::Polyline) lines.push_back(&log[i]);
        if (log[i].kind == Op::Arc) circle = &log[i], circle_at = i;
    }
    ASSERT_EQ(lines.size(), 6u);  // five coast lines and the lake
    const std::vector<size_t> sizes = {10, 10, 10, 10, 11, 6};
    for (size_t k = 0; k < 6; ++k) EXPECT_EQ(lines[k]->pts.size(), sizes[k]) << k;
    for (size_t k = 1; k < 5; ++k) {
        EXPECT_EQ(lines[k]->pts.front().x, lines[k - 1]->pts.back().x) << k;
        EXPECT_EQ(lines[k]->pts.front().y, lines[k - 1]->pts.back().y) << k;
    }
    EXPECT_EQ(lines[4]->pts.back().x, lines[0]->pts.front().x);
    EXPECT_EQ(lines[4]->pts.back().y, lines[0]->pts.front().y);
    EXPECT_EQ(lines[4]->pts[4].x, 712.5f);  // table 2 entry 1 after entry 40
    EXPECT_EQ(lines[4]->pts[4].y, 450);

    // The 220 km circle comes only after "=2.2(cm)" and its key wait.
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->r, 198);
    EXPECT_EQ(circle->colour, 3);
    EXPECT_EQ(Find(log, test::IsStepWait, 0, circle_at).size(), 5u);
}

TEST(SummitHigherPlaces, HidesTheSummitFromBButNotFromC) {
    SceneRig r(6);
    r.s.AAAX = 25;  // whatever an earlier lesson left
    SummitSceneHigherPlaces(r.s);
    EXPECT_TRUE(r.PointIs(4, 618.89f, 276.67f));
    EXPECT_TRUE(r.PointIs(5, 533.58f, 352.88f));
    EXPECT_TRUE(r.PointIs(7, 502.94f, 327.17f));
    EXPECT_TRUE(r.PointIs(8, 557.16f, 327.16f));
    EXPECT_TRUE(r.PointIs(9, 512.34f, 380.57f));
    const float o_x = r.s.X_a(0), o_y = r.s.Y_a(0);
    EXPECT_NEAR(DistanceToSegment(o_x, o_y, r.s.X_a(5), r.s.Y_a(5), 840, 130), 388.2f, 0.1f);
    EXPECT_NEAR(DistanceToSegment(o_x, o_y, r.s.X_a(7), r.s.Y_a(7), 840, 130), 414.3f, 0.1f);

    // The right angle at A: the outer sides of a square of side 40 on AO, AP.
    const Op* mark = nullptr;
    for (const auto& op : r.p.Log())
        if (op.kind == Op::Polyline && op.colour == 5) mark = &op;
    ASSERT_NE(mark, nullptr);
    ASSERT_EQ(mark->pts.size(), 3u);
    EXPECT_TRUE(Near(mark->pts[0].x, 641.0f, 0.1f) && Near(mark->pts[0].y, 310.0f, 0.1f));
    EXPECT_TRUE(Near(mark->pts[1].x, 674.3f, 0.1f) && Near(mark->pts[1].y, 287.9f, 0.1f));
    EXPECT_TRUE(Near(mark->pts[2].x, 652.2f, 0.1f) && Near(mark->pts[2].y, 254.6f, 0.1f));

    // 181 dots along PA, and no disc at A.
    size_t dots = 0;
    for (const auto& op : r.p.Log()) {
        if (op.kind == Op::Dot && op.r == 0.5f && op.colour == 3) ++dots;
        if (op.kind == Op::Dot && op.r > 1) {
            EXPECT_FALSE(Near(op.x1, r.s.X_a(4)) && Near(op.y1, r.s.Y_a(4)));
        }
    }
    EXPECT_EQ(dots, 181u);
    // The label "220km" stands just below the middle of PA.
    const auto& log = r.p.Log();
    size_t heading_end = 0;
    ASSERT_NE(FindText(log, "220kmより遠くから見える場合は?", 0, kNone, &heading_end), kNone);
    const size_t label = FindText(log, "220km", heading_end + 1);
    ASSERT_NE(label, kNone);
    EXPECT_GT(log[label].y1, (130 + r.s.Y_a(4)) / 2);
}

}  // namespace
}  // namespace vm
