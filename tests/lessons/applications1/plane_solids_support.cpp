#include "lessons/applications1/plane_solids_support.h"

#include <gtest/gtest.h>

#include <cmath>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

float EndX(const std::string& text, float x, float y) {
    Rig r(ProgramB());
    r.s.X = x;
    r.s.Y = y;
    r.s.AA_s = text;
    DrawMarkupText(r.s);
    return r.s.X;
}

void CheckScene(const ProgramInfo& info, const std::string& lesson, const SceneCase& c,
                const std::string& tail) {
    const Ended e = RunKeys(info, lesson + "\n" + std::to_string(c.item) + "\n" +
                                      AnyKeys(c.waits) + tail);
    EXPECT_FALSE(e.error);
    EXPECT_EQ(e.unread, 0u);
    const auto lists = Find(e.log, IsSceneList);
    ASSERT_GE(lists.size(), 2u);
    const std::vector<Op> page(e.log.begin() + static_cast<long>(lists[0]),
                               e.log.begin() + static_cast<long>(lists[1]));
    EXPECT_EQ(CountClears(page), 1u);
    EXPECT_EQ(CountStepWaits(page), static_cast<size_t>(c.waits));
    float x = 0, y = 0;
    std::string before;
    for (const auto& line : c.lines) {
        const float at = line.x == kAfter ? EndX(before, x, y) : line.x;
        EXPECT_EQ(CountMarkup(page, line.text, at, line.y, line.colour), line.times)
            << line.text << " at (" << at << ", " << line.y << ") in colour " << line.colour;
        before = line.text;
        x = at;
        y = line.y;
    }
    // Nothing of the page comes after the list is asked.
    const auto waits = Find(page, IsStepWait);
    if (!waits.empty() && !c.lines.empty()) {
        const auto& last = c.lines.back();
        const float at = last.x == kAfter ? x : last.x;
        const auto want = TextOps(last.text, at, last.y, last.colour);
        ASSERT_FALSE(want.empty());
        size_t found = kNone;
        for (size_t i = waits.back(); i < page.size(); ++i)
            if (page[i].kind == Op::Text && page[i].text == want.back().text &&
                Near(page[i].x1, want.back().x1) && Near(page[i].y1, want.back().y1))
                found = i;
        EXPECT_NE(found, kNone) << "the last line comes after the last wait";
    }
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

bool AllAwayFrom(const std::vector<Point>& dots, Point p, Point q, Point far) {
    auto side = [&](Point d) { return (q.x - p.x) * (d.y - p.y) - (q.y - p.y) * (d.x - p.x); };
    const float len = std::hypot(q.x - p.x, q.y - p.y);
    const float away = side(far) > 0 ? -1.0f : 1.0f;
    for (const Point& d : dots)
        if (away * side(d) / len < -1) return false;
    return !dots.empty();
}

}  // namespace vm::test
