// A recording run for the figure routines: arrays allocated, log cleared.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "figures/figures.h"
#include "frame/binding.h"
#include "frame/program.h"

namespace vm::test {

struct FigureTest : ::testing::Test {
    Platform p{0, 0, true};
    State s{p, ProgramId::A, SharedBinding()};
    FigureTest() {
        p.SetFixedTime("10:00:00");
        InitProgram(s, "test");
        p.ClearLog();
    }
    std::vector<Op> Ops(Op::Kind kind) const {
        std::vector<Op> out;
        for (const Op& op : p.Log())
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    size_t Count(Op::Kind kind) const { return Ops(kind).size(); }
};

inline float Dist(float x1, float y1, float x2, float y2) {
    return std::hypot(x1 - x2, y1 - y2);
}

}  // namespace vm::test
