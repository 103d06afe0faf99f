#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Grid = RigTest;

static void Frame(State& s, float yoko, float tate, float colour) {
    s.GGX = 440, s.GGY = 90, s.YOKO = yoko, s.TATE = tate, s.SIZE = 40, s.CCC2 = colour;
}

TEST_F(Grid, BackgroundColourComputesTheFrameOnly) {
    Frame(s, 20, 13, 15);
    s.CCC3 = 6, s.II = 77, s.PI = 0;
    p.SetDrawWidth(2);
    DrawGrid(s);
    EXPECT_TRUE(p.Log().empty());
    EXPECT_EQ(s.GX1, 440);
    EXPECT_EQ(s.GY1, 90);
    EXPECT_EQ(s.GX2, 1240);
    EXPECT_EQ(s.GY2, 610);
    EXPECT_EQ(s.GX0, 440);
    EXPECT_EQ(s.GY0, 610);
    EXPECT_EQ(s.PI, 3.14159f);
    EXPECT_EQ(s.CCC3, 6);
    EXPECT_EQ(s.II, 77);
    EXPECT_EQ(p.GetDrawWidth(), 2);
    EXPECT_EQ(s.DR, 2);
    // Grid points map from the origin corner, y up.
    EXPECT_EQ(s.GX0 + s.SIZE * 10, 840);
    EXPECT_EQ(s.GY0 - s.SIZE * 12, 130);
    // Inputs untouched.
    EXPECT_EQ(s.GGX, 440);
    EXPECT_EQ(s.TATE, 13);
}

TEST_F(Grid, EveryFifthLineFromTheOriginIsThick) {
    Frame(s, 20, 13, 0);
    p.SetDrawWidth(2);
    DrawGrid(s);
    const auto lines = OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 21u + 14u);
    for (int i = 0; i <= 20; ++i) {
        const Op& o = lines[static_cast<size_t>(i)];
        EXPECT_EQ(o.x1, 440 + 40 * i);
        EXPECT_EQ(o.x2, o.x1);
        EXPECT_EQ(o.y1, 90);
        EXPECT_EQ(o.y2, 610);
        const bool thick = i % 5 == 0;  // the right edge (20) too
        EXPECT_EQ(o.width, thick ? 3 : 1) << i;
        EXPECT_EQ(o.colour, thick ? 14 : 0) << i;
    }
    for (int i = 0; i <= 13; ++i) {
        const Op& o = lines[21 + static_cast<size_t>(i)];
        EXPECT_EQ(o.y1, 610 - 40 * i);  // bottom to top
        EXPECT_EQ(o.x1, 440);
        EXPECT_EQ(o.x2, 1240);
        const bool thick = i % 5 == 0;  // the top edge (13) is thin
        EXPECT_EQ(o.width, thick ? 3 : 1) << i;
        EXPECT_EQ(o.colour, thick ? 14 : 0) << i;
    }
    EXPECT_EQ(s.CCC3, 14);
    EXPECT_EQ(s.II, 14);
    EXPECT_EQ(p.GetDrawWidth(), 2);
}

TEST_F(Grid, NoColumnsStillDrawsTheLeftEdge) {
    Frame(s, 0, 2, 8);
    DrawGrid(s);
    const auto lines = OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 1u + 3u);
    EXPECT_EQ(lines[0].x1, 440);
    EXPECT_EQ(lines[0].width, 3);
    EXPECT_EQ(lines[1].colour, 14);
    EXPECT_EQ(lines[2].colour, 8);
}

TEST_F(Grid, RevisionReachesCallersThroughTheBinding) {
    static int calls = 0;
    calls = 0;
    s.bind.DrawGrid = [](State&) { ++calls; };
    DrawGrid(s);
    EXPECT_EQ(calls, 1);
}

}  // namespace vm::test
