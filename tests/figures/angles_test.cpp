#include <cmath>

#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Angles = RigTest;

constexpr float kPI = 3.14159f;

// A point 100 px from (300, 300) in direction deg (y up).
static void RayTo(float deg, float& x, float& y) {
    const double r = deg * 3.14159265358979 / 180;
    x = static_cast<float>(300 + 100 * std::cos(r));
    y = static_cast<float>(300 - 100 * std::sin(r));
}

TEST_F(Angles, DirectionsAndArcPositionsOfAxisRays) {
    const struct {
        float x, y, dir, pos;
    } cases[] = {
        {400, 300, 0, 1},                   // right: position 1, not 0
        {300, 200, kPI / 2, 0.75f},         // up
        {200, 300, kPI, 0.5f},              // left
        {300, 400, 3 * kPI / 2, 0.25f},     // down
        {300, 300, kPI, 0.5f},              // on the vertex itself
        {400, 200, kPI / 4, 0.875f},        // up-right
        {400, 400, 7 * kPI / 4, 0.125f},    // down-right
    };
    for (const auto& c : cases) {
        s.ZX0 = 300, s.ZY0 = 300, s.ZX1 = c.x, s.ZY1 = c.y, s.ZX2 = c.x, s.ZY2 = c.y;
        s.PI = 3;
        ComputeRayAngles(s);
        EXPECT_NEAR(s.HH3, c.dir, 2e-5) << c.x << "," << c.y;
        EXPECT_NEAR(s.HH4, c.dir, 2e-5);
        EXPECT_NEAR(s.HHP, c.dir, 2e-5);
        EXPECT_NEAR(s.HH1, c.pos, 2e-6);
        EXPECT_NEAR(s.HH2, c.pos, 2e-6);
        EXPECT_NEAR(s.HH5, c.dir, 2e-5);  // same direction: the bisector is that ray
        EXPECT_EQ(s.PI, kPI);
        s.PI = 3;
        ComputeRayAngle(s);
        EXPECT_NEAR(s.HHP, c.dir, 2e-5);
        EXPECT_NEAR(s.HH, c.dir * 180 / kPI, 1e-3);
        EXPECT_EQ(s.PI, kPI);
    }
}

TEST_F(Angles, BisectorAndSizeAcrossTheZeroDirection) {
    RayTo(350, s.ZX1, s.ZY1);
    RayTo(10, s.ZX2, s.ZY2);
    s.ZX0 = 300, s.ZY0 = 300;
    const struct {
        float iti, bisector_deg;
        const char* size;
    } cases[] = {{0, 360, "20"}, {1, 360, "20"}, {-1, 180, "340"}};
    for (const auto& c : cases) {
        s.ITI = c.iti;
        ComputeRayAngles(s);
        EXPECT_NEAR(std::cos(s.HH5), std::cos(c.bisector_deg * kPI / 180), 1e-4);
        EXPECT_NEAR(std::sin(s.HH5), std::sin(c.bisector_deg * kPI / 180), 1e-4);
        EXPECT_EQ(s.ITI, c.iti);  // the angle routines leave the selector alone
        ComputeAngleSize(s);
        EXPECT_EQ(s.KAKUDO_s, c.size) << c.iti;
        EXPECT_EQ(s.A_s, c.size);
        EXPECT_EQ(s.ITI, c.iti);
    }
    // ITI = -1 exchanges the rays' directions and positions.
    s.ITI = -1;
    ComputeRayAngles(s);
    EXPECT_NEAR(s.HH3, 10 * kPI / 180, 1e-4);
    EXPECT_NEAR(s.HH4, 350 * kPI / 180, 1e-4);
    EXPECT_NEAR(s.HHP, 10 * kPI / 180, 1e-4);  // ray 2 as taken, before the exchange
}

TEST_F(Angles, SizeTextRoundsToOneDecimal) {
    const struct {
        float deg;
        const char* text;
    } cases[] = {
        {90, "90"}, {89.96f, "90"}, {90.04f, "90"}, {89.9f, "89.9"},
        {36.8699f, "36.9"}, {0, "0"}, {135, "135"}, {270, "270"},
    };
    s.ZX0 = 300, s.ZY0 = 300;
    for (const auto& c : cases) {
        RayTo(20, s.ZX1, s.ZY1);
        RayTo(20 + c.deg, s.ZX2, s.ZY2);
        s.ITI = 1;
        s.PI = 0;
        ComputeAngleSize(s);
        EXPECT_EQ(s.KAKUDO_s, c.text) << c.deg;
        EXPECT_NEAR(s.HH, c.deg, 0.01) << c.deg;
        EXPECT_NEAR(s.HH5, s.HH * kPI / 180, 1e-5);
        EXPECT_EQ(s.PI, kPI);
    }
}

TEST_F(Angles, RightTriangleCornerReadsNinety) {
    // The corner C of the 3-4-5 triangle on the grid, as the moving-corner
    // lesson measures it.
    s.ZX0 = 200, s.ZY0 = 400, s.ZX1 = 200, s.ZY1 = 160, s.ZX2 = 520, s.ZY2 = 400;
    s.ITI = 1;
    ComputeAngleSize(s);
    EXPECT_EQ(s.KAKUDO_s, "270");
    s.ZX1 = 520, s.ZY1 = 400, s.ZX2 = 200, s.ZY2 = 160;
    ComputeAngleSize(s);
    EXPECT_EQ(s.KAKUDO_s, "90");
}

}  // namespace vm::test
