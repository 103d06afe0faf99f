#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "lessons/applications1/plane.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

// The drill's plane: origin (988, 360), 40 px a unit.
Point Pixel(int x, int y) { return {988.0f + 40 * x, 360.0f - 40 * y}; }

std::string N(int v) { return std::to_string(v); }

struct Expected {
    std::string horizontal, vertical;  // the leg lines
    std::string last;                  // "x>0 だから、x=..." before the result
    std::string result;                // the simplified root, in colour 5
};

// What a problem with A(ax, ay), B(bx, by) writes, worked out apart from
// the scene: each leg is the right (upper) coordinate minus the left
// (lower) one.
Expected Work(int ax, int ay, int bx, int by) {
    Expected e;
    const bool b_right = bx > ax, a_upper = ay > by;
    e.horizontal = std::string(b_right ? "BC=" : "AC=") + N(b_right ? bx : ax) + "-(" +
                   N(b_right ? ax : bx) + ")=" + N(std::abs(bx - ax));
    e.vertical = std::string(a_upper ? "AC=" : "BC=") + N(a_upper ? ay : by) + "-(" +
                 N(a_upper ? by : ay) + ")=" + N(std::abs(ay - by));
    const int n = (std::abs(ax) + std::abs(bx)) * (std::abs(ax) + std::abs(bx)) +
                  (std::abs(ay) + std::abs(by)) * (std::abs(ay) + std::abs(by));
    e.result = RootMarkup(n);
    const bool divided = e.result != "!" + N(n) + "ﾝ";
    e.last = "x>0 だから、x=" + (divided ? "!" + N(n) + "ﾝ=" : std::string());
    return e;
}

// One problem's page, from its screen clear to its gate. Reads A and B
// from the plotted dots and checks everything the page shows against them.
void CheckProblem(const std::vector<Op>& page, const Expected* given = nullptr) {
    std::vector<Op> dots;
    for (const Op& op : page)
        if (op.kind == Op::Dot && op.r == 7) dots.push_back(op);
    ASSERT_EQ(dots.size(), 2u);
    const float fax = (dots[0].x1 - 988) / 40, fay = (360 - dots[0].y1) / 40;
    const float fbx = (dots[1].x1 - 988) / 40, fby = (360 - dots[1].y1) / 40;
    for (const float v : {fax, fay, fbx, fby}) ASSERT_EQ(v, std::round(v));
    const int ax = static_cast<int>(fax), ay = static_cast<int>(fay);
    const int bx = static_cast<int>(fbx), by = static_cast<int>(fby);
    const std::string where = "A(" + N(ax) + "," + N(ay) + ") B(" + N(bx) + "," + N(by) + ")";
    SCOPED_TRACE(where);
    EXPECT_EQ(dots[0].colour, 3);
    EXPECT_EQ(dots[1].colour, 3);

    // A and B in the second and fourth quadrants, one in each; the sizes
    // the draws allow.
    const bool a_second = ax < 0 && ay > 0 && bx > 0 && by < 0;
    const bool a_fourth = ax > 0 && ay < 0 && bx < 0 && by > 0;
    EXPECT_TRUE(a_second || a_fourth);
    EXPECT_TRUE(std::abs(ax) >= 2 && std::abs(ax) <= 5 && std::abs(by) >= 2 && std::abs(by) <= 5);
    EXPECT_TRUE(std::abs(ay) >= 1 && std::abs(ay) <= 5 && std::abs(bx) >= 1 && std::abs(bx) <= 5);
    const int dx = std::abs(ax) + std::abs(bx), dy = std::abs(ay) + std::abs(by);
    EXPECT_TRUE(dx >= 3 && dx <= 10 && dy >= 3 && dy <= 10);
    const int n = dx * dx + dy * dy;
    EXPECT_TRUE(n >= 18 && n <= 200);

    EXPECT_EQ(CountMarkup(page,
                          "問　２点A(" + N(ax) + "," + N(ay) + ")、B(" + N(bx) + "," + N(by) +
                              ")の距離を求めなさい。",
                          72, 30, 0),
              1);

    // The triangle A-B, A-C, C-B in colour 3, with C in the third quadrant.
    std::vector<Op> sides;
    for (const Op& op : page)
        if (op.kind == Op::Line && op.colour == 3 && op.width == 5) sides.push_back(op);
    ASSERT_EQ(sides.size(), 3u);
    const int cx = ay > by ? ax : bx, cy = ay > by ? by : ay;
    EXPECT_TRUE(cx < 0 && cy < 0);
    const Point a = Pixel(ax, ay), b = Pixel(bx, by), c = Pixel(cx, cy);
    EXPECT_EQ(sides[1].x2, c.x);
    EXPECT_EQ(sides[1].y2, c.y);
    EXPECT_EQ(sides[2].x1, c.x);
    EXPECT_EQ(sides[2].y1, c.y);

    // The letter C stands away from both legs, outside the triangle.
    size_t letters = 0;
    for (const Op& op : page) {
        if (op.kind != Op::Text || op.text != "C" || op.colour != 3) continue;
        ++letters;
        const float mx = op.x1 + PenAfter("C", 0) / 2 - c.x, my = op.y1 + 22 - c.y;
        EXPECT_LT(mx * (a.x - c.x) + my * (a.y - c.y), 0);
        EXPECT_LT(mx * (b.x - c.x) + my * (b.y - c.y), 0);
    }
    EXPECT_EQ(letters, 1u);

    // The arcs: lower point to C, upper point to C, A to B, each outside.
    const Point lower = ay < by ? a : b, upper = ay < by ? b : a;
    const auto runs = DotRuns(page);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_TRUE(ArcOutside(runs[0], lower, c, upper));
    EXPECT_TRUE(ArcOutside(runs[1], upper, c, lower));
    EXPECT_TRUE(ArcOutside(runs[2], a, b, c));

    const Expected e = Work(ax, ay, bx, by);
    if (given) {
        EXPECT_EQ(given->horizontal, e.horizontal);
        EXPECT_EQ(given->vertical, e.vertical);
        EXPECT_EQ(given->last, e.last);
        EXPECT_EQ(given->result, e.result);
    }
    EXPECT_EQ(CountMarkup(page, e.horizontal, 72, 110, 0), 1) << e.horizontal;
    EXPECT_EQ(CountMarkup(page, e.vertical, 72, 170, 0), 1) << e.vertical;
    EXPECT_EQ(CountMarkup(page, "AB=xとすると、", 72, 230, 0), 1);
    EXPECT_EQ(CountMarkup(page, "x^2=" + N(dx) + "^2+" + N(dy) + "^2", 72, 290, 0), 1);
    EXPECT_EQ(CountMarkup(page, "  =" + N(dx * dx) + "+" + N(dy * dy), 72, 350, 0), 1);
    EXPECT_EQ(CountMarkup(page, "  =" + N(n), 72, 410, 0), 1);
    EXPECT_EQ(CountMarkup(page, e.last, 72, 470, 0), 1) << e.last;
    EXPECT_EQ(CountMarkup(page, e.result, PenAfter(e.last, 72), 470, 5), 1) << e.result;
    EXPECT_EQ(CountStepWaits(page), 3u);
}

// The pages of a drill run: from each problem's clear to the next clear.
std::vector<std::vector<Op>> Pages(const std::vector<Op>& log) {
    const auto clears = Find(log, IsScreenClear);
    std::vector<std::vector<Op>> pages;
    // The drill clears once at its start and again at the head of each problem.
    for (size_t j = 1; j < clears.size(); ++j) {
        const size_t end = j + 1 < clears.size() ? clears[j + 1] : log.size();
        pages.emplace_back(log.begin() + static_cast<long>(clears[j]),
                           log.begin() + static_cast<long>(end));
    }
    return pages;
}

TEST(TwoPointDistanceDrill, EveryProblemShowsItsPointsLegsAndRoot) {
    constexpr int kPerRun = 25;
    int second = 0, fourth = 0, whole = 0, divided = 0, free = 0;
    for (int seed = 0; seed < 12; ++seed) {
        Rig r(ProgramB(), false, "00:00:" + std::string(seed < 10 ? "0" : "") + N(seed));
        for (int i = 0; i < kPerRun; ++i) r.Keys(AnyKeys(3) + (i + 1 < kPerRun ? "2\n" : "1\n"));
        ASSERT_TRUE(r.Run(TwoPointDistanceDrill));
        EXPECT_EQ(r.Unread(), 0u);
        EXPECT_EQ(Count(r.Log(), IsNextStepGate), static_cast<size_t>(kPerRun));
        const auto pages = Pages(r.Log());
        ASSERT_EQ(pages.size(), static_cast<size_t>(kPerRun));
        for (const auto& page : pages) {
            CheckProblem(page);
            EXPECT_EQ(Count(page, IsNextStepGate), 1u);
            std::vector<Op> dots;
            for (const Op& op : page)
                if (op.kind == Op::Dot && op.r == 7) dots.push_back(op);
            if (dots.size() != 2) continue;
            (dots[0].x1 < 988 ? second : fourth) += 1;
            const int dx = static_cast<int>(std::fabs(dots[0].x1 - dots[1].x1) / 40);
            const int dy = static_cast<int>(std::fabs(dots[0].y1 - dots[1].y1) / 40);
            const std::string root = RootMarkup(dx * dx + dy * dy);
            if (root.find('!') == std::string::npos) ++whole;
            else if (root[0] == '!') ++free;
            else ++divided;
        }
    }
    // Both sign cases and every kind of root came up.
    EXPECT_GT(second, 0);
    EXPECT_GT(fourth, 0);
    EXPECT_GT(whole, 0);
    EXPECT_GT(divided, 0);
    EXPECT_GT(free, 0);
}

// Points given through the five draws: square-free, square-factor and
// perfect-square results, both sign cases.
TEST(TwoPointDistanceDrill, GivenPointsWorkOutAsTheyShould) {
    const struct {
        float t1, f1, t2, f2, p;
        Expected e;
    } cases[] = {
        {3, 4, 2, 5, 1, {"BC=2-(-3)=5", "AC=4-(-5)=9", "x>0 だから、x=", "!106ﾝ"}},
        {3, 2, 4, 5, 2, {"AC=3-(-4)=7", "BC=5-(-2)=7", "x>0 だから、x=!98ﾝ=", "7!2ﾝ"}},
        {2, 1, 1, 4, 1, {"BC=1-(-2)=3", "AC=1-(-4)=5", "x>0 だから、x=", "!34ﾝ"}},
        {2, 1, 1, 2, 2, {"AC=2-(-1)=3", "BC=2-(-1)=3", "x>0 だから、x=!18ﾝ=", "3!2ﾝ"}},
        {5, 5, 5, 5, 1, {"BC=5-(-5)=10", "AC=5-(-5)=10", "x>0 だから、x=!200ﾝ=", "10!2ﾝ"}},
        {2, 2, 1, 2, 2, {"AC=2-(-1)=3", "BC=2-(-2)=4", "x>0 だから、x=!25ﾝ=", "5ﾝ"}},
        {3, 4, 3, 4, 1, {"BC=3-(-3)=6", "AC=4-(-4)=8", "x>0 だから、x=!100ﾝ=", "10ﾝ"}},
    };
    for (const auto& c : cases) {
        Rig r(ProgramB());
        r.AnyKeys(3);
        PoseDistanceProblem(r.s, c.t1, c.f1, c.t2, c.f2, c.p);
        EXPECT_EQ(r.Unread(), 0u);
        CheckProblem(r.Log(), &c.e);
    }
}

// At the gate only the value 1 ends the drill; every other entry, a
// fraction over 0 among them, draws a new problem.
TEST(TwoPointDistanceDrill, GateEndsOnOneAndDrawsAgainOnAnythingElse) {
    const struct {
        const char* entry;
        bool ends;
    } cases[] = {
        {"1", true},     {"2/2", true},  {"", false},   {"0", false},  {"-1", false},
        {"2", false},    {"1.5", false}, {"1/0", false}, {"5/", false}, {"/", false},
    };
    for (const auto& c : cases) {
        const std::string keys = std::string("3\n2\n") + AnyKeys(3) + c.entry + "\n" +
                                 (c.ends ? "" : AnyKeys(3) + "1\n") + "7\n6\n";
        const Ended e = RunKeys(ProgramB(), keys);
        EXPECT_FALSE(e.error) << c.entry;
        EXPECT_EQ(e.unread, 0u) << c.entry;
        const auto gates = Find(e.log, IsNextStepGate);
        ASSERT_EQ(gates.size(), c.ends ? 1u : 2u) << c.entry;
        // The hint over the last problem, then the list.
        const size_t hint = FindText(e.log, "教科書P197 問8　をしなさい。", gates.back());
        ASSERT_NE(hint, kNone) << c.entry;
        EXPECT_EQ(CountMarkup(e.log, "教科書P197 問8　をしなさい。", 44, 590, 7), 1) << c.entry;
        const auto lists = Find(e.log, IsSceneList);
        ASSERT_EQ(lists.size(), 2u) << c.entry;
        EXPECT_GT(lists[1], hint) << c.entry;
        EXPECT_EQ(Count(e.log, IsScreenClear, hint, lists[1]), 0u) << c.entry;
    }
}

}  // namespace
}  // namespace vm::test
