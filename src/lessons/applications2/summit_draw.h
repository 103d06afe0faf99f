// What the summit scenes have in common: the text column, the figure pen and
// the cross-section of the earth with the mountain.
#pragma once

#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "state/state.h"

namespace vm::summit {

// Figures are drawn with this pen; the scenes set it again after every call
// that may leave another.
inline constexpr int kPen = 5;

// The text column: headings from x 30, body lines from x 66, first line y 20.
void StartTextColumn(State& s);
// The figure frame (no grid lines drawn), then the figure pen.
void SetFrame(State& s, float ggx, float ggy, float yoko, float tate, float size);

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
