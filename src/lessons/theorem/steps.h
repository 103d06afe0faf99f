// Steps that the theorem and converse scenes share: the fill-in boxes of
// their proofs and the simplified roots of their drills.
#pragma once

#include <string>

#include "state/state.h"

namespace vm::theorem {

// Fill-in boxes of a proof: red text on amber, outlined in blue.
// Box k drawn empty 10 px after the last text, (XI2 + 10, YI1), showing its
// circled number; its pen is kept in T(k) and F(k) and the cursor follows
// the box.
void EmptyBox(State& s, int k, float width, float height);
// Box k drawn again, whole, at its kept pen with its answer; the cursor stays.
void FillInBox(State& s, int k, float width, float height, const std::string& answer);

// The root of F(value) as a whole factor times a root (SimplifySquareRoot):
// the factor into F(factor), what stays under the root into F(radicand).
void SimplifyInto(State& s, int value, int factor, int radicand);
// The markup of F(factor) times the root of F(radicand), from texts that
// FormatNumberTables wrote: a factor 1 and a radicand 1 are left out, so a
// whole number ends in a "ﾝ" that closes no root and draws nothing.
// Rewrites F$(factor) and F$(radicand) to what is shown of them.
std::string SimplifiedRoot(State& s, int factor, int radicand);

// The right triangle ABC of the statements, right-angled at C, with its
// sides a, b, c on dotted arcs, in a frame at (72, ggy); leaves pen 5.
void DrawSidesTriangle(State& s, float ggy);

}  // namespace vm::theorem
