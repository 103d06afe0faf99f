// Figure and text steps that the theorem and converse scenes share: their
// polygons, length arcs and right-angle marks on the point table, the
// fill-in boxes of their proofs and the simplified roots of their drills.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/state.h"

namespace vm::theorem {

// The closed polygon through the points of the table, copied into the rows
// of G() (DrawPolygon): edges 5 px wide in colour `edges`, corner letters
// 10 px from their corners in colour `ink`. letters: "" none, "1" the
// entries of X$(), another text its first letter and the letters after it.
void PolygonOf(State& s, std::initializer_list<int> points, const std::string& letters,
               int edges, int ink);
// The dotted length arc over the segment from point i to point j, on the
// right of i -> j as seen on the screen, 20 px high, a dot every `step`
// degrees in colour `dots`, the label beyond its apex in colour `ink`.
void SideArc(State& s, int i, int j, float step, const std::string& label, int dots, int ink);
// The right-angle mark at point v between the rays to points i and j: sides
// 25 px long, colour 5, at the pen width in force.
void RightCorner(State& s, int v, int i, int j);

// Fill-in boxes of a proof: text colour 5 on fill 13 with border 3.
// Box k drawn empty 10 px after the last text, (XI2 + 10, YI1), showing its
// circled number; its pen is kept in T(k) and F(k) and the cursor follows
// the box.
void EmptyBox(State& s, int k, float width, float height);
// Box k drawn again, whole, at its kept pen with its answer; the cursor stays.
void FillInBox(State& s, int k, float width, float height, const std::string& answer);

// The markup of F(factor) times the root of F(radicand), from texts that
// FormatNumberTables wrote: a factor 1 and a radicand 1 are left out, so a
// whole number ends in a "ﾝ" that closes no root and draws nothing.
// Rewrites F$(factor) and F$(radicand) to what is shown of them.
std::string SimplifiedRoot(State& s, int factor, int radicand);

}  // namespace vm::theorem
