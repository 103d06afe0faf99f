// Drawing steps that the lessons of Velmaris-D share.
#pragma once

#include <string>

#include "state/state.h"

namespace vm::survey {

// An arrow in colour 3 from (ZX0, ZY0) := point p0 to (ZX, ZY) := point p,
// drawn at the pen width `width` with barbs `nagasa` long; the pen is 5
// afterwards. The head stands on p0, on p when muki is -1, on both when
// ya is 2.
void Arrow(State& s, int p0, int p, float width, float nagasa, float muki, float ya);
// The same between the points (zx0, zy0) and (zx, zy).
void ArrowAt(State& s, float zx0, float zy0, float zx, float zy, float width, float nagasa,
             float muki, float ya);

// Text centred in a table cell with its top left at (x, y).
void Cell(State& s, float x, float y, float haba, float tate, int ink, int border, int fill,
          const std::string& text);

}  // namespace vm::survey
