// The shared forms of the revisable routines. Only the files that define or
// bind them include this: everything else calls through the binding.
#pragma once

#include "state/revisable.h"
#include "state/state.h"

namespace vm::shared {

#define VM_DECLARE_SHARED(name) void name(State& s);
VM_REVISABLE_ROUTINES(VM_DECLARE_SHARED)
#undef VM_DECLARE_SHARED

}  // namespace vm::shared
