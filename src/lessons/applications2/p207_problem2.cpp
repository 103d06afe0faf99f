// Chapter B problem 2: the area of the triangle with sides 13, 14 and 15
// through its altitude AH.
#include "frame/frame.h"
#include "lessons/applications2/p207.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/marks.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kH = 4;

void DrawFigure(State& s) {
    Frame(s, 720, 70, 16, 14, 30);
    const float xb = 1, yb = 1;
    const float xa = xb + 5, ya = yb + 12;
    Put(s, {{kB, xb, yb}, {kC, xb + 14, yb}, {kA, xa, ya}, {kH, xa, yb}});
    Polygon(s, {kA, kB, kC}, "A");
    Segment(s, kA, kH, kBlack);
    RightAngle(s, kH, kA, kB, 40, kRed);
    Label(s, kBlack, s.X_a(kH) - 19, s.Y_a(kH) + 6, "H");
    LengthArc(s, kA, kH, -1, 4, "h", kBlueLength);
    LengthArc(s, kA, kB, 1, 3, "13", kBlueLength);
    LengthArc(s, kA, kC, -1, 3, "15", kBlueLength);
    LengthArc(s, kB, kH, 1, 4, "x", kBlueLength);
    LengthArc(s, kB, kC, 1, 3, "14", {kBlue, kBlue, 60});
}

}  // namespace

void ChapterBProblem2Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    s.P.SetDrawWidth(kPen);
    Tags(s, kP207, "2", s.XI1, s.YI1, 44);
    DrawFigure(s);
    PlaceCursor(s, 38, 30);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "△ABHで、13^2=");
    WaitForKey(s);
    Continue(s, kBlack, "x^2+h^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h^2=");
    WaitForKey(s);
    Continue(s, kBlack, "13^2-x^2=");
    Continue(s, kBlue, "169-x^2");
    Continue(s, kBlack, "…①");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "△ACHで、15^2=");
    LengthArc(s, kH, kC, 1, 4, "14-x", {kPurple, kPurple, 20});
    WaitForKey(s);
    Continue(s, kBlack, "(14-x)^2+h^2");
    NewLine(s, 60, kBlack, "h^2=15^2-(14-x)^2=");
    Continue(s, kBlue, "-x^2+28x+29");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "よって、169-x^2=-x^2+28x+29");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "整理すると、28x=140 ");
    Continue(s, kBlue, "x=5");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "①に代入して、h^2=169-5^2=144");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h>0 だから、h=!144ﾝ=");
    Continue(s, kBlue, "12");
    WaitForKey(s);
    NewLine(s, 80, kBlue, "△ABC=ﾀ1/2ﾀ*14*12=");
    Continue(s, kRed, "84");
}

}  // namespace vm
