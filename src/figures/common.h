// Small helpers shared by the figure routines (not part of their interface).
#pragma once

#include <cmath>

#include "platform/runtime.h"
#include "state/state.h"

namespace vm::fig {

inline constexpr float kPi = 3.14159f;  // the value the lessons read back as PI

// Colour numbers and pen widths are whole numbers on the platform; the
// variables hold them as floats and are rounded, as the run-time did.
inline int Whole(float v) { return CInt(v); }

// Direction of (dx, dy) seen from a vertex, screen y down: radians,
// counter-clockwise as seen on the screen, y taken upwards.
inline float Direction(float dx, float dy) {
    if (dy > 0) return 3 * kPi / 2 + std::atan(dx / dy);
    if (dy < 0) return kPi / 2 + std::atan(dx / dy);
    return dx > 0 ? 0.0f : kPi;
}

// The point at parameter HH (radians) of the flat ellipse around (cx, cy)
// with half-axes RR across and TAKASA up, laid from P0 (ZX0, ZY0) to the
// right, then turned about P0 by the segment's direction H: into ZX, ZY.
// Leaves the unturned point in ZX3, ZY3 (and ZX1, ZY1) and its distance
// from P0 in R, as the arc routines do.
void ArcPointAround(State& s, float cx, float cy);

// A counted loop as the programs run it: the body runs once before the
// bound is first tested, so a bound below the start still gives one pass.
// The counter lives in a State variable because callers see its last value.
// Past 2^24 adding 1 no longer moves a single-precision counter (nor does
// it move one that is not a number); such a loop would never end, so it
// stops the program instead.
template <class Body>
void CountedLoop(float& counter, float from, float to, Body body) {
    counter = from;
    for (;;) {
        body();
        const float last = counter;
        counter += 1;
        if (!(counter > last)) throw RuntimeError(kOverflow);
        if (counter > to) break;
    }
}

// Pen width at entry: kept in DR as the routines do, and returned so that a
// routine that calls a text writer (which uses DR itself) can still give
// back the width it found.
inline int KeepPen(State& s) {
    const int w = s.P.GetDrawWidth();
    s.DR = static_cast<float>(w);
    return w;
}

}  // namespace vm::fig
