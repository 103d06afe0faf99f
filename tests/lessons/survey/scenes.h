// End-to-end checks of Velmaris-D's scenes: a scene chosen from the main
// menu through its lesson's list, its key waits counted and every text it
// writes found in order, at its place and in its colour.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

// Other lessons' tests define types of the same names; in one namespace the
// linker would keep one of their copy constructors for all of them.
namespace vm::test::inline survey_scenes {

// At (x, y); on after the last text at y; a label at (x, y) that leaves the
// text cursor where it was.
enum Place { kAt, kAfter, kLabel };
struct Line {
    Place place;
    const char* text;
    float x, y;
    int colour;
};
struct SceneCase {
    int item;
    int waits;
    std::vector<Line> lines;  // the scene's texts in order, from its last clear on
};
inline void PrintTo(const SceneCase& c, std::ostream* os) { *os << "scene " << c.item; }

inline const Binding& SurveyBinding() {
    static const Binding b = ProgramD().binding;
    return b;
}

// Where a markup text ends when written from x by Velmaris-D's writer.
inline float SurveyEnd(const std::string& text, float x) {
    Platform p(0, 0, false);
    State s(p, ProgramId::D, SurveyBinding());
    s.X = x;
    s.AA_s = text;
    DrawMarkupText(s);
    return s.X;
}

// Main-menu item `lesson`, scene `item` with `waits` keys, then the
// lesson's last item `leave` and the program's quit item.
inline std::string SceneKeys(int lesson, int item, int waits, int leave) {
    return std::to_string(lesson) + "\\n" + std::to_string(item) + "\\n" + AnyKeys(waits) +
           std::to_string(leave) + "\\n6\\n";
}

// Runs one scene from the main menu and checks it: the number of key waits
// between its first clear and the next scene list, and its texts, the last
// `lines` searched from its last clear (a scene of two pages lists its last
// page); the last text comes after the last wait.
inline void CheckScene(int lesson, int leave, const SceneCase& c) {
    const Ended run = RunKeys(ProgramD(), SceneKeys(lesson, c.item, c.waits, leave));
    EXPECT_EQ(run.unread, 0u);
    EXPECT_FALSE(run.error);
    const auto& log = run.log;
    const auto lists = Find(log, IsSceneList);
    ASSERT_EQ(lists.size(), 2u);
    const auto clears = Find(log, IsScreenClear, lists[0], lists[1]);
    ASSERT_FALSE(clears.empty());
    const auto waits = Find(log, IsStepWait, clears.front(), lists[1]);
    EXPECT_EQ(waits.size(), static_cast<size_t>(c.waits));

    const auto texts =
        Find(log, [](const Op& op) { return op.kind == Op::Text; }, clears.back(), lists[1]);
    size_t at = 0, last_text = 0;
    float cursor = 0;
    for (const Line& l : c.lines) {
        const float x = l.place == kAfter ? cursor : l.x;
        const auto want = TextOps(l.text, x, l.y, l.colour, nullptr, &SurveyBinding());
        ASSERT_FALSE(want.empty()) << l.text;
        bool found = false;
        for (; !found && at + want.size() <= texts.size(); ++at) {
            found = true;
            for (size_t j = 0; j < want.size() && found; ++j) {
                const Op& got = log[texts[at + j]];
                found = got.text == want[j].text && got.colour == want[j].colour &&
                        Near(got.x1, want[j].x1) && Near(got.y1, want[j].y1);
            }
        }
        ASSERT_TRUE(found) << l.text << " at " << x << "," << l.y;
        at += want.size() - 1;
        last_text = texts[at - 1];
        if (l.place != kLabel) cursor = SurveyEnd(l.text, x);
    }
    if (!waits.empty()) {
        EXPECT_GT(last_text, waits.back());
    }
    // Nothing is written between the scene's last text and the list (whose
    // leading blank shows as a full-width one on the band).
    for (size_t i : Find(log, [](const Op& op) { return op.kind == Op::Text && op.y1 < 639; },
                         last_text + 1, lists[1]))
        ADD_FAILURE() << "after the last text: '" << log[i].text << "' at " << log[i].x1 << ","
                      << log[i].y1;
}

}  // namespace vm::test::inline survey_scenes
