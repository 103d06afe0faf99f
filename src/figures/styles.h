// The styles in which the programs' forms of the figure routines' revisable
// routines differ, and the one body of each routine that draws in a given
// style. The shared forms call the bodies with the default style, a
// program's binding with its own; everything else calls the routine, through
// the binding.
#pragma once

#include "state/state.h"

namespace vm {

// The coordinate plane's style.
struct PlaneStyle {
    // The ranges (AA1 … BB2) are in the units of the scales BAIX and BAIY,
    // and are divided by them into counts of grid lines; the scales are
    // made usable divisors first. Without, the ranges count grid lines as
    // given and the scales are not read.
    bool scaled_ranges = true;
};

// The square grid's style.
struct GridStyle {
    // A grid in the background colour is drawn all the same, every line in
    // it, and so paints over whatever lies under it. Without, it only fixes
    // the frame and draws nothing.
    bool background_drawn = false;
};

// The arrow's style. MUKI = -1 turns the arrow round in either.
struct ArrowStyle {
    // The head stands at (ZX0, ZY0); without, at (ZX, ZY).
    bool head_at_z0 = false;
    // Ends that coincide give no direction: the shaft is drawn, the head is
    // not. Without, such an arrow is a run-time error.
    bool flat_headless = false;
};

// The style of the label on an angle's bisector.
struct AngleLabelStyle {
    // MU_DO = 1 asks for the label as plain label text, once. Without, every
    // label is formula text and MU_DO is left alone.
    bool plain_on_request = true;
};

// The style of the plots on the coordinate plane: the variables that hold
// their scale.
struct PlotStyle {
    // The scale is BAI (x units per grid unit) and HI (the y scale as a
    // multiple of BAI): a zero BAI means 1 in both directions, a zero HI
    // alone 1 as well, and both go back to 1 after every plot. The curve's
    // range is the plane's times BAI; the vertical line stands at CC grid
    // units, its ends scaled by HI alone. Without, the scale is BAIX and
    // BAIY, zero taken as 1 by the point and the graph, both back to 1
    // after a graph; the curve runs over the plane's range as it stands.
    bool bai_and_hi = false;
};

void DrawCoordinatePlane(State& s, const PlaneStyle& style);
void PlotLabelledPoint(State& s, const PlotStyle& style);
void PlotGraph(State& s, const PlotStyle& style);
void PlotCurve(State& s, const PlotStyle& style);
void PlotVerticalLine(State& s, const PlotStyle& style);
void DrawGrid(State& s, const GridStyle& style);
void DrawArrow(State& s, const ArrowStyle& style);
void PlaceAngleLabel(State& s, const AngleLabelStyle& style);

}  // namespace vm
