#include "lessons/applications1/solids.h"

#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

enum : int { kO = 0, kA = 1, kB = 2, kC = 3, kD = 4, kH = 5 };

// The base with its diagonals crossing at H and the right angle at B.
void DrawBase(State& s) {
    Segment(s, kA, kC, kBlue);
    Segment(s, kB, kD, kBlue);
    Label(s, kBlue, s.X_a(kH) - 30, s.Y_a(kH) + 8, "H");
    RightAngle(s, kB, kA, kC, 30, kRed);
    DrawSquarePyramid(s);
}

// The right triangle OAH shaded, with the height and its right angle at H.
void DrawHeightTriangle(State& s) {
    Triangle(s, kO, kA, kH, kCyan);
    Segment(s, kA, kC, kBlue);
    Segment(s, kB, kD, kBlue);
    Segment(s, kO, kH, kBlue);
    Label(s, kBlue, s.X_a(kH) - 30, s.Y_a(kH) + 8, "H");
    RightAngle(s, kH, kA, kO, 30, kRed);
    DrawSquarePyramid(s);
}

// Only the figure goes: the text column left of it stays.
void ClearFigureSide(State& s) { s.P.FillBox(748, 0, 748 + 1760, 1800, kBackground, kBackground); }

}  // namespace

void DrawSquarePyramid(State& s) {
    s.P.SetDrawWidth(3);
    LengthArc(s, kA, kO, -1, 2, "5㎝", kBlueLength);
    LengthArc(s, kA, kB, 1, 2, "6㎝", kBlueLength);
    s.P.SetDrawWidth(5);
    Segment(s, kO, kA, kBlack);
    Segment(s, kO, kB, kBlack);
    Segment(s, kO, kC, kBlack);
    Segment(s, kA, kB, kBlack);
    Segment(s, kB, kC, kBlack);
    // The hidden edges from D, dotted.
    LengthArc(s, kD, kO, 1, 7, "", {kBlack, kBlue, 0});
    LengthArc(s, kD, kA, -1, 7, "", {kBlack, kBlue, 0});
    LengthArc(s, kD, kC, -1, 7, "", {kBlack, kBlue, 0});
    Label(s, kBlack, s.X_a(kA) - 20, s.Y_a(kA) - 48, "A");
    Label(s, kBlack, s.X_a(kB) - 24, s.Y_a(kB) + 4, "B");
    Label(s, kBlack, s.X_a(kC) + 8, s.Y_a(kC) - 24, "C");
    Label(s, kBlack, s.X_a(kD) - 36, s.Y_a(kD) - 40, "D");
    Label(s, kBlack, s.X_a(kO) - 16, s.Y_a(kO) - 48, "O");
}

void SquarePyramidProblem(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 36, 30);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P200 問15 解答  ");
    Frame(s, 748, 90, 14, 12, 35);
    // From A: the apex O above H, where the diagonals of the base cross.
    Put(s, {{kO, 7, 9}, {kA, 1, 2}, {kB, 8, -0.5f}, {kC, 13, 2}, {kD, 6, 4.5f}, {kH, 7, 2}});
    DrawSquarePyramid(s);
    WaitForKey(s);
    DrawBase(s);
    WaitForKey(s);
    ClearFigureSide(s);
    DrawHeightTriangle(s);
    WaitForKey(s);
    ClearFigureSide(s);
    DrawBase(s);
    NewLine(s, 60, kPurple, "(1)");
    Continue(s, kBlack, "△ABCは直角二等辺三角形だから、");
    NewLine(s, 60, kBlack, "AC=");
    WaitForKey(s);
    Continue(s, kBlack, "6!2ﾝcm,AH=");
    WaitForKey(s);
    Continue(s, kBlack, "6!2ﾝ/2=");
    Continue(s, kRed, "3!2ﾝ(cm)");
    WaitForKey(s);
    ClearFigureSide(s);
    DrawHeightTriangle(s);
    NewLine(s, 60, kPurple, "(2)");
    Continue(s, kBlack, " 直角三角形OAHにおいて");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "5^2=OH^2+");
    WaitForKey(s);
    Continue(s, kBlack, "(3!2ﾝ)^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "OH^2=5^2-(3!2ﾝ)^2=25-18=7");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "OH>0 だから、");
    Continue(s, kBlack, "OH=");
    Continue(s, kBlue, "!7ﾝ");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "体積は ");
    WaitForKey(s);
    Continue(s, kBlack, "ﾀ1/3ﾀ*6*6*!7ﾝ=");
    Continue(s, kRed, "12!7ﾝ(cm^3)");
}

}  // namespace vm
