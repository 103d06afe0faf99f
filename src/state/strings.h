// Text work on the state's string variables that the figure routines and the
// frame both do.
#pragma once

#include "state/state.h"

namespace vm {

// A_s without its half-width blanks: number-to-text conversion leaves a
// blank before a number, which a label or a prompt must not show.
void StripSpaces(State& s);

}  // namespace vm
