#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Ticks = RigTest;

// A horizontal segment (100, 100)-(200, 100): ticks are vertical strokes;
// returns their x positions.
static std::vector<float> TickXs(const std::vector<Op>& lines) {
    std::vector<float> xs;
    for (const Op& o : lines) xs.push_back(o.x1);
    return xs;
}

TEST_F(Ticks, CountSpacingAndShift) {
    const struct {
        float honsu, aida, iti;
        std::vector<float> xs;
        float honsu_after, aida_after;
    } cases[] = {
        {1, 8, 0, {158}, 1, 16},
        {2, 8, 0, {158, 166}, 2, 24},
        {3, 8, 0, {158, 166, 174}, 3, 32},
        {6, 8, 0, {158, 166, 174, 182, 190, 198}, 6, 56},
        {0, 8, 0, {158}, 0, 16},       // the body runs once
        {-2, 8, 0, {158}, 1, 16},      // out of range: one tick
        {9, 8, 0, {158}, 1, 16},
        {2.5f, 8, 0, {158, 166}, 2.5f, 24},
        {1, 30, 0, {180}, 1, 60},      // 30 stays
        {1, 31, 0, {158}, 1, 16},      // above 30: 8
        {1, 0, 0, {158}, 1, 16},
        {1, 8, 20, {178}, 1, 16},      // shifted towards B
        {1, 8, -8, {150}, 1, 16},      // exactly on the midpoint
    };
    for (const auto& c : cases) {
        p.ClearLog();
        s.AX = 100, s.AY = 100, s.BX = 200, s.BY = 100;
        s.HONSU = c.honsu, s.AIDA = c.aida, s.ITI = c.iti, s.NAGASA = 10, s.CCC2 = 3;
        DrawTickMarks(s);
        const auto lines = OfKind(Op::Line);
        EXPECT_EQ(TickXs(lines), c.xs) << c.honsu << " " << c.aida << " " << c.iti;
        for (const Op& o : lines) {
            EXPECT_EQ(o.x1, o.x2);  // across the segment
            EXPECT_EQ(o.y1, 90);
            EXPECT_EQ(o.y2, 110);
            EXPECT_EQ(o.colour, 3);
        }
        EXPECT_EQ(s.HONSU, c.honsu_after);
        EXPECT_EQ(s.AIDA, c.aida_after);
        EXPECT_EQ(s.ITI, c.iti);
        EXPECT_EQ(s.NAGASA, 10);
    }
}

TEST_F(Ticks, SecondCallUsesTheGrownSpacing) {
    const struct {
        float honsu;
        std::vector<float> second;
    } cases[] = {{1, {166}}, {3, {158}}};  // 16 apart; after three ticks 32 > 30: back to 8
    for (const auto& c : cases) {
        s.AX = 100, s.AY = 100, s.BX = 200, s.BY = 100, s.NAGASA = 10, s.ITI = 0;
        s.AIDA = 8, s.HONSU = c.honsu;
        DrawTickMarks(s);
        p.ClearLog();
        s.HONSU = 1;
        DrawTickMarks(s);
        EXPECT_EQ(TickXs(OfKind(Op::Line)), c.second);
    }
}

TEST_F(Ticks, ReversedSegmentPutsTicksOnTheOtherSide) {
    s.AX = 200, s.AY = 100, s.BX = 100, s.BY = 100, s.NAGASA = 10;
    s.AIDA = 8, s.HONSU = 2, s.ITI = 0;
    DrawTickMarks(s);
    EXPECT_EQ(TickXs(OfKind(Op::Line)), (std::vector<float>{142, 134}));
}

TEST_F(Ticks, SlantedSegmentTicksAreAtRightAngles) {
    s.AX = 0, s.AY = 0, s.BX = 300, s.BY = 400, s.NAGASA = 10, s.AIDA = 8, s.HONSU = 1;
    s.ITI = 0;
    DrawTickMarks(s);
    const Op o = OfKind(Op::Line).at(0);
    // Midpoint (150, 200), 8 along (0.6, 0.8), then ±10 across.
    EXPECT_NEAR((o.x1 + o.x2) / 2, 154.8, 1e-4);
    EXPECT_NEAR((o.y1 + o.y2) / 2, 206.4, 1e-4);
    EXPECT_NEAR((o.x2 - o.x1) * 0.6 + (o.y2 - o.y1) * 0.8, 0, 1e-4);
    EXPECT_NEAR(Dist(o.x1, o.y1, o.x2, o.y2), 20, 1e-4);
}

TEST_F(Ticks, EqualEndsAreARunTimeErrorNotNaN) {
    s.AX = s.BX = 150, s.AY = s.BY = 100, s.HONSU = 1, s.AIDA = 8, s.NAGASA = 10;
    EXPECT_THROW(DrawTickMarks(s), RuntimeError);
    EXPECT_TRUE(p.Log().empty());
    EXPECT_THROW(DrawChevronMarks(s), RuntimeError);
    EXPECT_TRUE(p.Log().empty());
}

TEST_F(Ticks, ChevronsPointFromAToBPastTheDivisionPoint) {
    const struct {
        float a, b, honsu;
        std::vector<float> tips;
        float honsu_after;
    } cases[] = {
        {1, 1, 1, {66}, 1},
        {1, 1, 2, {66, 82}, 2},
        {1, 3, 1, {41}, 1},
        {1, 1, 0, {66}, 1},  // 0 is replaced here
        {1, 1, 7, {66}, 1},
    };
    for (const auto& c : cases) {
        p.ClearLog();
        s.AX = 0, s.AY = 0, s.BX = 100, s.BY = 0, s.A = c.a, s.B = c.b;
        s.HONSU = c.honsu, s.NAGASA = 10, s.CCC2 = 7;
        DrawChevronMarks(s);
        const auto lines = OfKind(Op::Line);
        ASSERT_EQ(lines.size(), 2 * c.tips.size());
        for (size_t k = 0; k < c.tips.size(); ++k) {
            for (int arm = 0; arm < 2; ++arm) {
                const Op& o = lines[2 * k + static_cast<size_t>(arm)];
                EXPECT_FLOAT_EQ(o.x2, c.tips[k]);
                EXPECT_FLOAT_EQ(o.y2, 0);
                EXPECT_FLOAT_EQ(o.x1, c.tips[k] - 10);
                EXPECT_FLOAT_EQ(std::fabs(o.y1), 5);
                EXPECT_EQ(o.colour, 7);
            }
        }
        EXPECT_EQ(s.HONSU, c.honsu_after);
    }
    s.A = 1, s.B = -1;
    EXPECT_THROW(DrawChevronMarks(s), RuntimeError);
}

}  // namespace vm::test
