// Running Velmaris-A's scenes from its main menu and checking what they
// drew: the key waits, the texts with place and colour, the scene list
// asked again at once, and the same drawing on a second visit.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/binding.h"
#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"

// Other lessons' tests define types of the same names; in one namespace the
// linker would keep one of their copy constructors for all of them.
namespace vm::test::inline theorem_scenes {

// A text as a scene draws it: markup, pen, colour.
struct Placed {
    std::string text;
    float x, y;
    int colour;
};

struct SceneCase {
    std::string name;
    std::string lesson;  // main-menu item
    std::string keys;    // the scene number and everything the scene reads
    size_t waits;        // step waits the scene makes
    size_t gates;        // drill gates it asks
    std::vector<Placed> texts;
    std::string last;    // the scene's last text (markup); "" leaves it unchecked
};

// Where the pen stands after the markup text written from x.
inline float EndOf(const std::string& text, float x) {
    Platform p(0, 0, false);
    State s(p, ProgramId::A, SharedBinding());
    s.X = x;
    s.AA_s = text;
    DrawMarkupText(s);
    return s.X;
}

inline size_t MenuPanels(const std::vector<Op>& log) { return Count(log, IsMenuPanel); }

inline bool SameOp(const Op& a, const Op& b) {
    // The pen width in force does not change how a text looks.
    if (a.kind != b.kind || a.text != b.text || a.colour != b.colour || a.fill != b.fill ||
        (a.kind != Op::Text && a.width != b.width) || a.mh != b.mh || a.mv != b.mv || a.pts.size() != b.pts.size())
        return false;
    if (!Near(a.x1, b.x1) || !Near(a.y1, b.y1) || !Near(a.x2, b.x2) || !Near(a.y2, b.y2) ||
        !Near(a.r, b.r) || !Near(a.start, b.start) || !Near(a.end, b.end))
        return false;
    for (size_t i = 0; i < a.pts.size(); ++i)
        if (!Near(a.pts[i].x, b.pts[i].x) || !Near(a.pts[i].y, b.pts[i].y)) return false;
    return true;
}

// What one visit of a scene drew: after its screen clear after the k-th
// scene list (0: the first) to the next list.
inline std::vector<Op> SceneOps(const std::vector<Op>& log, size_t k) {
    const auto lists = Find(log, IsSceneList);
    if (k + 1 >= lists.size()) return {};
    const auto clears = Find(log, IsScreenClear, lists[k], lists[k + 1]);
    if (clears.empty()) return {};
    return {log.begin() + static_cast<long>(clears[0]) + 1,
            log.begin() + static_cast<long>(lists[k + 1])};
}

// The glyphs a markup text draws, one after the other (what FindText looks
// for): "a^2+b^2" draws a, 2, +, b, 2.
inline std::string Glyphs(const std::string& markup) {
    std::string out;
    for (const Op& op : TextOps(markup, 0, 0, 0)) out += op.text;
    return out;
}

// Runs the lesson's scene once from the main menu, back to the menu with
// `back` and out with `quit`; checks everything a scene case lists.
inline void CheckScene(const SceneCase& c, const std::string& back, const std::string& quit = "6") {
    SCOPED_TRACE(c.name);
    const Ended e =
        RunKeys(ProgramA(), c.lesson + "\n" + c.keys + back + "\n" + quit + "\n", "10:20:30");
    const auto& log = e.log;
    EXPECT_FALSE(e.error);
    EXPECT_EQ(e.unread, 0u);          // no key left over
    EXPECT_EQ(MenuPanels(log), 2u);   // the scene took none of the keys after it
    const auto lists = Find(log, IsSceneList);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(CountStepWaits(log, lists[0], lists[1]), c.waits);
    EXPECT_EQ(Count(log, IsNextStepGate, lists[0], lists[1]), c.gates);
    for (const auto& t : c.texts)
        EXPECT_GE(CountMarkup(log, t.text, t.x, t.y, t.colour), 1)
            << t.text << " at (" << t.x << ", " << t.y << ") in " << t.colour;
    // The last text comes after the last wait, and the list follows it at once.
    size_t after = lists[0];
    for (const size_t i : Find(log, IsStepWait, lists[0], lists[1])) after = i;
    for (const size_t i : Find(log, IsNextStepGate, lists[0], lists[1])) after = std::max(after, i);
    if (c.last.empty()) return;  // a drawn number, checked by the scene's own tests
    // Its last occurrence: a page may write the same text more than once.
    size_t last = kNone, first = kNone;
    for (size_t from = after, l = kNone;; from = first + 1) {
        const size_t at = FindText(log, Glyphs(c.last), from, lists[1], &l);
        if (at == kNone) break;
        first = at;
        last = l;
    }
    EXPECT_NE(first, kNone) << c.last;
    if (first != kNone) {
        EXPECT_EQ(Count(log, IsStepWait, last, lists[1]), 0u);
        EXPECT_EQ(Count(log, IsNextStepGate, last, lists[1]), 0u);
        // No text comes between the last one and the list on the bottom band.
        for (size_t i = last + 1; i < lists[1]; ++i)
            if (log[i].kind == Op::Text) {
                EXPECT_GE(log[i].y1, 657) << log[i].text;
            }
    }
}

}  // namespace vm::test::inline theorem_scenes
