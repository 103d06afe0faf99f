// The theorem lessons' tests run on the shared rig and log queries.
#pragma once

#include "formula/formula.h"
#include "frame/frame.h"
#include "frame/program.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::theorem_test {

using test::CountClears;
using test::CountMarkup;
using test::Near;
using test::SinceLastClear;
using test::TextOps;

// A started Velmaris-A with its clock at midnight.
struct Recording : test::Rig {
    explicit Recording(bool render = false) : Rig(ProgramA(), render, "00:00:00") {}
};

inline int CountKeyPrompts(const std::vector<Op>& log) {
    return static_cast<int>(test::Count(log, test::IsKeyPrompt));
}

inline int CountDots(const std::vector<Op>& log, int colour) {
    int n = 0;
    for (const Op& op : log) n += op.kind == Op::Dot && op.colour == colour;
    return n;
}

}  // namespace vm::theorem_test
