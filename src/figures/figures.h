// Figures and geometry: marks, arcs, grids, polygons, coordinate planes and
// graphs, arrows, and the arithmetic behind them.
//
// Every routine takes its arguments from and leaves its results in the
// variables of the State, and several reset their optional inputs on return
// (the mark and label routines, the arrow, the plane, the graph). Routines a
// program may revise are called through the program's binding; their shared
// forms are in state/shared_forms.h, for the binders only.
#pragma once

#include "state/state.h"

namespace vm {

// Ray directions and angle sizes.
void ComputeRayAngles(State& s);
void ComputeAngleSize(State& s);
void ComputeRayAngle(State& s);

// Angle marks and labels.
void DrawAngleMark(State& s);
void DrawRightAngleMark(State& s);

// Equal-length marks.
void DrawTickMarks(State& s);
void DrawChevronMarks(State& s);

// Dimension arcs.
void DrawDimensionArc(State& s);

// Polygons and vertex labels.
void DrawPolygon(State& s);
void LabelPolygonLetters(State& s);
void LabelPolygonFromList(State& s);

// Perpendicular feet and line crossings.
void MarkPerpendicularFoot(State& s);
void IntersectLines(State& s);

// Square roots.
void SimplifySquareRoot(State& s);

// Coordinate planes.
void DrawPlaneTickNumbers(State& s);

// Signs of terms, braces and column sums.
void NegateTermSign(State& s);
void StripPlusSign(State& s);
void StripLeadingSign(State& s);
void DrawEquationBrace(State& s);
void DrawColumnArithmetic(State& s);

// Arrows, slope triangles and arc points.
void DrawSlopeTriangle(State& s);
void IntersectLineWithGridLine(State& s);
void ComputeArcPoint(State& s);

// Divisors and prime factors.
void ListDivisorPairs(State& s);
void FactorIntoPrimes(State& s);
void DrawFactorLadder(State& s);

// Crossings of two circles.
void RadicalLineOfCircles(State& s);
void IntersectCircles(State& s);

// Revisable: these call the program's binding.
void PlaceAngleLabel(State& s);
void DrawGrid(State& s);
void DrawArrow(State& s);
void DrawCoordinatePlane(State& s);
void PlotLabelledPoint(State& s);
void PlotGraph(State& s);
void PlotCurve(State& s);
void PlotVerticalLine(State& s);

}  // namespace vm
