// Basic problem 1: the altitude splits (1) a 30°-60° right triangle and
// (2) a 45°-60° triangle; the lengths follow from the special side ratios.
#include "frame/frame.h"
#include "lessons/applications2/p205.h"
#include "lessons/applications2/textbook.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace textbook;

namespace {

// Point 1 the top corner, 2 and 3 the base corners, 4 the altitude's foot.
void DrawTriangleAndAltitude(State& s) {
    Outline(s, {1, 2, 3}, kBlack);
    Segment(s, 1, 4, kBlack);
}

// The 30°-60° triangle with its right angle at the top: 60 px a unit.
void DrawFigure1(State& s) {
    Frame(s, 680, 90, 8, 4, 60);
    const float x2 = 0, y2 = 0;
    Put(s, 2, x2, y2);
    Put(s, 1, x2 + 2, 2 * Sqr(3) + y2);
    Put(s, 3, x2 + 8, y2);
    Put(s, 4, x2 + 2, y2);
    DrawTriangleAndAltitude(s);
    RightAngle(s, 1, 2, 3, 30, kRed);
    RightAngle(s, 4, 2, 1, 30, kRed);
    LengthArc(s, 4, 3, 1, 5, "y", kBlueLength);
    LengthArc(s, 1, 4, -1, 5, "x", kBlueLength);
    LengthArc(s, 1, 2, 1, 5, "4", kBlueLength);
    AngleMark(s, 2, 3, 1, 40, 0, kBlack, kBlue, "60%", kBlue);
    AngleMark(s, 3, 1, 2, 60, 0, kBlack, kBlue, "30%", kBlue);
}

// The 45°-60° triangle: 100 px a unit.
void DrawFigure2(State& s) {
    Frame(s, 680, 90, 5, 3, 100);
    const float x2 = 0, y2 = 0;
    const float x1 = 2 * Sqr(2) + x2, y1 = 2 * Sqr(2) + y2;
    Put(s, 2, x2, y2);
    Put(s, 1, x1, y1);
    Put(s, 3, 2 * Sqr(6) / 3 + x1, y2);
    Put(s, 4, x1, y2);
    DrawTriangleAndAltitude(s);
    RightAngle(s, 4, 2, 1, 30, kRed);
    LengthArc(s, 2, 3, 1, 2, "y", kBlueLength);
    LengthArc(s, 1, 4, -1, 5, "x", kBlueLength);
    LengthArc(s, 1, 2, 1, 3, "4", kBlueLength);
    AngleMark(s, 2, 3, 1, 40, 0, kBlack, kBlue, "45%", kBlue);
    AngleMark(s, 3, 1, 2, 60, 0, kBlack, kBlue, "60%", kBlue);
}

}  // namespace

void BasicProblem1Answer(State& s) {
    ClearScreen(s);
    Tags(s, kP205, "1", 72, 30, 44);
    PlaceCursor(s, 114, 30);
    s.P.SetDrawWidth(kPen);
    DrawFigure1(s);
    Item(s, 70, kBlack, "(1)");
    WaitForKey(s);
    Continue(s, kBlue, "30%,60%の直角三角形 だから");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "4:x=");
    WaitForKey(s);
    Continue(s, kBlack, "2:!3ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "2x=4!3ﾝ  ");
    Continue(s, kBlack, "x=");
    Continue(s, kRed, "2!3ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x:y=");
    WaitForKey(s);
    Continue(s, kBlack, "1:!3ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "2!3ﾝ:y=1:!3ﾝ ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "y=2!3ﾝ*!3ﾝ=2*3=");
    Continue(s, kRed, "6");
    WaitForKey(s);

    ClearBelowTags(s);
    s.YI1 = 30;
    DrawFigure2(s);
    WaitForKey(s);
    Item(s, 70, kBlack, "(2)");
    WaitForKey(s);
    Continue(s, kBlue, "45%の直角三角形 だから");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "4:x=");
    WaitForKey(s);
    Continue(s, kBlack, "!2ﾝ:1");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "!2ﾝx=4 ");
    Continue(s, kBlack, "x=ﾀ4/!2ﾝﾀ=ﾀ4!2ﾝ/2ﾀ=");
    Continue(s, kRed, "2!2ﾝ");
    WaitForKey(s);
    NewLine(s, 80, kBlue, "y=x+zとすると");
    LengthArc(s, 2, 4, 1, 5, "x", {kPurple, kPurple, 60});
    LengthArc(s, 4, 3, 1, 5, "z", {kPurple, kPurple, 60});
    // The prompt comes twice here: the first key only brings it back.
    WaitForKey(s);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x:z=");
    WaitForKey(s);
    Continue(s, kBlack, "!3ﾝ:1");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "2!2ﾝ:z=!3ﾝ:1 ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "!3ﾝz=2!2ﾝ ");
    NewLine(s, 70, kBlack, "z=ﾀ2!2ﾝ/!3ﾝﾀ=ﾀ2!2ﾝ*!3ﾝ/3ﾀ=");
    Continue(s, kBlue, "ﾀ2!6ﾝ/3ﾀ");
    WaitForKey(s);
    Write(s, kRed, s.XI2 + 90, s.YI1, "y=2!2ﾝ+ﾀ2!6ﾝ/3ﾀ");
}

}  // namespace vm
