// Checks shared by the tests of the textbook answer pages: a scene run from
// the main menu with its keys, the texts each key brings, the dotted length
// marks and the side they stand on.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "programs/common/programs.h"
#include "support/log.h"

namespace vm::test {

// One scene of an answer lesson run from the main menu: main-menu item
// `lesson`, scene `item`, then `keys` any-keys, then the lesson's quit item
// and the main menu's (quit 0: no more keys).
struct SceneRun {
    SceneRun(const ProgramInfo& info, int lesson, int quit, int item, int keys);
    std::vector<Op> log;
    size_t unread = 0;
    bool error = false;
    std::vector<size_t> lists;  // the scene lists asked
    std::vector<size_t> waits;  // the step waits between the first two lists
    // Ops of the scene: from its first list to the next.
    size_t begin() const { return lists.empty() ? 0 : lists[0]; }
    size_t end() const { return lists.size() > 1 ? lists[1] : log.size(); }
    // The part of the scene drawn after key k (0: before the first key).
    size_t KeyStart(size_t k) const;
    size_t KeyEnd(size_t k) const;
};

// Where markup text drawn at (x, y) in `colour` begins in [from, to): the
// index of its first glyph, or kNone.
size_t FindMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                  int colour, size_t from = 0, size_t to = kNone);

// Where the markup writer leaves the pen after the text.
float PenAfter(const std::string& text, float x, float y);

// A text of a scene: drawn after key `key` (0 before the first), at (x, y)
// in colour `colour`; x = kCont continues the line before it, `gap` px after
// where that text ended.
inline constexpr float kCont = -1;
struct Line {
    int key;
    const char* text;
    float x, y;
    int colour;
    float gap = 0;
};
// Each line is drawn once in the part its key brings, in the order listed.
void ExpectLines(const SceneRun& run, const std::vector<Line>& lines);

// A filled box of a scene (the tags): drawn once, in the part of key `key`.
struct Box {
    int key;
    float x1, y1, x2, y2;
    int border, fill;
};

// One scene of an answer lesson checked from the main menu: the list comes
// back after exactly `waits` keys and not one key earlier, one screen clear,
// no error stop, its texts and boxes where their keys bring them.
struct AnswerScene {
    int item;
    int waits;
    std::vector<Line> lines;
    std::vector<Box> boxes = {};
};
void PrintTo(const AnswerScene& scene, std::ostream* os);
void ExpectScene(const ProgramInfo& info, int lesson, int quit, const AnswerScene& scene);

// A dotted length mark: a run of radius-0.5 dots, as drawn.
struct DotRun {
    std::vector<const Op*> dots;
    size_t first = 0;  // index of its first op
};
std::vector<DotRun> DotRuns(const std::vector<Op>& log, size_t from = 0, size_t to = kNone);
// The side of the run's middle dot against the way from (x1, y1) to
// (x2, y2) on the screen: above 0 on its right, below 0 on its left.
float SideOf(const DotRun& run, float x1, float y1, float x2, float y2);

// Ops of [a0, a1) and [b0, b1) alike, one for one; pen widths left out for
// texts and filled boxes (the tags take the width in force on entry).
bool SameOps(const std::vector<Op>& log, size_t a0, size_t a1, size_t b0, size_t b1);

// Ops (clear boxes aside) that reach outside the 1440 x 900 canvas.
size_t CountOffCanvas(const std::vector<Op>& log, size_t from = 0, size_t to = kNone);

}  // namespace vm::test
