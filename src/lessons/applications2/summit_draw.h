// What the summit scenes have in common: the text cursor, the figure frame,
// the point table and the cross-section of the earth with the mountain.
#pragma once

#include <cmath>
#include <string>

#include "frame/state.h"

namespace vm::summit {

// Figures are drawn with this pen; the scenes set it again after every call
// that may leave another.
inline constexpr int kPen = 5;

// The text column: headings from x 30, body lines from x 66, first line y 20.
void StartTextColumn(State& s);
// Markup text in colour c with its top left at (x, y); the text cursor
// (YI1, XI2) follows the pen.
void Write(State& s, float c, float x, float y, const std::string& text);
// The same, for a label beside a figure point: the cursor stays.
void Label(State& s, float c, float x, float y, const std::string& text);
// The figure frame (no grid lines drawn): sets GX0, GY0, GX1 ... and PI.
void SetFrame(State& s, float ggx, float ggy, float yoko, float tate, float size);

// Point i of the table typed in grid units, mapped to pixels.
void PutPoint(State& s, int i, float gx, float gy);
// Point i at distance r from point 0 in the direction deg degrees
// (counter-clockwise on the screen from +x).
void PutPolar(State& s, int i, float r, float deg);
void Disc(State& s, int i, float r, int colour);
void Segment(State& s, int i, int j, int colour);
// The closed triangle i -> j -> k, outlined in colour 0, filled with fill.
void Triangle(State& s, int i, int j, int k, int fill);

// The cross-section shared by the construction, the tangent length and the
// higher-places scenes: frame, O (0) and P (13), earth radius R1, the feet of
// the mountain (11, 12) and O' (1), the midpoint of OP.
struct Section {
    float R1 = 0;
};
Section SetUpSection(State& s);
// The mountain, the upper half of the earth, and O and P with their labels.
void DrawSection(State& s, const Section& sec);
// The tangent point on the left (point 4): where the earth meets the circle on
// OP as diameter. Leaves the circles' values in X1 ... Y4 and A, B, C.
void FindTangentPoint(State& s, const Section& sec);
// The tangent from P: finds the tangent point (4) and labels it "A" at the
// given offset, extends PA to point 6, and draws P-6 and O-A.
void DrawTangentPA(State& s, const Section& sec, float label_dx, float label_dy);
// The right-angle mark at the tangent point (4) between PA and OA, in
// colour 5, its sides `size` long.
void MarkRightAngleAtTangent(State& s, float size);
// Point j on the ray from P through point i, 5/3 of the way from P to i.
void ExtendTangent(State& s, int i, int j);

}  // namespace vm::summit
