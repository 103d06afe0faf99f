// Velmaris-D's forms of the revisable routines. Only the binding and the
// tests name them; everything else calls through the program's binding.
#pragma once

#include "state/state.h"

namespace vm::survey {

// The cell writer.
void DrawCellText(State& s);

}  // namespace vm::survey
