// Chapter B problem 1: the right triangle with AC = x, BC = x+1, AB = x+9,
// drawn to scale for x = 20.
#include "frame/frame.h"
#include "lessons/applications2/p207.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/marks.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

constexpr int kA = 1, kB = 2, kC = 3;

}  // namespace

void ChapterBProblem1Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Tags(s, kP207, "1", s.XI1, s.YI1, 44);
    Frame(s, 792, 70, 9, 8, 50);
    s.P.SetDrawWidth(kPen);
    const float xb = 1, yb = 1;
    const float xc = xb + 6.3f, yc = yb;
    Put(s, {{kB, xb, yb}, {kC, xc, yc}, {kA, xc, yb + 6}});
    // A, B, C run anticlockwise on the screen: the letters stand outside.
    Polygon(s, {kA, kB, kC}, "A");
    RightAngle(s, kC, kA, kB, 40, kRed);
    PlaceCursor(s, 38, 30);
    NewLine(s, 60, kBlue, "AC=xcmとすると");
    LengthArc(s, kC, kA, 1, 5, "x", kBlueLength);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "BC=(x+1)cm,AB=(x+9)cm だから");
    LengthArc(s, kA, kB, 1, 3, "x+9", kBlueLength);
    LengthArc(s, kB, kC, 1, 4, "x+1", kBlueLength);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "(x+1)^2+x^2=(x+9)^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2+2x+1+x^2=x^2+18x+81");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "2x^2-x^2+2x-18x+1-81=0");
    NewLine(s, 60, kBlack, "x^2-16x-80=0");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "(x-20)(x+4)=0");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x=20,-4");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x>0だから ");
    WaitForKey(s);
    Continue(s, kBlack, "x=20 したがって　AB=");
    WaitForKey(s);
    Continue(s, kBlack, "20+9=");
    Continue(s, kRed, "29(cm)");
}

}  // namespace vm
