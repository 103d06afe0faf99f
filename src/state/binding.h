// Calls to the routines a program may revise go through its binding, so a
// revision reaches shared callers too.
#pragma once

#include "platform/runtime.h"
#include "state/revisable.h"
#include "state/state.h"

namespace vm {

// Calls a bound routine; an unbound one is a fault of the program.
inline void Call(State& s, Routine r) {
    if (r == nullptr) throw RuntimeError(kIllegalCall);
    r(s);
}

}  // namespace vm
