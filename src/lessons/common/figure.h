// A scene's figure: its frame, and its points in the table X()/Y(), typed
// in grid units and kept in pixels.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/colours.h"
#include "state/state.h"

namespace vm {

// The figure frame without grid lines (DrawGrid with CCC2 15): top left
// (ggx, ggy), yoko columns and tate rows of `size` pixels. Sets GX0, GY0
// (the origin at the bottom left), the frame variables and PI.
void Frame(State& s, float ggx, float ggy, float yoko, float tate, float size);

// Point i typed in grid units from the frame's origin (y up), in pixels.
void Put(State& s, int i, float gx, float gy);
struct GridPoint {
    int i;
    float gx, gy;
};
void Put(State& s, std::initializer_list<GridPoint> points);
// Point i at distance r (pixels) from point `from`, in the direction deg
// degrees counter-clockwise on the screen from +x.
void Polar(State& s, int i, int from, float r, float deg);

// A filled disc of radius r at point i.
void Disc(State& s, int i, float r, int colour);
// The segment from point i to point j.
void Segment(State& s, int i, int j, int colour);
// The closed triangle i -> j -> k, outlined in colour 0, filled with fill.
void Triangle(State& s, int i, int j, int k, int fill);
// The closed outline through the points in order, back to the first.
void Outline(State& s, std::initializer_list<int> points, int colour);

// The coordinate plane (DrawCoordinatePlane) with its top left at
// (ggx, ggy), x from x1 to x2 and y from y1 to y2, `size` pixels a unit,
// grid lines in colour `grid`, and NASI as the routine takes it.
void Plane(State& s, float ggx, float ggy, float x1, float x2, float y1, float y2, float size,
           int grid, float nasi = 1);
// A point of the plane in its units (PlotLabelledPoint): a disc of radius r
// filled with colour c, its label shifted by (dx, dy).
void PlanePoint(State& s, float x, float y, float r, int c, const std::string& label, float dx,
                float dy);

// How a length arc looks: dots in colour `dots`, its label in colour `ink`,
// `height` pixels high (1 to 15 count 16-pixel units; 0 puts the dots on
// the segment itself and the label at its midpoint), the label moved by
// (dx, dy) from its place at the apex.
struct ArcLook {
    int dots;
    int ink;
    float height;
    float dx = 0, dy = 0;
};
// The looks most scenes share.
inline constexpr ArcLook kBlueLength{kBlue, kBlue, 20};
inline constexpr ArcLook kBlueDotsBlackLabel{kBlue, kBlack, 20};
inline constexpr ArcLook kBlackLength{kBlack, kBlack, 20};
inline constexpr ArcLook kGreenDotsRedLabel{kGreen, kRed, 20};
inline constexpr ArcLook kBlackDotsRedLabel{kBlack, kRed, 20};
// Close over an edge of a solid: 16 pixels high.
inline constexpr ArcLook kBlueEdgeLength{kBlue, kBlue, 1};

// The dotted length arc (DrawDimensionArc) from point i to point j with its
// label: side 1 bulges to the right of i -> j as seen on the screen, -1 to
// the left; a dot every `step` degrees. The step stays with each call, as
// it follows the length of the arc rather than its look.
void LengthArc(State& s, int i, int j, float side, float step, const std::string& label,
               const ArcLook& look);
// The corner at point k with its rays to points i and j, where the angle
// and right-angle marks take it (ZX0, ZY0 the vertex; ZX1 .. ZY2 the rays).
void Corner(State& s, int k, int i, int j);
// The right-angle mark (DrawRightAngleMark) at point k between the rays to
// points i and j, its sides `side` pixels long, in colour c.
void RightAngle(State& s, int k, int i, int j, float side, int colour);

}  // namespace vm
