// One scene run from the main menu as a pupil runs it, and the check of
// what it drew: its key waits, its texts in order at their places and in
// their colours, each in the part of the scene its key brings, its boxes,
// and the scene list asked again at once after its last text.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "programs/common/programs.h"
#include "support/log.h"

namespace vm::test {

// Where a text of a scene stands: at (x, y); on after the last text placed
// at or after (x being the gap); a label at (x, y) that leaves the text
// cursor where it was; a mark's label, wherever its mark puts it (only its
// glyphs' places relative to each other are checked); its glyphs anywhere,
// in any colour.
enum Place { kAt, kAfter, kLabel, kMark, kAnywhere };

// The part of a scene a text is drawn in: after key k, 0 before the first.
inline constexpr int kAnyKey = -1;

struct Line {
    Place place;
    std::string text;
    float x, y;
    int colour;
    int key = kAnyKey;  // anywhere after the line before
    int times = 1;      // how often it is drawn there (in its part)
    Routine writer = nullptr;  // DrawMarkupText unless told
};

// A filled box of a scene (a tag), drawn once, in the part of its key.
struct Box {
    int key;
    float x1, y1, x2, y2;
    int border, fill;
};

struct SceneCase {
    int item;   // the scene's number in the lesson's list
    int waits;  // its step waits; the list comes back after exactly these
    std::vector<Line> lines;  // its texts in the order drawn, from its last clear
    std::vector<Box> boxes = {};
    int clears = 1;     // its pages
    std::string keys = {};  // what it reads, when not a key for each wait
    int gates = 0;      // the drills' gates it asks
    // Its last line is the last text of its page, after its last wait.
    bool ends_with_last_line = true;
};
void PrintTo(const SceneCase& c, std::ostream* os);
// "Scene3": the name of a table row.
std::string SceneName(const ::testing::TestParamInfo<SceneCase>& info);

// A program run from its main menu into a lesson's scene: the lesson's
// number, the scene's, the keys the scene reads, then (with `quit`) the
// lesson's last item and the program's.
struct SceneRun {
    SceneRun(const ProgramInfo& info, int lesson, int item, const std::string& keys,
             bool quit = true);
    // With a key for each of `waits` step waits.
    SceneRun(const ProgramInfo& info, int lesson, int item, int waits, bool quit = true);
    std::vector<Op> log;
    size_t unread = 0;
    bool error = false;
    std::vector<size_t> lists;   // the scene lists asked
    std::vector<size_t> clears;  // the screen clears between the first two lists
    std::vector<size_t> waits;   // the step waits between them
    // Ops of the scene: from its first list to the next.
    size_t begin() const { return lists.empty() ? 0 : lists[0]; }
    size_t end() const { return lists.size() > 1 ? lists[1] : log.size(); }
    // The part of the scene drawn after key k (0: before the first).
    size_t KeyStart(size_t k) const { return k == 0 ? begin() : waits.at(k - 1); }
    size_t KeyEnd(size_t k) const { return k < waits.size() ? waits[k] : end(); }
    // Its last page: from its last clear.
    size_t PageStart() const { return clears.empty() ? begin() : clears.back(); }
};

// A dotted length mark: its dots, their colour, and the side of the way
// from (x1, y1) to (x2, y2) its middle stands on.
struct Mark {
    float x1, y1, x2, y2;
    bool right;
    size_t dots;
    int colour;
};
// The dotted runs of the part of the scene after key `part` are these
// marks, after `skip` runs that are not marks.
void ExpectMarks(const SceneRun& run, size_t part, const std::vector<Mark>& marks,
                 size_t skip = 0);

// A proof's answer boxes: `boxes` holds each box drawn empty, then each
// drawn again alike over its empty one, its answer written in it before the
// next box is.
void ExpectRefills(const std::vector<Op>& visit, const std::vector<size_t>& boxes,
                   const std::vector<std::string>& answers);

// The keys that enter a lesson from the main menu, and those that leave it
// and end the program from its scene list.
std::string LessonKeys(int lesson);
std::string QuitKeys(const ProgramInfo& info, int lesson);

// Velmaris-E shows Velmaris-C's lessons: a table's rows for C, each again
// for E, its name's "VelmarisC" made "VelmarisE".
template <class Row>
std::vector<Row> WithVelmarisE(std::vector<Row> rows) {
    const std::string c = "VelmarisC";
    for (size_t i = 0, n = rows.size(); i < n; ++i) {
        if (rows[i].program != ProgramC) continue;
        Row e = rows[i];
        e.name.replace(0, c.size(), "VelmarisE");
        e.program = ProgramE;
        rows.push_back(e);
    }
    return rows;
}

// Runs the scene from the main menu and checks everything its case lists.
void CheckScene(const ProgramInfo& info, int lesson, const SceneCase& c);

// What one visit of a scene drew: after its screen clear after the k-th
// scene list (0: the first) to the next list.
std::vector<Op> SceneOps(const std::vector<Op>& log, size_t k);

}  // namespace vm::test
