// The styles in which the programs' forms of the figure routines' revisable
// routines differ, and the one body of each routine that draws in a given
// style. The shared forms call the bodies with the default style, a
// program's binding with its own; everything else calls the routine, through
// the binding.
#pragma once

#include "platform/state.h"

namespace vm {

// The coordinate plane's style.
struct PlaneStyle {
    // The ranges (AA1 … BB2) are in the units of the scales BAIX and BAIY,
    // and are divided by them into counts of grid lines; the scales are
    // made usable divisors first. Without, the ranges count grid lines as
    // given and the scales are not read.
    bool scaled_ranges = true;
};

void DrawCoordinatePlane(State& s, const PlaneStyle& style);

}  // namespace vm
