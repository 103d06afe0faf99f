#include <gtest/gtest.h>

#include <cmath>

#include "lessons/common/cuboid.h"
#include "lessons/applications2/problems.h"
#include "lessons/applications2/trapezoid.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// A scene run on its own with `keys` any-keys, as far as they take it.
struct Scene {
    Scene(Routine scene, int keys) : r(ProgramC()) {
        r.AnyKeys(keys);
        done = r.Run(scene);
    }
    Rig r;
    bool done = false;
};

float Distance(float x1, float y1, float x2, float y2) { return std::hypot(x2 - x1, y2 - y1); }

// A solid line between the two points (either way round) in colour c.
size_t FindLine(const std::vector<Op>& log, float x1, float y1, float x2, float y2, int c,
                size_t from = 0) {
    for (size_t i = from; i < log.size(); ++i) {
        const Op& op = log[i];
        if (op.kind != Op::Line || op.colour != c) continue;
        if ((Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) && Near(op.y2, y2)) ||
            (Near(op.x1, x2) && Near(op.y1, y2) && Near(op.x2, x1) && Near(op.y2, y1)))
            return i;
    }
    return kNone;
}

TEST(TangentTrapezoid, PointsAndTheTangentTouchingTheArc) {
    Rig r(ProgramC());
    State& s = r.s;
    ComputeTangentTrapezoidPoints(s);
    ExpectPoints(s,
                 {{0, 949, 330}, {1, 774, 330}, {2, 1124, 330}, {3, 774, 190},
                  {4, 1124, 111.25f}, {5, 910.59f, 159.27f}, {6, 739, 197.875f},
                  {7, 1159, 103.375f}, {11, 1124, 190}},
                 0.01f);
    EXPECT_EQ(s.GX1, 704);
    EXPECT_EQ(s.GY2, 365);
    // O lies the radius (5 units) from the tangent, which P divides 16 : 25.
    const float dx = s.X_a(7) - s.X_a(6), dy = s.Y_a(7) - s.Y_a(6);
    const float off =
        std::fabs(dx * (s.Y_a(0) - s.Y_a(6)) - dy * (s.X_a(0) - s.X_a(6))) / std::hypot(dx, dy);
    EXPECT_NEAR(off, 175, 0.5);
    EXPECT_NEAR(Distance(s.X_a(3), s.Y_a(3), s.X_a(5), s.Y_a(5)) /
                    Distance(s.X_a(5), s.Y_a(5), s.X_a(4), s.Y_a(4)),
                16.0 / 25, 0.001);

    for (const int pen : {2, 7}) {
        s.P.SetDrawWidth(pen);
        r.p.ClearLog();
        ComputeTangentTrapezoidPoints(s);
        DrawTangentTrapezoid(s);
        EXPECT_EQ(s.P.GetDrawWidth(), 5);
        EXPECT_EQ(s.CCC1, 3);
        EXPECT_EQ(s.CCC2, 3);
        const auto& log = r.Log();
        // The invisible dot at P comes before the tangent drawn over it.
        size_t dot = kNone;
        for (size_t i = 0; i < log.size() && dot == kNone; ++i)
            if (log[i].kind == Op::Dot && log[i].colour == 15) dot = i;
        const size_t tangent = FindLine(log, 739, 197.875f, 1159, 103.375f, 0);
        ASSERT_NE(dot, kNone);
        ASSERT_NE(tangent, kNone);
        EXPECT_LT(dot, tangent);
        // The upper half of the circle.
        const auto arcs = OfKind(log, Op::Arc);
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(arcs[0].r, 175);
        EXPECT_EQ(arcs[0].start, 0.5f);
        EXPECT_EQ(arcs[0].end, 0);
    }
}

TEST(Problems, PathColoursOnTheView) {
    using namespace cuboid;
    const struct {
        int k;
        float x, y;
        int colour;
    } scene1[] = {{kOnCG, 360, 323.333f, 7}, {kOnAE, 210, 216.667f, 9},
                  {kOnFG, 222.857f, 390, 3}, {kOnCD, 416.25f, 183.75f, 5}};
    Scene one(CuboidPathViaCG, 13);
    ASSERT_TRUE(one.done);
    for (const auto& p : scene1) {
        EXPECT_NE(FindLine(one.r.Log(), 120, 240, p.x, p.y, p.colour), kNone) << p.k;
        EXPECT_NE(FindLine(one.r.Log(), p.x, p.y, 450, 300, p.colour), kNone) << p.k;
    }
    // The unfolded faces: an outline on the net's corners 11, 13, 22, 24.
    const auto outline = OfKind(one.r.Log(), Op::Polyline);
    ASSERT_FALSE(outline.empty());
    EXPECT_EQ(outline[0].pts.size(), 5u);
    EXPECT_EQ(outline[0].pts[1].x, 885);
    EXPECT_EQ(outline[0].pts[2].y, 400);
    EXPECT_NE(FindLine(one.r.Log(), 570, 295, 885, 400, 7), kNone);
}

TEST(Problems, ShortestPathsTheirTwinsAndThePenLeft) {
    Scene four(CuboidShortestPath, 4);
    ASSERT_TRUE(four.done);
    const auto& log = four.r.Log();
    EXPECT_EQ(four.r.s.P.GetDrawWidth(), 7);
    // Solid paths, then BC and CG again over them in colour 0.
    const size_t fg = FindLine(log, 120, 240, 222.857f, 390, 3);
    const size_t ae = FindLine(log, 120, 240, 210, 216.667f, 9);
    ASSERT_NE(fg, kNone);
    ASSERT_NE(ae, kNone);
    EXPECT_NE(FindLine(log, 120, 240, 416.25f, 183.75f, 5), kNone);
    EXPECT_NE(FindLine(log, 120, 240, 360, 240, 0, ae), kNone);
    EXPECT_NE(FindLine(log, 360, 240, 360, 390, 0, ae), kNone);
    // The dotted twins: B to the crossing point on EF, DA, CG and on to H,
    // in the colours of the solid ones, at pen width 7.
    const struct {
        float x, y;
        int colour;
    } twins[] = {{153.75f, 356.25f, 5}, {347.143f, 150, 3}, {360, 323.333f, 9}};
    // Each twin is one run of dots: 19 every 10 degrees and 37 every 5.
    const auto runs = DotRuns(log);
    ASSERT_GE(runs.size(), 3u);
    for (size_t t = 0; t < 3; ++t) {
        const DotRun& run = runs[runs.size() - 3 + t];
        EXPECT_EQ(run.dots.size(), 56u) << t;
        EXPECT_NEAR(run.dots.front().x1, 120, 0.01) << t;
        EXPECT_NEAR(run.dots.front().y1, 240, 0.01) << t;
        EXPECT_NEAR(run.dots.back().x1, 450, 0.5) << t;
        EXPECT_NEAR(run.dots.back().y1, 300, 0.5) << t;
        int at_k = 0;
        for (const Op& d : run.dots) {
            EXPECT_EQ(d.colour, twins[t].colour);
            EXPECT_EQ(d.width, 7);
            at_k += Near(d.x1, twins[t].x, 0.01f) && Near(d.y1, twins[t].y, 0.01f);
        }
        EXPECT_GE(at_k, 1) << t;
    }
}

// The folded stage clears from y 90 down only: the heading stays and is not
// written again.
TEST(Problems, FoldingScenesKeepTheirHeadingAndFoldToScale) {
    {
        Scene five(FoldedRectangleProblem, 16);
        ASSERT_TRUE(five.done);
        const State& s = five.r.s;
        EXPECT_NEAR(s.X_a(9), 1090, 0.05);
        EXPECT_NEAR(s.Y_a(9), 280, 0.05);
        EXPECT_NEAR(s.X_a(5), 1010, 0.1);
        EXPECT_NEAR(s.Y_a(5), 120, 0.1);
        // F (920, 240) lies on BE.
        const float cross = (s.X_a(5) - 770) * (240 - 440) - (s.Y_a(5) - 440) * (920 - 770);
        EXPECT_NEAR(cross / Distance(770, 440, s.X_a(5), s.Y_a(5)), 0, 0.1);
        const auto& log = five.r.Log();
        const auto partial = Find(log, [](const Op& op) {
            return IsFilledBox(op, 0, 90, 1760, 1890, 15);
        });
        const auto waits = Find(log, IsStepWait);
        ASSERT_EQ(partial.size(), 1u);
        ASSERT_EQ(waits.size(), 16u);
        EXPECT_GT(partial[0], waits[1]);
        EXPECT_LT(partial[0], waits[2]);
        EXPECT_EQ(CountMarkup(log, "問1(1)", 30, 30, 7), 1);
        EXPECT_EQ(FindText(log, "二等辺三角形", partial[0]), kNone);
        EXPECT_NE(FindText(log, "二等辺三角形"), kNone);
        // The equal angles are purple sectors.
        const auto sectors = OfKind(log, Op::Sector);
        EXPECT_EQ(sectors.size(), 4u);
        for (const auto& sec : sectors) EXPECT_EQ(sec.fill, 7);
    }
    {
        Scene six(FoldToMidpointProblem, 14);
        ASSERT_TRUE(six.done);
        const State& s = six.r.s;
        EXPECT_NEAR(s.X_a(7), 890, 0.01);
        EXPECT_NEAR(s.Y_a(7), 150, 0.01);
        EXPECT_NEAR(s.X_a(6), 1140, 0.01);
        EXPECT_NEAR(s.Y_a(6), 337.5f, 0.01);
        // E and F lie on the perpendicular bisector of DM.
        EXPECT_NEAR(Distance(890, 150, 1140, 150), Distance(890, 150, 960, 390), 0.01);
        EXPECT_NEAR(Distance(1140, 337.5f, 1140, 150), Distance(1140, 337.5f, 960, 390), 0.01);
        const auto& log = six.r.Log();
        const auto partial = Find(log, [](const Op& op) {
            return IsFilledBox(op, 0, 90, 1760, 1890, 15);
        });
        const auto waits = Find(log, IsStepWait);
        ASSERT_EQ(partial.size(), 1u);
        ASSERT_EQ(waits.size(), 14u);
        EXPECT_GT(partial[0], waits[0]);
        EXPECT_LT(partial[0], waits[1]);
        EXPECT_EQ(CountMarkup(log, "問2解答", 36, 30, 3), 1);
    }
}

TEST(Problems, AngleDotsOfTheSimilarityScene) {
    Scene eight(TangentTrapezoidBySimilarity, 22);
    ASSERT_TRUE(eight.done);
    const struct {
        float x, y;
        int first, last;
    } dots[] = {{901.8f, 313.4f, 3, 3}, {922.5f, 287.6f, 3, 3}, {813.0f, 199.0f, 5, 5},
                {791.3f, 226.1f, 5, 5}, {960.2f, 281.3f, 7, 5}, {994.1f, 308.3f, 7, 5}};
    std::vector<Op> seven;
    for (const auto& op : OfKind(eight.r.Log(), Op::Dot))
        if (op.r == 7 && op.colour != 0) seven.push_back(op);
    EXPECT_EQ(seven.size(), 8u);
    for (const auto& d : dots) {
        std::vector<int> colours;
        for (const auto& op : seven)
            if (Distance(op.x1, op.y1, d.x, d.y) <= 1) colours.push_back(op.colour);
        ASSERT_FALSE(colours.empty()) << d.x << "," << d.y;
        EXPECT_EQ(colours.front(), d.first) << d.x << "," << d.y;
        EXPECT_EQ(colours.back(), d.last) << d.x << "," << d.y;
    }
    // The scene never sets the pen: OC, OP and OD take the figure's 5.
    const State& s = eight.r.s;
    for (const int k : {3, 5, 4}) {
        const size_t at = FindLine(eight.r.Log(), 949, 330, s.X_a(k), s.Y_a(k), 0);
        ASSERT_NE(at, kNone) << k;
        EXPECT_EQ(eight.r.Log()[at].width, 5) << k;
    }
}

}  // namespace
}  // namespace vm::test
