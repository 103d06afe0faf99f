#include "lessons/applications2/textbook_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "formula/formula.h"
#include "frame/binding.h"
#include "support/rig.h"

namespace vm::test {

SceneRun::SceneRun(const ProgramInfo& info, int lesson, int quit, int item, int keys) {
    const std::string script = std::to_string(lesson) + "\\n" + std::to_string(item) + "\\n" +
                               AnyKeys(keys) + (quit ? std::to_string(quit) + "\\n7\\n" : "");
    Ended e = RunKeys(info, script);
    log = std::move(e.log);
    unread = e.unread;
    error = e.error;
    lists = Find(log, IsSceneList);
    waits = Find(log, IsStepWait, begin(), end());
}

size_t SceneRun::KeyStart(size_t k) const { return k == 0 ? begin() : waits.at(k - 1); }

size_t SceneRun::KeyEnd(size_t k) const { return k < waits.size() ? waits[k] : end(); }

size_t FindMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                  int colour, size_t from, size_t to) {
    const std::vector<Op> want = TextOps(text, x, y, colour);
    if (want.empty()) return kNone;
    std::vector<size_t> texts;
    for (size_t i = from; i < log.size() && i < to; ++i)
        if (log[i].kind == Op::Text) texts.push_back(i);
    for (size_t i = 0; i + want.size() <= texts.size(); ++i) {
        bool same = true;
        for (size_t j = 0; j < want.size() && same; ++j) {
            const Op& a = log[texts[i + j]];
            const Op& b = want[j];
            same = a.text == b.text && a.colour == b.colour && Near(a.x1, b.x1) &&
                   Near(a.y1, b.y1) && a.mh == b.mh && a.mv == b.mv && a.font == b.font;
        }
        if (same) return texts[i];
    }
    return kNone;
}

float PenAfter(const std::string& text, float x, float y) {
    Platform p(0, 0, true);
    State s(p, ProgramId::C, SharedBinding());
    s.X = x;
    s.Y = y;
    s.AA_s = text;
    DrawMarkupText(s);
    return s.X;
}

void ExpectLines(const SceneRun& run, const std::vector<Line>& lines) {
    size_t at = run.begin();
    float pen = 0;
    for (Line l : lines) {
        if (l.x == kCont) l.x = pen + l.gap;
        pen = PenAfter(l.text, l.x, l.y);
        const size_t from = std::max(at, run.KeyStart(static_cast<size_t>(l.key)));
        const size_t to = run.KeyEnd(static_cast<size_t>(l.key));
        const size_t i = FindMarkup(run.log, l.text, l.x, l.y, l.colour, from, to);
        EXPECT_NE(i, kNone) << "key " << l.key << ": \"" << l.text << "\" at (" << l.x << ","
                            << l.y << ") colour " << l.colour;
        if (i == kNone) continue;
        EXPECT_EQ(FindMarkup(run.log, l.text, l.x, l.y, l.colour, i + 1, to), kNone)
            << "drawn twice: " << l.text;
        at = i + 1;
    }
}

void PrintTo(const AnswerScene& scene, std::ostream* os) { *os << "scene " << scene.item; }

void ExpectScene(const ProgramInfo& info, int lesson, int quit, const AnswerScene& scene) {
    const SceneRun run(info, lesson, quit, scene.item, scene.waits);
    EXPECT_FALSE(run.error);
    EXPECT_EQ(run.unread, 0u);
    ASSERT_EQ(run.lists.size(), 2u);
    ASSERT_EQ(run.waits.size(), static_cast<size_t>(scene.waits));
    EXPECT_EQ(Count(run.log, IsScreenClear, run.begin(), run.end()), 1u);
    ExpectLines(run, scene.lines);
    for (const Box& b : scene.boxes) {
        size_t n = 0, in_part = 0;
        for (size_t i = run.begin(); i < run.end(); ++i) {
            const Op& op = run.log[i];
            if (!IsFilledBox(op, b.x1, b.y1, b.x2, b.y2, b.fill) || op.colour != b.border) continue;
            ++n;
            if (i >= run.KeyStart(static_cast<size_t>(b.key)) &&
                i < run.KeyEnd(static_cast<size_t>(b.key)))
                ++in_part;
        }
        EXPECT_EQ(n, 1u) << "box at " << b.x1 << "," << b.y1;
        EXPECT_EQ(in_part, 1u) << "box at " << b.x1 << "," << b.y1 << " after key " << b.key;
    }
    // One key fewer leaves the scene waiting: the list is not asked again.
    const SceneRun short_run(info, lesson, 0, scene.item, scene.waits - 1);
    EXPECT_FALSE(short_run.error);
    EXPECT_EQ(short_run.lists.size(), 1u);
}

std::vector<DotRun> DotRuns(const std::vector<Op>& log, size_t from, size_t to) {
    std::vector<DotRun> runs;
    bool in_run = false;
    for (size_t i = from; i < log.size() && i < to; ++i) {
        const Op& op = log[i];
        const bool dot = op.kind == Op::Dot && op.r == 0.5f;
        if (dot && !in_run) runs.push_back({{}, i});
        if (dot) runs.back().dots.push_back(&op);
        in_run = dot;
    }
    return runs;
}

float SideOf(const DotRun& run, float x1, float y1, float x2, float y2) {
    const Op* apex = run.dots[run.dots.size() / 2];
    const float dx = x2 - x1, dy = y2 - y1;
    // (-dy, dx) points to the right of the way on a screen with y down.
    return (apex->x1 - (x1 + x2) / 2) * -dy + (apex->y1 - (y1 + y2) / 2) * dx;
}

namespace {

bool Alike(const Op& a, const Op& b, bool width) {
    bool pts = a.pts.size() == b.pts.size();
    for (size_t i = 0; pts && i < a.pts.size(); ++i)
        pts = a.pts[i].x == b.pts[i].x && a.pts[i].y == b.pts[i].y;
    return pts && a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 &&
           a.y2 == b.y2 && a.r == b.r && a.aspect == b.aspect && a.start == b.start &&
           a.end == b.end && a.text == b.text && a.mh == b.mh && a.mv == b.mv &&
           a.colour == b.colour && a.fill == b.fill && a.font == b.font &&
           (!width || a.width == b.width);
}

}  // namespace

bool SameOps(const std::vector<Op>& log, size_t a0, size_t a1, size_t b0, size_t b1) {
    if (a1 - a0 != b1 - b0) return false;
    for (size_t k = 0; k < a1 - a0; ++k) {
        const Op& a = log[a0 + k];
        // Texts do not draw with the pen; the boxes (clears, tags, prompts)
        // take whatever width is in force.
        const bool width = a.kind != Op::Text && a.kind != Op::FillBox;
        if (!Alike(a, log[b0 + k], width)) return false;
    }
    return true;
}

size_t CountOffCanvas(const std::vector<Op>& log, size_t from, size_t to) {
    const auto in = [](float x, float y) { return x >= 0 && x <= 1440 && y >= 0 && y <= 900; };
    size_t n = 0;
    for (size_t i = from; i < log.size() && i < to; ++i) {
        const Op& op = log[i];
        bool ok = true;
        switch (op.kind) {
            case Op::FillBox:
                // The clearing boxes reach past the canvas on purpose.
                ok = op.fill == 15 || (in(op.x1, op.y1) && in(op.x2, op.y2));
                break;
            case Op::Line:
            case Op::Box:
                ok = in(op.x1, op.y1) && in(op.x2, op.y2);
                break;
            case Op::Arc:
            case Op::Sector:
            case Op::Dot: {
                // The points of the arc as drawn: clockwise on the screen from
                // start to end, through 0 where needed; a whole turn when they
                // are equal.
                float sweep = op.end - op.start;
                if (sweep <= 0) sweep += 1;
                if (op.kind == Op::Dot || op.start == op.end) sweep = 1;
                for (int k = 0; k <= 64 && ok; ++k) {
                    const double a = 2 * 3.14159265358979 * (op.start + sweep * k / 64);
                    ok = in(op.x1 + op.r * static_cast<float>(std::cos(a)),
                            op.y1 + op.r * op.aspect * static_cast<float>(std::sin(a)));
                }
                break;
            }
            case Op::Polyline:
            case Op::FillPolygon:
                for (const Point& p : op.pts) ok = ok && in(p.x, p.y);
                break;
            case Op::Text:
                ok = in(op.x1, op.y1);
                break;
            default:
                break;
        }
        if (!ok) ++n;
    }
    return n;
}

}  // namespace vm::test
