// One recording rig for the tests: runs a routine, a lesson or a whole
// program with scripted keys on a recording platform, optionally rendered.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/lesson.h"
#include "frame/program.h"
#include "platform/platform.h"
#include "programs/common/programs.h"

namespace vm::test {

// A started program state (arrays allocated, clock fixed) on a recording
// platform; the start-up's own drawing is cleared from the log.
struct Rig {
    explicit Rig(const ProgramInfo& info = ProgramA(), bool render = false,
                 const std::string& time = "00:00:00");
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    // Appends keys in the script notation ("1\n{Any}", "{Left}", ...).
    void Keys(const std::string& script);
    // `n` keys that any wait takes.
    void AnyKeys(int n);
    // Runs a routine until it returns (true) or the keys run out (false).
    bool Run(Routine r);
    bool Run(const Lesson& lesson);

    const std::vector<Op>& Log() const { return p.Log(); }
    std::vector<Op> OfKind(Op::Kind kind) const;
    std::vector<Op> Texts() const { return OfKind(Op::Text); }
    size_t Count(Op::Kind kind) const { return OfKind(kind).size(); }
    // The log in the one-line form of Describe.
    std::vector<std::string> Ops() const;
    // Draws a markup text at (x, y) on a cleared log and returns what it drew.
    std::vector<std::string> Write(const std::string& text, float x, float y);
    // The width of a markup text as the program's writer measures it.
    float Width(const std::string& text);
    size_t Unread() const { return p.PendingKeys(); }
    // Writes the canvas (render rigs only) under the build folder's test
    // output; returns the path written.
    std::string Png(const std::string& name);

    Platform p;
    State s;
};

// A point of a figure as a routine leaves it in the state's point table.
struct PointAt {
    int i;
    float x, y;
};
// Each point stands where told, within tol.
void ExpectPoints(State& s, const std::vector<PointAt>& points, float tol = 0.1f);

// A test fixture holding a rig of Velmaris-A.
struct RigTest : ::testing::Test, Rig {
    explicit RigTest(const ProgramInfo& info = ProgramA(), bool render = false,
                     const std::string& time = "10:00:00")
        : Rig(info, render, time) {}
};

// Velmaris-C with the number field where the main menu puts it: the
// frame's routines as the menus call them.
struct MenuRig : Rig {
    MenuRig() : Rig(ProgramC()) { s.KAIX = 1056; }
};

// The log of a scene run on its own in a fresh rig of the program with a key
// for each of its waits; checks that it ends with every key read.
std::vector<Op> RunAlone(const ProgramInfo& info, Routine scene, int waits);

// What a whole program run left behind: its log, the keys it did not read
// (a program ended by its quit item leaves the keys after the quit number),
// its exit status and whether it reached the error stop.
struct Ended {
    std::vector<Op> log;
    size_t unread = 0;
    int status = 0;
    bool error = false;
};
Ended RunKeys(const ProgramInfo& info, const std::string& keys,
              const std::string& time = "10:20:30");

// A script of n keys that any wait takes.
std::string AnyKeys(int n);

// The clock time whose hours, minutes and seconds add up to the seed a
// program draws its numbers from.
std::string TimeForSeed(int seed);

// Velmaris-D's binding, under which its writers draw their own forms.
const Binding& SurveyBinding();
// Where Velmaris-D's writer leaves the pen after a markup text written from x.
float SurveyEnd(const std::string& text, float x);

// Where rendered pictures of the tests go: a folder in the build tree.
std::string OutputPath(const std::string& name);

}  // namespace vm::test
