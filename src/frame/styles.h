// The styles in which the programs' forms of the frame's revisable routines
// differ, and the one body of each routine that draws in a given style. The
// shared forms call the bodies with the default style, a program's binding
// with its own; everything else calls the routine, through the binding.
#pragma once

#include "state/state.h"

namespace vm {

// The band at the foot of the screen that the step wait's box stands on.
struct BandStyle {
    float top = 657;  // the box is 36 high, its prompt 9 below the top
    // The box filled, then outlined: two operations, the outline on top.
    bool outline_apart = false;
};

void WaitForKey(State& s, const BandStyle& band);
void EraseBottomLine(State& s, const BandStyle& band);

}  // namespace vm
