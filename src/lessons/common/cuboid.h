// The cuboid ABCD-EFGH of the shortest-path scenes (BF 3 cm, FG 5 cm,
// GH 4 cm): its oblique view, the crossing points of the paths from B to H,
// and its net. Velmaris-B's solids scenes draw cuboids of their own through
// DrawCuboid, on the same corner numbering.
#pragma once

#include "state/state.h"

namespace vm {

namespace cuboid {

// Corners of the view in the point table.
inline constexpr int kB = 1, kF = 2, kC = 3, kG = 4, kD = 5, kH = 6, kA = 7, kE = 8;
// Where the path from B to H crosses each edge when it runs straight over
// the two faces it joins.
inline constexpr int kOnCD = 31, kOnFG = 32, kOnAE = 33, kOnEF = 34, kOnDA = 35, kOnCG = 36;
// Corners of the net (11 to 24): B, and H reached three ways, across CD
// (top and right faces), across FG (front and bottom) and across AE (left
// and back).
inline constexpr int kNetB = 13, kNetHViaCD = 16, kNetHViaFG = 20, kNetHViaAE = 24;

}  // namespace cuboid

// The view's corners mapped with the frame the caller has just set (DrawGrid),
// the crossing points, then the net's frame (origin (570, 540), 35 px a
// centimetre; GX1, GY1 its top left) and the net's corners in it. Leaves pen
// width 5. Draws nothing.
void ComputeCuboidPoints(State& s);

// The view from corners 1 to 8: three faces, one letter at each corner,
// hidden edges dotted. Where the program draws cuboid lengths
// (ProgramData::cuboid_lengths) it adds the three edge lengths and leaves
// pen width 5; otherwise the caller's pen width stays.
void DrawCuboid(State& s);

// The net from corners 11 to 24: outline, dotted fold lines, letters; then
// the view's edge lengths again, over whatever was drawn across them. Leaves
// pen width 5.
void DrawCuboidNet(State& s);

// The opening figure of the path scenes: the view's frame (origin (120, 420),
// 30 px a unit), the points, and the view with its lengths.
void StartCuboidFigure(State& s);
// The path from B to H on the view, across the edge of crossing point k:
// two solid segments in colour c.
void ViewPath(State& s, int k, int c);

}  // namespace vm
