// Helpers shared by the frame tests: a recording platform and a run state.
#pragma once

#include <string>
#include <vector>

#include "frame/binding.h"
#include "frame/state.h"
#include "platform/platform.h"

namespace vm::test {

struct Run {
    explicit Run(ProgramId id = ProgramId::C) : p(0, 0, true), s(p, id, SharedBinding()) {
        p.SetDrawWidth(3);
        s.KAIX = 1056;
        s.KAIY = 648;
    }
    void Keys(const std::string& script) { p.PushKeys(ParseKeys(script)); }
    // The texts drawn, in order.
    std::vector<Op> Texts() const {
        std::vector<Op> out;
        for (const auto& op : p.Log())
            if (op.kind == Op::Text) out.push_back(op);
        return out;
    }
    std::vector<Op> OfKind(Op::Kind k) const {
        std::vector<Op> out;
        for (const auto& op : p.Log())
            if (op.kind == k) out.push_back(op);
        return out;
    }

    Platform p;
    State s;
};

}  // namespace vm::test
