// Drills: fresh random problems until the pupil enters 1.
#pragma once

#include "state/state.h"

namespace vm {

// Draws a problem, then asks for the next step ("次のステップは１を入力。"),
// again and again until the value entered is exactly 1.
void Drill(State& s, Routine problem);

// INT(k * RND + c): a whole number from c to c + k - 1 (k > 0), for every
// value the random generator can return, the largest below 1 included.
float RandInt(State& s, float k, float c);
// The same for a given value r in [0, 1).
float WholeOf(float k, float r, float c);

}  // namespace vm
