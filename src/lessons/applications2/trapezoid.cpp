#include "lessons/applications2/trapezoid.h"

#include <cmath>

#include "figures/figures.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

using namespace trapezoid;

void ComputeTangentTrapezoidPoints(State& s) {
    Frame(s, 704, 50, 14, 9, 35);
    Put(s, {{kA, 2, 1}, {kB, 2 + 10, 1}, {kC, 2, 1 + 4}, {kD, 2 + 10, 1 + 6.25f},
            {kO, 7, 1}, {kE, 2 + 10, 1 + 4}});
    s.AX = s.X_a(kC);
    s.AY = s.Y_a(kC);
    s.BX = s.X_a(kD);
    s.BY = s.Y_a(kD);
    s.CX = s.X_a(kO);
    s.CY = s.Y_a(kO);
    MarkPerpendicularFoot(s);
    s.X_a(kP) = s.EX;
    s.Y_a(kP) = s.EY;
    // D stands above C on the screen.
    s.DX = (s.X_a(kD) - s.X_a(kC)) / 10;
    s.DY = std::fabs(s.Y_a(kD) - s.Y_a(kC)) / 10;
    s.X_a(kBeyondC) = s.X_a(kC) - s.DX;
    s.Y_a(kBeyondC) = s.Y_a(kC) + s.DY;
    s.X_a(kBeyondD) = s.X_a(kD) + s.DX;
    s.Y_a(kBeyondD) = s.Y_a(kD) - s.DY;
}

void DrawTangentTrapezoid(State& s) {
    s.P.SetDrawWidth(5);
    const float r = s.SIZE * 5;
    // The upper half, from A over the top to B.
    s.P.Circle(s.X_a(kO), s.Y_a(kO), r, kBlack, 1, 0.5f, 0);
    Label(s, kBlack, s.X_a(kO) - 19, s.Y_a(kO) + 8, "O");
    Disc(s, kO, 7, kBlack);
    Segment(s, kA, kB, kBlack);
    Segment(s, kA, kC, kBlack);
    Segment(s, kB, kD, kBlack);
    Segment(s, kBeyondC, kBeyondD, kBlack);
    Label(s, kBlack, s.X_a(kA) - 26, s.Y_a(kA), "A");
    Label(s, kBlack, s.X_a(kB) - 16, s.Y_a(kB) + 6, "B");
    Label(s, kBlack, s.X_a(kC) - 16, s.Y_a(kC) - 46, "C");
    Label(s, kBlack, s.X_a(kD) - 16, s.Y_a(kD) - 46, "D");
    Label(s, kBlack, s.X_a(kP) - 16, s.Y_a(kP) - 46, "P");
    RightAngle(s, kA, kB, kC, 30, kRed);
    RightAngle(s, kB, kA, kD, 30, kRed);
    s.P.SetDrawWidth(3);
    LengthArc(s, kA, kC, -1, 5, "16㎝", kBlueLength);
    LengthArc(s, kB, kD, 1, 4, "25㎝", kBlueLength);
    s.P.SetDrawWidth(5);
}

}  // namespace vm
