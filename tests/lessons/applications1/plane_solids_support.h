// End-to-end checks of Velmaris-B's plane and solids scenes: a scene run
// from the main menu with a key for each of its steps, its lines found at
// their places in their colours.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "programs/common/programs.h"

namespace vm::test {

// x of a line that goes on where the line before it in the table ended.
constexpr float kAfter = -1;

struct PageLine {
    std::string text;
    float x, y;
    int colour;
    int times = 1;  // how often it is written there
};

struct SceneCase {
    int item;   // the scene's number in the lesson's list
    int waits;  // its key waits; the list comes back after exactly these
    std::vector<PageLine> lines;
};
inline void PrintTo(const SceneCase& c, std::ostream* os) { *os << "scene " << c.item; }

// Where the pen stands after the markup text written at (x, y).
float EndX(const std::string& text, float x, float y);

// Runs the program: the lesson's main-menu number, the scene's number, a
// key for each wait, then `tail` (back to the main menu and quit). Checks
// that the run ends cleanly with every key read, that the scene waits
// exactly c.waits times before its list comes back, and that each line
// stands where the table puts it.
void CheckScene(const ProgramInfo& info, const std::string& lesson, const SceneCase& c,
                const std::string& tail);

// The dots of dimension arcs (radius 0.5) in runs that other ops separate.
std::vector<std::vector<Point>> DotRuns(const std::vector<Op>& log);
// Whether every dot lies on the side of the line p-q away from `far` (or
// on the line, within a pixel).
bool AllAwayFrom(const std::vector<Point>& dots, Point p, Point q, Point far);

}  // namespace vm::test
