// Calls to the routines a program may revise go through its binding, so a
// revision reaches shared callers too.
#pragma once

#include "platform/state.h"
#include "platform/runtime.h"

namespace vm {

// All shared forms.
Binding SharedBinding();

// Calls a bound routine; an unbound one is a fault of the program.
inline void Call(State& s, Routine r) {
    if (r == nullptr) throw RuntimeError(kIllegalCall);
    r(s);
}

}  // namespace vm
