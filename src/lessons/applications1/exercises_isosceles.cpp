// ④ 問6: the height and the area of the isosceles triangle with sides 4, 4
// and 6 cm, drawn at 4/3 grid unit a centimetre.
#include "frame/frame.h"
#include "lessons/applications1/exercises.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

void IsoscelesTriangleAreaProblem(State& s) {
    OpenExercise(s, "問6 解答", 720, 90, 10, 6);
    constexpr int kA = 1, kB = 2, kC = 3, kH = 4;
    Put(s, {{kB, 1, 1}, {kA, 1 + 4, 1 + 4 * Sqr(7) / 3}, {kC, 1 + 8, 1}, {kH, 1 + 4, 1}});
    Polygon(s, {kA, kB, kC}, "A");
    LengthArc(s, kA, kB, 1, 5, "4cm", kBlueDotsBlackLabel);
    LengthArc(s, kC, kA, 1, 5, "4cm", kBlueDotsBlackLabel);
    LengthArc(s, kB, kC, 1, 5, "6cm", {kBlue, kBlack, 40});
    Ticks(s, kA, kB, 16);
    Ticks(s, kA, kC, 16);

    WaitForKey(s);
    Segment(s, kA, kH, kBlack);
    PointLetter(s, kH, kBlack, "H");
    RightAngle(s, kH, kA, kB, 40, kRed);
    WaitForKey(s);
    LengthArc(s, kB, kH, 1, 5, "3cm", {kRed, kRed, 20});
    WaitForKey(s);
    NewLine(s, 50, kBlack, "AH=hとすると");
    LengthArc(s, kA, kH, -1, 5, "h", kBlueLength);

    WaitForKey(s);
    NewLine(s, 60, kBlack, "4^2=");
    WaitForKey(s);
    Continue(s, kBlack, "3^2+h^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "h^2=");
    WaitForKey(s);
    Continue(s, kBlack, "4^2-3^2=");
    WaitForKey(s);
    Continue(s, kBlack, "16-9=7");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "h>0 だから ");
    WaitForKey(s);
    Continue(s, kBlack, "h=");
    WaitForKey(s);
    Continue(s, kRed, "!7ﾝ (cm)");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "面積 S=ﾀ1/2ﾀ*6*!7ﾝ=");
    WaitForKey(s);
    Continue(s, kRed, "3!7ﾝ (cm^2)");
}

}  // namespace vm
