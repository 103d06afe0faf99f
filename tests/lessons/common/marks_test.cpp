#include "lessons/common/marks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lessons/common/figure.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

// A square A(842,190) B(842,440) C(1092,440) D(1092,190) on a 50 px frame.
void Square(State& s) {
    Frame(s, 792, 90, 7, 8, 50);
    Put(s, {{1, 1, 6}, {2, 1, 1}, {3, 6, 1}, {4, 6, 6}});
}

size_t Dots(const std::vector<Op>& log) { return OfKind(log, Op::Dot).size(); }

// Each call sets every input again, so a mark drawn after another routine
// has reset or grown its options looks the same as the first.
TEST(LessonMarks, EveryCallSetsAllItsOptions) {
    Rig r;
    State& s = r.s;
    Square(s);
    s.P.SetDrawWidth(5);
    LengthArc(s, 2, 3, 1, 5, "1cm", kBlueDotsBlackLabel);
    EXPECT_EQ(Dots(r.Log()), 37u);
    // Below BC, outside the square: the apex is left in ZX0/ZY0.
    EXPECT_NEAR(s.ZX0, 967, 0.01);
    EXPECT_NEAR(s.ZY0, 460, 0.01);
    ASSERT_EQ(Texts(r.Log()).size(), 3u);
    EXPECT_EQ(Texts(r.Log())[0].colour, 0);

    r.p.ClearLog();
    for (int k = 0; k < 2; ++k) RightAngle(s, 3, 2, 4, 40, 5);
    const auto marks = OfKind(r.Log(), Op::Polyline);
    ASSERT_EQ(marks.size(), 2u);
    const float want[3][2] = {{1052, 440}, {1052, 400}, {1092, 400}};
    for (const Op& m : marks) {
        ASSERT_EQ(m.pts.size(), 3u);
        EXPECT_EQ(m.colour, 5);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(m.pts[i].x, want[i][0], 1e-3);
            EXPECT_NEAR(m.pts[i].y, want[i][1], 1e-3);
        }
    }

    // The tick routine leaves its spacing grown; the second tick must still
    // stand 8 px past its segment's midpoint.
    r.p.ClearLog();
    Ticks(s, 2, 3);
    Ticks(s, 2, 3);
    const auto ticks = OfKind(r.Log(), Op::Line);
    ASSERT_EQ(ticks.size(), 2u);
    for (const Op& t : ticks) {
        EXPECT_FLOAT_EQ(t.x1, 975);
        EXPECT_FLOAT_EQ(t.x2, 975);
        EXPECT_EQ(t.colour, 3);
    }

    r.p.ClearLog();
    DottedLine(s, 1, 4, 7, 0);
    EXPECT_EQ(Dots(r.Log()), 26u);
    EXPECT_TRUE(Texts(r.Log()).empty());
    for (const Op& d : r.Log()) EXPECT_FLOAT_EQ(d.y1, 190);
}

TEST(LessonMarks, SectorsAndPolygonsTakeTheirPointsInOrder) {
    Rig r;
    State& s = r.s;
    Square(s);
    AngleMark(s, 2, 3, 1, 50, 0, kBlue, kGreen, "90°", kRed);
    const auto sectors = OfKind(r.Log(), Op::Sector);
    ASSERT_EQ(sectors.size(), 1u);
    EXPECT_EQ(sectors[0].r, 50);
    EXPECT_EQ(sectors[0].colour, 3);
    EXPECT_EQ(sectors[0].fill, 9);
    // From BC (start 0) clockwise on the screen round to BA (0.75).
    EXPECT_NEAR(sectors[0].start, 0.75, 1e-4);
    EXPECT_NEAR(std::fmod(sectors[0].end, 1.0f), 0, 1e-4);
    EXPECT_EQ(s.NAGASA, 0);

    r.p.ClearLog();
    s.X_sa(1) = "P", s.X_sa(2) = "Q", s.X_sa(3) = "R";
    Polygon(s, {4, 2, 3}, "1", 3, 3);
    EXPECT_EQ(s.KAKU, 3);
    EXPECT_EQ(s.G_a(1, 1), 1092);
    EXPECT_EQ(s.G_a(2, 2), 440);
    const auto texts = Texts(r.Log());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "P");
    EXPECT_EQ(texts[0].colour, 3);

    const float yi1 = s.YI1, xi2 = s.XI2;
    PointLetter(s, 3, 0, "D");
    EXPECT_EQ(CountMarkup(r.Log(), "D", 1072, 444, 0), 1);
    EXPECT_EQ(s.YI1, yi1);
    EXPECT_EQ(s.XI2, xi2);
}

}  // namespace
}  // namespace vm::test
