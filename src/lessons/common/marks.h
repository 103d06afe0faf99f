// Marks and polygons on a scene's point table, named by point numbers.
//
// The figure routines take their points in the ray and segment variables
// and reset several of their options on return, so every call here copies
// the points in and sets every option again.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/colours.h"
#include "state/state.h"

namespace vm {

// A dotted straight line from point i to point j, without a label.
void DottedLine(State& s, int i, int j, float step, int colour);

// Equal-length marks across the segment from point i to point j
// (DrawTickMarks): `count` marks `half` long on either side, `gap` apart,
// the first `gap` past the midpoint towards j, the group moved by shift.
void Ticks(State& s, int i, int j, float half = 8, int colour = kBlue, float count = 1,
           float gap = 8, float shift = 0);

// An angle mark at the vertex swept counter-clockwise on the screen from
// the ray to point i to the ray to point j (iti -1: from j to i), `size`
// pixels out (DrawAngleMark): `arcs` outline arcs in `fill`, or with 0 a
// sector outlined in `border` and filled with `fill`; the label in colour
// ink on the bisector, unmoved.
void AngleMark(State& s, int vertex, int i, int j, float size, float arcs, int border, int fill,
               const std::string& label, int ink, float iti = 1);

// The closed polygon through the points in order, copied into the rows of
// G() (DrawPolygon), in colour at pen width `width`. letters: "" none, "1"
// the entries of X$(), another text its first letter and the letters after
// it, in colour ink at distance gap from their corners.
void Polygon(State& s, std::initializer_list<int> points, const std::string& letters,
             int colour = kBlack, int ink = kBlack, float width = 5, float gap = 10);

// A letter beside point k: the pen 20 px left of the point and 4 px below
// it. The text cursor stays.
void PointLetter(State& s, int k, int colour, const std::string& text);

}  // namespace vm
