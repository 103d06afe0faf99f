// A recording run of Velmaris-D, and one of Velmaris-A beside it, for
// comparing what the two bindings draw.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/formula_test_util.h"
#include "frame/program.h"
#include "programs/common/programs.h"

namespace vm::test {

struct Recorded {
    explicit Recorded(const ProgramInfo& info) : s(p, info.id, info.binding) {
        p.SetFixedTime("10:00:00");
        InitProgram(s, info.title);
        p.ClearLog();
    }
    std::vector<std::string> Ops() const { return Describe(p.Log()); }
    std::vector<Op> OfKind(Op::Kind k) const {
        std::vector<Op> out;
        for (const Op& op : p.Log())
            if (op.kind == k) out.push_back(op);
        return out;
    }
    // Draws a markup line at (x, y); returns the ops.
    std::vector<std::string> Write(const std::string& text, float x, float y) {
        p.ClearLog();
        s.AA_s = text;
        s.X = x;
        s.Y = y;
        DrawMarkupText(s);
        return Ops();
    }
    // The width of a markup line as the writer measures it.
    float Width(const std::string& text) {
        s.A_s = text;
        s.X = 0;
        s.Y = 0;
        MeasureText(s);
        return s.LLT;
    }
    void Keys(const std::string& script) { p.PushKeys(ParseKeys(script)); }

    Platform p{0, 0, true};
    State s;
};

struct SurveyRun : Recorded {
    SurveyRun() : Recorded(ProgramD()) {}
};
struct SharedRun : Recorded {
    SharedRun() : Recorded(ProgramA()) {}
};

}  // namespace vm::test
