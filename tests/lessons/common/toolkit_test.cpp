#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "frame/frame.h"
#include "lessons/common/drill.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

TEST(Toolkit, WholeNumberDrawStaysInItsRangeAtTheEnds) {
    const float below_one = std::nextafter(1.0f, 0.0f);
    // Single precision rounds these up to 6, 8 and 10 at the largest r.
    const struct {
        float k, c, lowest, highest;
    } draws[] = {{4, 2, 2, 5}, {4, 4, 4, 7}, {5, 5, 5, 9}, {9, 1, 1, 9}, {3, -1, -1, 1}};
    for (const auto& d : draws) {
        EXPECT_EQ(WholeOf(d.k, 0.0f, d.c), d.lowest) << d.k << "r+" << d.c;
        EXPECT_EQ(WholeOf(d.k, below_one, d.c), d.highest) << d.k << "r+" << d.c;
        EXPECT_EQ(WholeOf(d.k, 0.5f, d.c), std::floor(d.k * 0.5f + d.c));
    }
    Rig r;
    for (int i = 0; i < 2000; ++i) {
        const float v = RandInt(r.s, 4, 2);
        ASSERT_TRUE(v >= 2 && v <= 5 && v == std::floor(v)) << v;
    }
}

int problems = 0;
void CountProblem(State&) { ++problems; }

TEST(Toolkit, DrillRepeatsUntilExactlyOneIsEntered) {
    const struct {
        const char* keys;
        int problems;
    } cases[] = {
        {"1\n", 1}, {"2/2\n", 1}, {"1.0\n", 1}, {"\n1\n", 2}, {"0\n-1\n1.5\n01\n", 4},
    };
    for (const auto& c : cases) {
        Rig r;
        r.Keys(c.keys);
        problems = 0;
        EXPECT_TRUE(r.Run([](State& s) { Drill(s, CountProblem); })) << c.keys;
        EXPECT_EQ(problems, c.problems) << c.keys;
        EXPECT_EQ(Count(r.Log(), IsNextStepGate), static_cast<size_t>(c.problems));
    }
}

TEST(Toolkit, CursorFollowsTextsButNotLabels) {
    Rig r;
    State& s = r.s;
    s.XI1 = 100;
    s.YI1 = 30;
    Write(s, 7, 64, 30, "①");
    EXPECT_EQ(s.YI1, 30);
    const float after_number = s.XI2;
    EXPECT_GT(after_number, 64);
    Continue(s, 0, "AB");
    EXPECT_GT(s.XI2, after_number);
    Label(s, 3, 500, 500, "C");
    EXPECT_EQ(s.YI1, 30);
    NewLine(s, 50, 5, "x=3");
    EXPECT_EQ(s.YI1, 80);
    NumberedLine(s, 60, 3, "(2)");
    EXPECT_EQ(s.YI1, 140);
    FixedLine(s, 0, "答");
    EXPECT_EQ(s.YI1, 590);
    EXPECT_EQ(CountMarkup(r.Log(), "(2)", 28, 140, 3), 1);
    EXPECT_EQ(CountMarkup(r.Log(), "AB", after_number, 30, 0), 1);
    EXPECT_EQ(CountMarkup(r.Log(), "C", 500, 500, 3), 1);
    EXPECT_EQ(CountMarkup(r.Log(), "x=3", 100, 80, 5), 1);
    EXPECT_EQ(CountMarkup(r.Log(), "答", 44, 590, 0), 1);
}

TEST(Toolkit, PointsAreTypedInGridUnits) {
    Rig r;
    State& s = r.s;
    Frame(s, 836, 90, 12, 10, 35);
    EXPECT_EQ(s.GX0, 836);
    EXPECT_EQ(s.GY0, 440);
    EXPECT_TRUE(r.Log().empty());  // no grid lines
    Put(s, {{1, 2, 3}, {2, 0, 0}});
    EXPECT_EQ(s.X_a(1), 906);
    EXPECT_EQ(s.Y_a(1), 335);
    Polar(s, 3, 2, 100, 90);
    EXPECT_NEAR(s.X_a(3), 836, 0.01);
    EXPECT_NEAR(s.Y_a(3), 340, 0.01);
    Outline(s, {1, 2, 3}, 0);
    const auto lines = OfKind(r.Log(), Op::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].pts.size(), 4u);
    EXPECT_EQ(lines[0].pts.front().x, lines[0].pts.back().x);
    EXPECT_EQ(lines[0].pts.front().y, lines[0].pts.back().y);
}

TEST(Toolkit, LengthArcsAndRightAnglesStandOnTablePoints) {
    Rig r;
    State& s = r.s;
    s.X_a(1) = 100, s.Y_a(1) = 300;
    s.X_a(2) = 300, s.Y_a(2) = 300;
    s.X_a(3) = 100, s.Y_a(3) = 100;
    // Left of 1 -> 2 on the screen is above it: the apex 16 px up.
    LengthArc(s, 1, 2, -1, 10, "4", {9, 5, 1});
    const auto dots = OfKind(r.Log(), Op::Dot);
    ASSERT_EQ(dots.size(), 19u);
    float top = 300;
    for (const auto& d : dots) {
        EXPECT_EQ(d.colour, 9);
        top = std::min(top, d.y1);
    }
    EXPECT_NEAR(top, 284, 0.01);
    const auto texts = Texts(r.Log());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].colour, 5);
    EXPECT_LT(texts[0].y1, 284);

    // Height 0: every dot on the segment itself.
    Rig flat;
    flat.s.X_a(1) = 100, flat.s.Y_a(1) = 300;
    flat.s.X_a(2) = 300, flat.s.Y_a(2) = 300;
    LengthArc(flat.s, 1, 2, 1, 7, "", {0, 3, 0});
    for (const auto& d : OfKind(flat.Log(), Op::Dot)) EXPECT_NEAR(d.y1, 300, 0.01);
    EXPECT_TRUE(Texts(flat.Log()).empty());

    Rig mark;
    mark.s.X_a(1) = 100, mark.s.Y_a(1) = 300;
    mark.s.X_a(2) = 300, mark.s.Y_a(2) = 300;
    mark.s.X_a(3) = 100, mark.s.Y_a(3) = 100;
    mark.s.ITI = -1;
    RightAngle(mark.s, 1, 2, 3, 30, 5);
    const auto sides = OfKind(mark.Log(), Op::Polyline);
    ASSERT_EQ(sides.size(), 1u);
    EXPECT_EQ(sides[0].colour, 5);
    ASSERT_EQ(sides[0].pts.size(), 3u);
    EXPECT_NEAR(sides[0].pts[1].x, 130, 0.01);
    EXPECT_NEAR(sides[0].pts[1].y, 270, 0.01);
}

TEST(Toolkit, NumberTextHasNoBlanks) {
    EXPECT_EQ(NumText(8), "8");
    EXPECT_EQ(NumText(-3), "-3");
    EXPECT_EQ(NumText(0.5f), ".5");
    EXPECT_EQ(NumText(219.5015f), "219.5015");
}

}  // namespace
}  // namespace vm::test
