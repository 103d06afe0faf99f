#include "support/figure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vm::test {

std::vector<DotRun> DotRuns(const std::vector<Op>& log, size_t from, size_t to) {
    std::vector<DotRun> runs;
    bool in_run = false;
    for (size_t i = from; i < log.size() && i < to; ++i) {
        const Op& op = log[i];
        const bool dot = op.kind == Op::Dot && op.r == 0.5f;
        if (dot && !in_run) runs.push_back({i, {}});
        if (dot) runs.back().dots.push_back(op);
        in_run = dot;
    }
    return runs;
}

std::vector<size_t> Sizes(const std::vector<DotRun>& runs) {
    std::vector<size_t> n;
    for (const auto& r : runs) n.push_back(r.dots.size());
    return n;
}

float SideOf(const DotRun& run, float x1, float y1, float x2, float y2) {
    const Op& apex = run.Middle();
    const float dx = x2 - x1, dy = y2 - y1;
    // (-dy, dx) points to the right of the way on a screen with y down.
    return (apex.x1 - (x1 + x2) / 2) * -dy + (apex.y1 - (y1 + y2) / 2) * dx;
}

void ExpectConeBase(const DotRun& base, float axis, float depth, int colour) {
    const auto& dots = base.dots;
    ASSERT_EQ(dots.size(), 181u + 26u);
    for (size_t k = 0; k < dots.size(); ++k) {
        EXPECT_EQ(dots[k].colour, colour) << k;
        if (k > 0 && k < 180) {
            EXPECT_GT(dots[k].y1, axis) << k;
        }
        if (k > 181) {
            EXPECT_LT(dots[k].y1, axis) << k;
        }
    }
    EXPECT_NEAR(dots[90].y1, axis + depth, 0.01);
    EXPECT_NEAR(dots[181].y1, axis, 0.01);
    // The back's sparse dots miss its very top by a little.
    EXPECT_NEAR(dots[181 + 13].y1, axis - depth, 0.2);
}

namespace {

// How far q lies from the line a-b, positive on c's side.
float Towards(Point q, Point a, Point b, Point c) {
    const auto side = [&](Point p) {
        return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    };
    const float d = side(q) / std::hypot(b.x - a.x, b.y - a.y);
    return side(c) > 0 ? d : -d;
}

}  // namespace

bool Outside(Point p, Point a, Point b, Point c) { return Towards(p, a, b, c) < 0; }

bool ArcOutside(const DotRun& run, Point a, Point b, Point c) {
    const auto& d = run.dots;
    if (d.size() < 3) return false;
    for (size_t i = 0; i < d.size(); ++i) {
        const float in = Towards({d[i].x1, d[i].y1}, a, b, c);
        const bool end = i == 0 || i + 1 == d.size();
        if (end ? in > 1 : in >= 0) return false;
    }
    return true;
}

std::vector<Op> RightAngleMarks(const std::vector<Op>& log, float side) {
    std::vector<Op> out;
    for (const Op& op : OfKind(log, Op::Polyline)) {
        if (op.pts.size() != 3) continue;
        const float a = std::hypot(op.pts[1].x - op.pts[0].x, op.pts[1].y - op.pts[0].y);
        const float b = std::hypot(op.pts[2].x - op.pts[1].x, op.pts[2].y - op.pts[1].y);
        if (Near(a, side, 1e-3f) && Near(b, side, 1e-3f)) out.push_back(op);
    }
    return out;
}

std::vector<Op> FigureLines(const std::vector<Op>& log, float x0) {
    std::vector<Op> out;
    for (const Op& op : OfKind(log, Op::Line))
        if (op.x1 >= x0 && op.y1 < 657) out.push_back(op);
    return out;
}

void ExpectPolyline(const Op& op, const std::vector<Point>& want, int colour, float tol) {
    ASSERT_EQ(op.pts.size(), want.size());
    EXPECT_EQ(op.colour, colour);
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(op.pts[i].x, want[i].x, tol) << i;
        EXPECT_NEAR(op.pts[i].y, want[i].y, tol) << i;
    }
}

std::vector<Point> LabelsOf(const std::vector<Op>& log, const std::string& text, int colour) {
    std::vector<Point> at;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].kind == Op::Text && log[i].colour == colour &&
            FindText(log, text, i, i + 8) == i)
            at.push_back({log[i].x1, log[i].y1});
    return at;
}

}  // namespace vm::test
