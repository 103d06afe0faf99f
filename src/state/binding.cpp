#include "state/binding.h"

namespace vm {

// The public entry points: each calls the program's form.
#define VM_CALL_BOUND(name) \
    void name(State& s) { Call(s, s.bind.name); }
VM_REVISABLE_ROUTINES(VM_CALL_BOUND)
#undef VM_CALL_BOUND

}  // namespace vm
