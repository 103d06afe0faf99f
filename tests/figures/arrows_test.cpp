#include <set>

#include "figures/figures.h"
#include "state/binding.h"
#include "state/shared_forms.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Arrows = RigTest;

struct Seg {
    float x1, y1, x2, y2;
};

static std::vector<Seg> Segs(const std::vector<Op>& lines) {
    std::vector<Seg> out;
    for (const Op& o : lines) out.push_back({o.x1, o.y1, o.x2, o.y2});
    return out;
}

static void ExpectSegs(const std::vector<Seg>& got, const std::vector<Seg>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x1, want[i].x1, 1e-4) << i;
        EXPECT_NEAR(got[i].y1, want[i].y1, 1e-4) << i;
        EXPECT_NEAR(got[i].x2, want[i].x2, 1e-4) << i;
        EXPECT_NEAR(got[i].y2, want[i].y2, 1e-4) << i;
    }
}

TEST_F(Arrows, HeadEndsAndResets) {
    const struct {
        float muki, ya;
        std::vector<Seg> lines;
        float zx0_after, zx_after, ya_after;
    } cases[] = {
        {0, 0, {{100, 100, 200, 100}, {184, 108, 200, 100}, {184, 92, 200, 100}}, 200, 100, 0},
        {1, 0, {{100, 100, 200, 100}, {184, 108, 200, 100}, {184, 92, 200, 100}}, 200, 100, 0},
        {-1, 0, {{200, 100, 100, 100}, {116, 92, 100, 100}, {116, 108, 100, 100}}, 100, 200, 0},
        {1, 1, {{100, 100, 200, 100}, {184, 108, 200, 100}, {184, 92, 200, 100}}, 200, 100, 1},
        {-1, 2,
         {{200, 100, 100, 100}, {116, 92, 100, 100}, {116, 108, 100, 100},
          {100, 100, 200, 100}, {184, 108, 200, 100}, {184, 92, 200, 100}},
         200, 100, 0},
        {0, 2,
         {{100, 100, 200, 100}, {184, 108, 200, 100}, {184, 92, 200, 100},
          {200, 100, 100, 100}, {116, 92, 100, 100}, {116, 108, 100, 100}},
         100, 200, 0},
    };
    for (const auto& c : cases) {
        p.ClearLog();
        s.ZX = 200, s.ZY = 100, s.ZX0 = 100, s.ZY0 = 100;
        s.NAGASA = 16, s.CCC2 = 3, s.MUKI = c.muki, s.YA = c.ya;
        DrawArrow(s);
        ExpectSegs(Segs(OfKind(Op::Line)), c.lines);
        EXPECT_EQ(s.MUKI, 0);
        EXPECT_EQ(s.YA, c.ya_after);
        EXPECT_EQ(s.ZX0, c.zx0_after) << c.muki << " " << c.ya;
        EXPECT_EQ(s.ZX, c.zx_after);
        EXPECT_EQ(s.NAGASA, 16);
        EXPECT_EQ(s.CCC2, 3);
        for (const Op& o : OfKind(Op::Line)) EXPECT_EQ(o.colour, 3);
    }
    // The last head's working values.
    s.ZX = 200, s.ZY = 100, s.ZX0 = 100, s.ZY0 = 100, s.MUKI = 0, s.YA = 0;
    DrawArrow(s);
    EXPECT_EQ(s.D, 100);
    EXPECT_EQ(s.DX, 1);
    EXPECT_EQ(s.DY, 0);
    EXPECT_EQ(s.EX, 184);
    EXPECT_EQ(s.EY, 100);
    EXPECT_EQ(s.CX, 100);
}

TEST_F(Arrows, HeadSizeIsNotShortened) {
    s.ZX = 110, s.ZY = 100, s.ZX0 = 100, s.ZY0 = 100, s.NAGASA = 30, s.MUKI = 0;
    DrawArrow(s);
    EXPECT_EQ(s.EX, 80);  // beyond the tail
    s.ZX = 200, s.ZY = 100, s.ZX0 = 100, s.ZY0 = 100, s.NAGASA = 0, s.MUKI = 0;
    DrawArrow(s);
    EXPECT_EQ(s.ZX1, 200);
    EXPECT_EQ(s.ZX2, 200);
}

TEST_F(Arrows, EqualEndsAreARunTimeError) {
    s.ZX = s.ZX0 = 100, s.ZY = s.ZY0 = 100, s.NAGASA = 16;
    EXPECT_THROW(DrawArrow(s), RuntimeError);
    for (const Op& o : p.Log()) EXPECT_TRUE(std::isfinite(o.x1) && std::isfinite(o.y1));
}

TEST_F(Arrows, SlopeTriangle) {
    s.GX3 = 300, s.GY3 = 300, s.GX4 = 100, s.GY4 = 400, s.SIZE = 50, s.HYOUJI_s = "yy";
    p.SetDrawWidth(2);
    DrawSlopeTriangle(s);
    EXPECT_EQ(s.GX3, 100);  // exchanged: the left point first
    EXPECT_EQ(s.GY3, 400);
    const auto lines = OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 6u);
    ExpectSegs({Segs(lines)[0], Segs(lines)[3]}, {{100, 400, 300, 400}, {300, 400, 300, 300}});
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[i].colour, i < 3 ? 7 : 3);
        EXPECT_EQ(lines[i].width, 5);
    }
    EXPECT_NEAR(Dist(lines[1].x1, lines[1].y1, 300, 400), std::hypot(16.0f, 8.0f), 1e-4);
    EXPECT_EQ(s.X_s, "4");
    EXPECT_EQ(s.Y_s, "2");
    const auto texts = OfKind(Op::Text);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.front().x1, 186);
    EXPECT_EQ(texts.front().y1, 356);
    EXPECT_EQ(texts.front().colour, 7);
    EXPECT_EQ(texts.back().y1, 334);
    EXPECT_EQ(texts.back().colour, 3);
    EXPECT_EQ(s.CCC1, 3);
    EXPECT_EQ(p.GetDrawWidth(), 5);  // left at 5
    EXPECT_EQ(s.NAGASA, 16);
    EXPECT_EQ(s.CCC2, 3);
}

TEST_F(Arrows, SlopeTriangleTextsAndSwitches) {
    const struct {
        float gx4, gy4;
        const char* hyouji;
        const char *run, *rise;
        size_t texts;
    } cases[] = {
        {125, 275, "yy", ".5", "0.5", 2},   // a half: rise with its zero, run without
        {200, 325, "yy", "2", "-0.5", 2},   // a fall
        {200, 200, "y", "2", "2", 1},
        {200, 200, "ny", "2", "2", 1},
        {200, 200, "", "2", "2", 0},
        {200, 200, "Y", "2", "2", 0},
    };
    for (const auto& c : cases) {
        p.ClearLog();
        s.GX3 = 100, s.GY3 = 300, s.GX4 = c.gx4, s.GY4 = c.gy4, s.SIZE = 50;
        s.HYOUJI_s = c.hyouji;
        DrawSlopeTriangle(s);
        EXPECT_EQ(s.X_s, c.run);
        EXPECT_EQ(s.Y_s, c.rise);
        std::set<int> colours;
        for (const Op& o : OfKind(Op::Text)) colours.insert(o.colour);
        EXPECT_EQ(colours.size(), c.texts) << c.hyouji;
    }
}

TEST_F(Arrows, SlopeTriangleWithoutSizeOrLegIsARunTimeError) {
    const struct {
        float gx4, gy4, size;
    } cases[] = {{200, 200, 0}, {200, 300, 50}, {100, 200, 50}};
    for (const auto& c : cases) {
        s.GX3 = 100, s.GY3 = 300, s.GX4 = c.gx4, s.GY4 = c.gy4, s.SIZE = c.size;
        EXPECT_THROW(DrawSlopeTriangle(s), RuntimeError);
    }
}

TEST_F(Arrows, ArrowsOfTheSlopeTriangleGoThroughTheBinding) {
    static int calls = 0;
    calls = 0;
    s.bind.DrawArrow = [](State& st) {
        ++calls;
        shared::DrawArrow(st);
    };
    s.GX3 = 100, s.GY3 = 300, s.GX4 = 200, s.GY4 = 200, s.SIZE = 50;
    DrawSlopeTriangle(s);
    EXPECT_EQ(calls, 2);
}

TEST_F(Arrows, CrossingWithAGridLine) {
    const struct {
        float ax, ay, bx, by, cx, cy, x, y;
    } cases[] = {
        {0, 0, 100, 50, -1, 30, 60, 30},
        {0, 0, 100, 50, 40, -1, 40, 20},
        {50, 0, 50, 100, -1, 30, 50, 30},
        {0, 70, 100, 70, 40, -1, 40, 70},
        {0, 0, 100, 50, -2, -1, -2, -1},   // both negative: the vertical line's result stands
    };
    for (const auto& c : cases) {
        s.AX = c.ax, s.AY = c.ay, s.BX = c.bx, s.BY = c.by, s.CX = c.cx, s.CY = c.cy;
        IntersectLineWithGridLine(s);
        EXPECT_FLOAT_EQ(s.X1, c.x);
        EXPECT_FLOAT_EQ(s.Y1, c.y);
    }
    s.AX = 0, s.AY = 0, s.BX = 100, s.BY = 50, s.CX = -1, s.CY = 30;
    IntersectLineWithGridLine(s);
    EXPECT_EQ(s.A, 0.5f);
    EXPECT_EQ(s.B, 0);
    s.X1 = 11, s.Y1 = 12, s.CX = 5, s.CY = 5;  // neither negative: no point
    IntersectLineWithGridLine(s);
    EXPECT_EQ(s.X1, 11);
    EXPECT_EQ(s.Y1, 12);
    EXPECT_TRUE(p.Log().empty());
}

TEST_F(Arrows, PointsOfTheArcEllipse) {
    const struct {
        float x0, y0, x1, y1, takasa, kakudo, x, y;
    } cases[] = {
        {100, 300, 300, 300, 50, 0, 300, 300},
        {100, 300, 300, 300, 50, 90, 200, 250},
        {100, 300, 300, 300, 50, 180, 100, 300},
        {100, 300, 300, 300, 50, 270, 200, 350},
        {100, 300, 300, 300, 50, 35, 281.9152f, 271.3212f},
        {100, 300, 300, 300, 50, 395, 281.9152f, 271.3212f},
        {300, 300, 100, 300, 50, 90, 200, 350},
        {100, 100, 100, 300, 30, 90, 130, 200},
    };
    for (const auto& c : cases) {
        s.ZX0 = c.x0, s.ZY0 = c.y0, s.ZX1 = c.x1, s.ZY1 = c.y1, s.TAKASA = c.takasa;
        s.KAKUDO = c.kakudo;
        ComputeArcPoint(s);
        EXPECT_NEAR(s.ZX, c.x, 1e-3) << c.kakudo;
        EXPECT_NEAR(s.ZY, c.y, 1e-3) << c.kakudo;
        EXPECT_EQ(s.ZX0, c.x0);  // kept
        EXPECT_EQ(s.ZY0, c.y0);
        EXPECT_EQ(s.ZX1, s.ZX3);  // the point before the turn
        EXPECT_EQ(s.ZY1, s.ZY3);
        EXPECT_EQ(s.TAKASA, c.takasa);
        EXPECT_EQ(s.KAKUDO, c.kakudo);
    }
    s.ZX0 = s.ZX1 = 100, s.ZY0 = s.ZY1 = 300, s.TAKASA = 0, s.KAKUDO = 90;
    EXPECT_THROW(ComputeArcPoint(s), RuntimeError);
}

}  // namespace vm::test
