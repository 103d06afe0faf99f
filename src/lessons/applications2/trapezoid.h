// The figure of scenes 7 and 8: a semicircle on AB (centre O), the tangents
// AC = 16 cm and BD = 25 cm at its ends, and the tangent CD touching it at P.
// One unit of its frame is 35 px and stands for 4 cm.
#pragma once

#include "state/state.h"

namespace vm {

namespace trapezoid {

// Points of the table.
inline constexpr int kO = 0, kA = 1, kB = 2, kC = 3, kD = 4, kP = 5;
// The ends of the drawn tangent, a tenth of CD beyond C and beyond D.
inline constexpr int kBeyondC = 6, kBeyondD = 7;
// The point of BD level with C; computed here, drawn by scene 7 only.
inline constexpr int kE = 11;

}  // namespace trapezoid

// The frame (704, 50; 14 by 9 units of 35 px; GX1, GY2 the left and bottom
// edges) and the points 0-7 and 11, P as the foot of the perpendicular from
// O to CD. Draws nothing visible.
void ComputeTangentTrapezoidPoints(State& s);
// The semicircle with O, the sides, the tangent, the letters, the right
// angles at A and B and the given lengths. Leaves pen width 5, CCC1 and
// CCC2 3.
void DrawTangentTrapezoid(State& s);

}  // namespace vm
