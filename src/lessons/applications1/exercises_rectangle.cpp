// ③ 問5: the diagonal of a rectangle with sides a and b.
#include "frame/frame.h"
#include "lessons/applications1/exercises.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

void RectangleDiagonalProblem(State& s) {
    OpenExercise(s, "問5 解答", 792, 90, 8, 8);
    constexpr int kA = 1, kB = 2, kC = 3, kD = 4;
    Put(s, {{kB, 1, 1}, {kA, 1, 1 + 4}, {kC, 1 + 6, 1}, {kD, 1 + 6, 1 + 4}});
    Polygon(s, {kA, kB, kC, kD}, "A");
    LengthArc(s, kB, kC, 1, 5, "a", kBlueDotsBlackLabel);
    LengthArc(s, kC, kD, 1, 5, "b", kBlueDotsBlackLabel);

    WaitForKey(s);
    NewLine(s, 50, kBlack, "BD=xとすると");
    Segment(s, kB, kD, kBlack);
    RightAngle(s, kC, kB, kD, 40, kRed);
    LengthArc(s, kB, kD, -1, 5, "x", kBlueLength);

    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=");
    WaitForKey(s);
    Continue(s, kBlack, "a^2+b^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "x>0 だから ");
    WaitForKey(s);
    Continue(s, kBlack, "x=");
    WaitForKey(s);
    Continue(s, kBlue, "!a^2+b^2ﾝ");
    FixedLine(s, kPurple, "教科書P196 問6　をしなさい。");
}

}  // namespace vm
