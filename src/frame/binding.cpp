#include "frame/binding.h"

#include "frame/shared_forms.h"

namespace vm {

Binding SharedBinding() {
    Binding b;
#define VM_BIND_SHARED(name) b.name = shared::name;
    VM_REVISABLE_ROUTINES(VM_BIND_SHARED)
#undef VM_BIND_SHARED
    return b;
}

// The public entry points: each calls the program's form.
#define VM_CALL_BOUND(name) \
    void name(State& s) { Call(s, s.bind.name); }
VM_REVISABLE_ROUTINES(VM_CALL_BOUND)
#undef VM_CALL_BOUND

}  // namespace vm
