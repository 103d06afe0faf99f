// Velmaris-D's library: its own forms of the bottom band, the step wait,
// the glyph writer, the cell writer, the label placer, the grid, the arrow
// and the coordinate plane, and its two statistics charts.
#pragma once

#include "state/state.h"

namespace vm {

// Puts Velmaris-D's forms into a binding that holds the shared ones.
void BindSurvey(Binding& b);

// A grid of YOKO columns SIZEX wide and TATE rows SIZEY high from (GGX, GGY),
// black, with thick axes on its left and bottom edges, "0" at the corner,
// X$(1..YOKO) under the columns, Y$(1..TATE) beside the rows and Y$(0)
// above the vertical axis. Leaves GX0..GY2; CCC1, CCC2, CCC3 are 0.
void DrawChartGrid(State& s);

// A horizontal box-and-whisker plot of HH(1..5) on the line y = GY3 of a
// chart, SIZEY high, in CCC2; a value v stands at
// GGX + SIZEX + (v - YOKO1X) * SIZEX / TANIX. HEI > 0 marks HEIKIN.
void DrawBoxPlot(State& s);

}  // namespace vm
