#include "scene_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "formula/formula.h"
#include "frame/binding.h"
#include "support/log.h"

namespace vm::test::page {

using namespace vm::test;

float EndOf(const std::string& text, float x, Routine writer) {
    Platform p(0, 0, false);
    State s(p, ProgramId::B, SharedBinding());
    s.X = x;
    s.AA_s = text;
    (writer ? writer : DrawMarkupText)(s);
    return s.X;
}

size_t ExpectTextsInOrder(const std::vector<Op>& log, size_t from, size_t to,
                          const std::vector<Line>& lines) {
    const auto texts = Find(log, [](const Op& op) { return op.kind == Op::Text; }, from, to);
    size_t at = 0, last = kNone;
    float cursor = 0;
    for (const Line& l : lines) {
        const float x = l.place == kAfter ? cursor : l.x;
        const auto want = TextOps(l.text, x, l.y, l.colour, l.writer);
        EXPECT_FALSE(want.empty()) << l.text;
        if (want.empty()) return kNone;
        // The next run of glyphs that matches; labels of marks may come between.
        bool found = false;
        for (; !found && at + want.size() <= texts.size(); ++at) {
            const Op& first = log[texts[at]];
            const float dx = l.place == kMark ? first.x1 - want[0].x1 : 0;
            const float dy = l.place == kMark ? first.y1 - want[0].y1 : 0;
            found = true;
            for (size_t j = 0; j < want.size() && found; ++j) {
                const Op& got = log[texts[at + j]];
                found = got.text == want[j].text && got.colour == want[j].colour &&
                        got.mh == want[j].mh && got.mv == want[j].mv &&
                        Near(got.x1, want[j].x1 + dx) && Near(got.y1, want[j].y1 + dy);
            }
        }
        EXPECT_TRUE(found) << "\"" << l.text << "\" at " << x << "," << l.y << " in colour "
                           << l.colour;
        if (!found) return kNone;
        last = texts[at - 1];
        at += want.size() - 1;
        if (l.place == kAt || l.place == kAfter) cursor = EndOf(l.text, x, l.writer);
    }
    return last;
}

std::vector<std::vector<Point>> DotRuns(const std::vector<Op>& log) {
    std::vector<std::vector<Point>> runs;
    bool open = false;
    for (const Op& op : log) {
        if (op.kind == Op::Dot && op.r == 0.5f) {
            if (!open) runs.emplace_back();
            runs.back().push_back({op.x1, op.y1});
            open = true;
        } else {
            open = false;
        }
    }
    return runs;
}

std::vector<size_t> Sizes(const std::vector<std::vector<Point>>& runs) {
    std::vector<size_t> n;
    for (const auto& r : runs) n.push_back(r.size());
    return n;
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

void ExpectPolyline(const Op& op, const std::vector<Point>& want, int colour) {
    ASSERT_EQ(op.pts.size(), want.size());
    EXPECT_EQ(op.colour, colour);
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(op.pts[i].x, want[i].x, 1e-3) << i;
        EXPECT_NEAR(op.pts[i].y, want[i].y, 1e-3) << i;
    }
}

bool Outside(Point p, Point a, Point b, Point c) {
    const auto side = [&](Point q) { return (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x); };
    return side(p) * side(c) < 0;
}

bool ArcOutside(const std::vector<Point>& dots, Point a, Point b, Point c) {
    for (size_t d = 1; d + 1 < dots.size(); ++d)
        if (!Outside(dots[d], a, b, c)) return false;
    return dots.size() > 2;
}

std::vector<Point> LabelsOf(const std::vector<Op>& log, const std::string& text, int colour) {
    std::vector<Point> at;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].kind == Op::Text && log[i].colour == colour &&
            FindText(log, text, i, i + 8) == i)
            at.push_back({log[i].x1, log[i].y1});
    return at;
}

}  // namespace vm::test::page
