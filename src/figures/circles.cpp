// Where two circles cross: their common chord, then its ends.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"

namespace vm {

void RadicalLineOfCircles(State& s) {
    s.A = 2 * (s.X2 - s.X1);
    s.B = 2 * (s.Y2 - s.Y1);
    s.C = (s.X1 + s.X2) * (s.X1 - s.X2) + (s.Y1 + s.Y2) * (s.Y1 - s.Y2) +
          (s.RR1 + s.RR2) * (s.RR2 - s.RR1);
}

void IntersectCircles(State& s) {
    const float v = s.A * s.X1 + s.B * s.Y1 + s.C;
    s.D = std::fabs(v);
    // The chord's midpoint lies -v/N·(A, B) from the first centre. Taking
    // the signed value keeps the points right also when v is positive (a
    // second circle so large that it holds the first centre well inside);
    // its size alone would give their reflections through the centre.
    // Circles that do not meet (negative root) or are concentric (N = 0)
    // are run-time errors.
    const float n = s.A * s.A + s.B * s.B;
    const float w = Sqr(s.RR1 * s.RR1 * n - v * v);
    const float m = -v;
    s.X3 = s.X1 + Div(s.A * m + s.B * w, n);
    s.Y3 = s.Y1 + Div(s.B * m - s.A * w, n);
    s.X4 = s.X1 + Div(s.A * m - s.B * w, n);
    s.Y4 = s.Y1 + Div(s.B * m + s.A * w, n);
}

}  // namespace vm
