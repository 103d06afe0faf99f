// Scene ④: the side ratios of the two special right triangles, the right
// isosceles one as half a square and the 30°-60°-90° one as half an
// equilateral triangle.
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

// The half square: its dotted fourth corner, then A, B (right angle), C.
constexpr int kCorner = 1, kA1 = 2, kB1 = 3, kC1 = 4;
// The half equilateral triangle: A (apex), B, the dotted third corner and
// C (right angle, the foot of the altitude).
constexpr int kA2 = 11, kB2 = 12, kFar = 13, kC2 = 14;

}  // namespace

void SpecialTrianglesSceneSideRatios(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1, s.YI1, "<特別な直角三角形の3辺の比>");
    Frame(s, 72, 90, 7, 8, 50);
    s.P.SetDrawWidth(5);

    Put(s, {{kCorner, 1, 6}, {kA1, 1, 1}, {kB1, 6, 1}, {kC1, 6, 6}});
    Put(s, {{kB2, 10, 1}, {kA2, 14, 1 + 4 * Sqr(3)}, {kFar, 18, 1}, {kC2, 14, 1}});

    // Both vertex lists run counter-clockwise, so the letters stand outside.
    s.X_sa(1) = "C";
    s.X_sa(2) = "A";
    s.X_sa(3) = "B";
    Polygon(s, {kC1, kA1, kB1}, "1", kBlue, kBlue);
    DottedLine(s, kCorner, kC1, 5, kBlack);
    DottedLine(s, kCorner, kA1, 5, kBlack);
    RightAngle(s, kB1, kA1, kC1, 40, kRed);

    Polygon(s, {kA2, kB2, kC2}, "A", kBlue, kBlue);
    DottedLine(s, kA2, kFar, 5, kBlack);
    // Every 7 degrees: the last dot falls just short of the far corner.
    DottedLine(s, kC2, kFar, 7, kBlack);
    RightAngle(s, kC2, kA2, kB2, 40, kRed);
    WaitForKey(s);

    AngleMark(s, kA1, kC1, kB1, 50, 0, kBlue, kGreen, "45°", kRed, -1);
    AngleMark(s, kC1, kA1, kB1, 50, 0, kBlue, kGreen, "45°", kRed);
    WaitForKey(s);

    LengthArc(s, kA1, kB1, 1, 5, "1", kGreenDotsRedLabel);
    LengthArc(s, kB1, kC1, 1, 5, "1", kGreenDotsRedLabel);
    LengthArc(s, kC1, kA1, 1, 5, "!2ﾝ", kGreenDotsRedLabel);
    WaitForKey(s);

    AngleMark(s, kB2, kA2, kFar, 50, 0, kBlue, kGreen, "60°", kRed, -1);
    AngleMark(s, kA2, kB2, kC2, 70, 0, kBlue, kGreen, "30°", kRed);
    WaitForKey(s);

    LengthArc(s, kA2, kB2, 1, 5, "2", kGreenDotsRedLabel);
    LengthArc(s, kB2, kC2, 1, 5, "1", kGreenDotsRedLabel);
    LengthArc(s, kC2, kA2, 1, 5, "!3ﾝ", kGreenDotsRedLabel);
}

}  // namespace vm
