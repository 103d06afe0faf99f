#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Circles = RigTest;

TEST_F(Circles, CrossingPointsOfTwoCircles) {
    const struct {
        float x1, y1, r1, x2, y2, r2;
        float a, b, d;
        float x3, y3, x4, y4;
    } cases[] = {
        // The earth and the circle on the segment to the summit as diameter.
        {840, 610, 400, 840, 370, 240, 0, -480, 160000, 618.89f, 276.67f, 1061.11f, 276.67f},
        {100, 100, 50, 160, 100, 50, 120, 0, 3600, 130, 60, 130, 140},
        // A second circle so large that A·X1 + B·Y1 + C is positive: the
        // true crossings, not their reflections through the first centre.
        {0, 0, 5, 1, 0, 5.5f, 2, 0, 4.25f, -2.125f, -4.52595f, -2.125f, 4.52595f},
    };
    for (const auto& c : cases) {
        s.X1 = c.x1, s.Y1 = c.y1, s.RR1 = c.r1, s.X2 = c.x2, s.Y2 = c.y2, s.RR2 = c.r2;
        s.A = 7, s.B = 8, s.C = 9;  // a lesson's point numbers: gone afterwards
        RadicalLineOfCircles(s);
        EXPECT_EQ(s.A, c.a);
        EXPECT_EQ(s.B, c.b);
        IntersectCircles(s);
        EXPECT_NEAR(s.D, c.d, c.d * 1e-6);
        EXPECT_NEAR(s.X3, c.x3, 1e-2) << c.x1;
        EXPECT_NEAR(s.Y3, c.y3, 1e-2) << c.x1;
        EXPECT_NEAR(s.X4, c.x4, 1e-2) << c.x1;
        EXPECT_NEAR(s.Y4, c.y4, 1e-2) << c.x1;
        // Both points lie on both circles.
        for (auto [x, y] : {std::pair{s.X3, s.Y3}, std::pair{s.X4, s.Y4}}) {
            EXPECT_NEAR(Dist(x, y, c.x1, c.y1), c.r1, 1e-2);
            EXPECT_NEAR(Dist(x, y, c.x2, c.y2), c.r2, 1e-2);
        }
    }
    s.X1 = 100, s.Y1 = 100, s.RR1 = 50, s.X2 = 160, s.Y2 = 100, s.RR2 = 50;
    RadicalLineOfCircles(s);
    EXPECT_EQ(s.C, -15600);
}

TEST_F(Circles, CirclesThatDoNotMeetAreARunTimeError) {
    const struct {
        float x1, y1, r1, x2, y2, r2;
    } cases[] = {
        {0, 0, 5, 20, 0, 5},   // apart
        {0, 0, 5, 1, 0, 1},    // one inside the other
        {0, 0, 5, 0, 0, 3},    // concentric
        {0, 0, 5, 0, 0, 5},    // the same circle
    };
    for (const auto& c : cases) {
        s.X1 = c.x1, s.Y1 = c.y1, s.RR1 = c.r1, s.X2 = c.x2, s.Y2 = c.y2, s.RR2 = c.r2;
        RadicalLineOfCircles(s);
        EXPECT_THROW(IntersectCircles(s), RuntimeError) << c.x2 << " " << c.r2;
    }
}

}  // namespace vm::test
