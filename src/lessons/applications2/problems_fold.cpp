// Scene 5: a rectangle 4 by 8 folded along its diagonal BD; C falls on E and
// BE meets AD at F. (1) FBD is isosceles; (2) AF from (8-x)^2 = 4^2 + x^2.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/problems.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4, kE = 5, kF = 6, kFoot = 9;

// The equal angles: filled sectors inside the figure, swept clockwise on the
// screen from the ray to m to the ray to n.
void EqualAngle(State& s, int k, int m, int n) {
    AngleMark(s, k, m, n, 40, 0, kBlack, kPurple, "", kBlack, -1);
}

// One tick across i -> j, in colour 7.
void Tick(State& s, int i, int j) { Ticks(s, i, j, 12, kPurple, 1, 8, 0); }

}  // namespace

void FoldedRectangleProblem(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    PlaceCursor(s, 30, 30);
    Write(s, kPurple, s.XI0, s.YI1, "問1(1)");
    Frame(s, 720, 90, 10, 8, 50);
    s.P.SetDrawWidth(5);
    Put(s, {{kA, 1, 5}, {kB, 1, 1}, {kC, 9, 1}, {kD, 9, 5}, {kF, 4, 5}});
    // E is C reflected in BD: twice the foot of the perpendicular, less C.
    s.AX = s.X_a(kB);
    s.AY = s.Y_a(kB);
    s.BX = s.X_a(kD);
    s.BY = s.Y_a(kD);
    s.CX = s.X_a(kC);
    s.CY = s.Y_a(kC);
    MarkPerpendicularFoot(s);
    s.X_a(kFoot) = s.EX;
    s.Y_a(kFoot) = s.EY;
    s.X_a(kE) = 2 * s.X_a(kFoot) - s.X_a(kC);
    s.Y_a(kE) = 2 * s.Y_a(kFoot) - s.Y_a(kC);
    Polygon(s, {kA, kB, kC, kD}, "A");
    Segment(s, kD, kB, kBlack);
    WaitForKey(s);

    EqualAngle(s, kB, kD, kC);
    EqualAngle(s, kD, kB, kA);
    Continue(s, kBlue, " 二等辺三角形");
    WaitForKey(s);

    // Folded: the heading line stays.
    s.P.FillBox(0, s.GGY, 1760, s.GGY + 1800, kBackground, kBackground);
    s.X_sa(1) = "A";
    s.X_sa(2) = "B";
    s.X_sa(3) = "D";
    Polygon(s, {kA, kB, kD}, "1");
    Label(s, kBlack, s.X_a(kC) + 4, s.Y_a(kC) - 24, "C");
    EqualAngle(s, kB, kE, kD);
    EqualAngle(s, kD, kB, kA);
    LengthArc(s, kB, kC, -1, 4, "", {kBlack, kRed, 0});
    LengthArc(s, kD, kC, -1, 7, "", {kBlack, kRed, 0});
    Segment(s, kE, kB, kBlack);
    Segment(s, kE, kD, kBlack);
    Segment(s, kD, kB, kBlack);
    Label(s, kBlack, s.X_a(kE) - 20, s.Y_a(kE) - 48, "E");
    Label(s, kBlack, s.X_a(kF) - 30, s.Y_a(kF) - 48, "F");
    WaitForKey(s);

    Tick(s, kB, kF);
    Tick(s, kD, kF);
    WaitForKey(s);

    LengthArc(s, kB, kC, 1, 3, "8cm", {kBlue, kBlack, 40});
    LengthArc(s, kA, kB, 1, 5, "4cm", kBlueDotsBlackLabel);
    WaitForKey(s);

    Write(s, kPurple, s.XI0, s.YI1 + 50, "(2)");
    Continue(s, kBlack, "AF=xcmとすると");
    LengthArc(s, kA, kF, -1, 5, "x", kBlueLength);
    WaitForKey(s);

    LengthArc(s, kD, kF, 1, 5, "8-x", kBlueLength);
    WaitForKey(s);

    LengthArc(s, kB, kF, 1, 5, "8-x", kBlueLength);
    s.CCC1 = kBlack;
    RightAngle(s, kA, kB, kD, 40, kRed);
    Continue(s, kBlue, " BF=8-x(cm)");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "(8-x)^2=");
    WaitForKey(s);

    Continue(s, kBlack, "4^2+x^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "64-16x+x^2=16+x^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "-16x+x^2-x^2=16-64");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "-16x=-48");
    WaitForKey(s);

    NewLine(s, 80, kBlack, "x=ﾀ48/16ﾀ=");
    WaitForKey(s);

    Continue(s, kBlue, "3");
    WaitForKey(s);

    NewLine(s, 80, kBlack, "8-x=8-3=");
    Continue(s, kBlue, "5");
    WaitForKey(s);

    NewLine(s, 60, kRed, "答 AF=3cm,BF=5cm");
    FixedLine(s, kBlack, "教科書P204 問2　をしなさい。");
}

}  // namespace vm
