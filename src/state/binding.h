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

// The public entry points, one for each revisable routine: each calls the
// program's form, so that a revision reaches the shared callers too. The
// layers that own the routines declare them again with their other work.
#define VM_DECLARE_BOUND(name) void name(State& s);
VM_REVISABLE_ROUTINES(VM_DECLARE_BOUND)
#undef VM_DECLARE_BOUND

}  // namespace vm
