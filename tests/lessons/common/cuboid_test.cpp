#include "lessons/common/cuboid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>
#include <string>

#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

// The view's frame of the path scenes, then the cuboid's points.
void SetUpCuboid(State& s) {
    Frame(s, 120, 120, 12, 10, 30);
    ComputeCuboidPoints(s);
}

TEST(Cuboid, PointsOfTheViewThePathsAndTheNet) {
    Rig r(ProgramC());
    State& s = r.s;
    for (const int i : {9, 10, 25, 26, 27, 28, 29, 30}) s.X_a(i) = s.Y_a(i) = -7;
    s.P.SetDrawWidth(2);
    SetUpCuboid(s);
    const std::vector<PointAt> points = {
        // view: B F C G D H A E
        {1, 120, 240}, {2, 120, 390}, {3, 360, 240}, {4, 360, 390},
        {5, 450, 150}, {6, 450, 300}, {7, 210, 150}, {8, 210, 300},
        // net
        {11, 570, 295}, {12, 745, 295}, {13, 885, 295}, {14, 885, 155}, {15, 1060, 155},
        {16, 1165, 155}, {17, 1165, 295}, {18, 1060, 295}, {19, 1060, 400}, {20, 1060, 540},
        {21, 885, 540}, {22, 885, 400}, {23, 745, 400}, {24, 570, 400},
        // crossing points on CD, FG, AE, EF, DA, CG
        {31, 416.25f, 183.75f}, {32, 222.857f, 390}, {33, 210, 216.667f},
        {34, 153.75f, 356.25f}, {35, 347.143f, 150}, {36, 360, 323.333f},
    };
    ExpectPoints(s, points, 0.01f);
    for (const int i : {9, 10, 25, 26, 27, 28, 29, 30}) {
        EXPECT_EQ(s.X_a(i), -7) << i;
        EXPECT_EQ(s.Y_a(i), -7) << i;
    }
    // The net's frame is left behind, and the figure pen.
    EXPECT_EQ(s.SIZE, 35);
    EXPECT_EQ(s.GX0, 570);
    EXPECT_EQ(s.GY0, 540);
    EXPECT_EQ(s.GX1, 570);
    EXPECT_EQ(s.GY1, 120);
    EXPECT_EQ(s.GX2, 1200);
    EXPECT_EQ(s.GY2, 540);
    EXPECT_EQ(s.P.GetDrawWidth(), 5);
    EXPECT_TRUE(r.Log().empty());
}

std::map<std::string, int> Letters(const std::vector<Op>& log) {
    std::map<std::string, int> n;
    for (const auto& t : Texts(log))
        if (t.text.size() == 1 && t.text[0] >= 'A' && t.text[0] <= 'H') ++n[t.text];
    return n;
}

// The dots of colour 0 in the order drawn, in runs of `each`: run k must
// lie on the segment lines[k], from its first end to its second.
void ExpectDottedLines(const std::vector<Op>& log, const State& s,
                       const std::vector<std::pair<int, int>>& lines, size_t each) {
    std::vector<Op> dots;
    for (const auto& d : OfKind(log, Op::Dot))
        if (d.colour == 0) dots.push_back(d);
    ASSERT_EQ(dots.size(), lines.size() * each);
    for (size_t k = 0; k < lines.size(); ++k) {
        const auto [i, j] = lines[k];
        const float x1 = s.X_a(i), y1 = s.Y_a(i), x2 = s.X_a(j), y2 = s.Y_a(j);
        const float len = std::hypot(x2 - x1, y2 - y1);
        for (size_t n = 0; n < each; ++n) {
            const Op& d = dots[k * each + n];
            const float cross = ((x2 - x1) * (d.y1 - y1) - (y2 - y1) * (d.x1 - x1)) / len;
            const float along = ((x2 - x1) * (d.x1 - x1) + (y2 - y1) * (d.y1 - y1)) / len;
            EXPECT_NEAR(cross, 0, 0.01) << i << "-" << j << " dot " << n;
            EXPECT_TRUE(along > -0.01f && along < len + 0.01f) << i << "-" << j << " dot " << n;
        }
    }
}

TEST(Cuboid, BothFormsLetterEachCornerOnceAndDotTheHiddenEdges) {
    const struct {
        const char* form;
        ProgramInfo program;
        int pen, pen_after;
        bool lengths;
    } cases[] = {
        {"full", ProgramC(), 2, 5, true},
        {"full", ProgramE(), 7, 5, true},
        {"short", ProgramB(), 2, 2, false},
        {"short", ProgramB(), 7, 7, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " form, pen " + std::to_string(c.pen));
        Rig r(c.program);
        State& s = r.s;
        SetUpCuboid(s);
        s.P.SetDrawWidth(c.pen);
        r.p.ClearLog();
        DrawCuboid(s);
        const auto& log = r.Log();
        EXPECT_EQ(s.P.GetDrawWidth(), c.pen_after);

        const std::map<std::string, int> once = {{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1},
                                                 {"E", 1}, {"F", 1}, {"G", 1}, {"H", 1}};
        EXPECT_EQ(Letters(log), once);
        EXPECT_EQ(CountMarkup(log, "E", 174, 260, 0), 1);
        // Three faces of four edges at width 5.
        const auto edges = OfKind(log, Op::Line);
        EXPECT_EQ(edges.size(), 12u);
        for (const auto& e : edges) EXPECT_EQ(e.width, 5);
        // A-E, F-E and H-E: a dot every 7 degrees from 180 to 355, at the
        // caller's pen.
        using namespace cuboid;
        ExpectDottedLines(log, s, {{kA, kE}, {kF, kE}, {kH, kE}}, 26);
        for (const auto& d : OfKind(log, Op::Dot)) {
            if (d.colour == 0) {
                EXPECT_EQ(d.width, c.pen);
            }
        }

        const bool lengths = FindText(log, "㎝") != kNone;
        EXPECT_EQ(lengths, c.lengths);
        if (c.lengths) {
            for (const char* l : {"4㎝", "5㎝", "3㎝"}) {
                const size_t at = FindText(log, l);
                ASSERT_NE(at, kNone) << l;
                EXPECT_EQ(log[at].colour, 3) << l;
            }
            // 180/7 + 1, 180/2 + 1 and 180/5 + 1 dots at width 3.
            int thin = 0;
            for (const auto& d : OfKind(log, Op::Dot))
                if (d.colour == 3) {
                    ++thin;
                    EXPECT_EQ(d.width, 3);
                }
            EXPECT_EQ(thin, 26 + 91 + 37);
        }
    }
}

TEST(Cuboid, NetLettersFoldsAndLengthsAgain) {
    for (const int pen : {2, 7}) {
        Rig r(ProgramC());
        State& s = r.s;
        SetUpCuboid(s);
        s.P.SetDrawWidth(pen);
        r.p.ClearLog();
        DrawCuboidNet(s);
        const auto& log = r.Log();
        EXPECT_EQ(s.P.GetDrawWidth(), 5);

        const std::map<std::string, int> letters = {{"A", 2}, {"B", 1}, {"C", 1}, {"D", 2},
                                                    {"E", 2}, {"F", 1}, {"G", 2}, {"H", 3}};
        EXPECT_EQ(Letters(log), letters);
        EXPECT_EQ(CountMarkup(log, "B", 845, 247, 0), 1);
        EXPECT_EQ(CountMarkup(log, "G", 1064, 376, 0), 1);
        EXPECT_EQ(CountMarkup(log, "C", 1064, 299, 0), 1);

        const auto outline = OfKind(log, Op::Polyline);
        ASSERT_EQ(outline.size(), 1u);
        EXPECT_EQ(outline[0].pts.size(), 11u);
        EXPECT_EQ(outline[0].colour, 0);
        EXPECT_EQ(outline[0].width, pen);
        // Every fold a dot every 10 degrees.
        ExpectDottedLines(log, s, {{12, 23}, {15, 18}, {13, 22}, {13, 18}, {22, 19}}, 19);
        for (const char* l : {"4㎝", "5㎝", "3㎝"}) EXPECT_NE(FindText(log, l), kNone) << l;
    }
}

}  // namespace
}  // namespace vm::test
