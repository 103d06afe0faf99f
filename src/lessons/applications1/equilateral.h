// The equilateral triangle of the height lessons, on a scene's point table.
#pragma once

#include <string>

#include "state/state.h"

namespace vm {

// The triangle's corners and D, the foot of the altitude from A and the
// midpoint of BC, in X()/Y().
namespace equilateral {
inline constexpr int kA = 1, kB = 2, kC = 3, kD = 4;
}  // namespace equilateral

// The triangle ABC of side 6 grid units from grid (1, 1) in the scene's
// frame, built up a key at a time: ABC with AB's length `side`; then BD's
// length `half`, the equal halves BD and DC marked and D named; the
// altitude AD; its right angle at D.
void EquilateralAltitude(State& s, const std::string& side, const std::string& half);

}  // namespace vm
