// Basic problem 2: a square's diagonal, an equilateral triangle's height,
// the distance between two points of a plane, and a chord of a circle.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/p205.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/marks.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

// (3): A, B and the right angle between them.
constexpr int kA = 1, kB = 2, kCorner = 3;
// (4): the centre, the chord's ends and its midpoint.
constexpr int kO = 1, kChordA = 2, kChordB = 3, kM = 4;

// (3): A(-3, 3) and B(-1, -3) on a plane with its unit grid and numbers.
void DrawPlane(State& s) {
    Plane(s, 748, 120, -5, 2, -5, 5, 40, 10);
    PlanePoint(s, -3, 3, 7, kBlue, "A", 0, -20);
    PlanePoint(s, -1, -3, 7, kBlue, "B", 30, 60);
    Put(s, {{kA, -3, 3}, {kB, -1, -3}, {kCorner, -3, -3}});
    Outline(s, {kA, kB, kCorner}, kBlue);
    RightAngle(s, kCorner, kA, kB, 30, kRed);
}

// (4): the lower half of a circle of radius 7 units with the chord AB at
// 3.5 units below its centre O; M is the chord's midpoint.
void DrawChord(State& s) {
    Frame(s, 660, 70, 14, 9, 40);
    Put(s, kO, 7, 7);
    const float r1 = 7 * s.SIZE;
    Polar(s, kChordA, kO, r1, 210);
    Polar(s, kChordB, kO, r1, -30);
    Midpoint(s, kM, kChordA, kChordB);
    s.P.SetDrawWidth(kPen);
    s.P.Circle(s.X_a(kO), s.Y_a(kO), r1, kBlack, 1, 0, 0.5f);
    Disc(s, kO, 4, kBlack);
    Label(s, kBlack, s.X_a(kO) - 16, s.Y_a(kO) - 46, "O");
    Segment(s, kChordA, kChordB, kBlack);
    Segment(s, kO, kChordA, kBlack);
    Segment(s, kO, kChordB, kBlack);
    Label(s, kBlack, s.X_a(kChordA) - 40, s.Y_a(kChordA) + 4, "A");
    Label(s, kBlack, s.X_a(kChordB) + 10, s.Y_a(kChordB) + 4, "B");
    LengthArc(s, kO, kChordA, 1, 5, "10cm", kBlueLength);
    Segment(s, kO, kM, kBlack);
    LengthArc(s, kO, kM, -1, 15, "5cm", kBlueLength);
    RightAngle(s, kM, kO, kChordA, 30, kRed);
    Ticks(s, kChordA, kM, 10, kBlue, 1, 8, 0);
    Ticks(s, kM, kChordB, 10, kBlue, 1, 8, 0);
}

}  // namespace

void BasicProblem2Answer(State& s) {
    ClearScreen(s);
    Tags(s, kP205, "2", 72, 30, 44);
    PlaceCursor(s, 114, 30);
    s.P.SetDrawWidth(kPen);
    WaitForKey(s);
    Item(s, 70, kBlack, "(1)対角線の長さは、1辺の!2ﾝ倍 ");
    NewLine(s, 60, kBlack, "だから ");
    Continue(s, kRed, "10!2ﾝcm");
    WaitForKey(s);
    Item(s, 70, kBlack, "(2)正三角形の高さは、1辺のﾀ!3ﾝ/2ﾀ倍 ");
    NewLine(s, 80, kBlack, "だから 12*ﾀ!3ﾝ/2ﾀ=");
    Continue(s, kRed, "6!3ﾝ(cm)");
    WaitForKey(s);
    DrawPlane(s);
    Item(s, 70, kBlack, "(3)");
    WaitForKey(s);
    Continue(s, kBlack, "x座標:-1-(-3)=-1+3=2 ");
    LengthArc(s, kCorner, kB, 1, 10, "2", {kBlue, kPurple, 0});
    WaitForKey(s);
    NewLine(s, 60, kBlack, "y座標:3-(-3)=3+3=6");
    LengthArc(s, kA, kCorner, 1, 10, "6", {kBlue, kPurple, 0});
    WaitForKey(s);
    NewLine(s, 60, kBlack, "だから !2^2+6^2ﾝ");
    NewLine(s, 60, kBlack, "=!4+36ﾝ=!40ﾝ=");
    Continue(s, kRed, "2!10ﾝ");
    WaitForKey(s);

    ClearBelowTags(s);
    DrawChord(s);
    s.YI1 = 30;
    Item(s, 70, kBlack, "(4)ﾀ1/2ﾀAB=xcm とすると");
    LengthArc(s, kChordA, kM, 1, 7, "xcm", {kRed, kRed, 20});
    WaitForKey(s);
    NewLine(s, 60, kBlack, "10^2=x^2+5^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=10^2-5^2=100-25=75");
    NewLine(s, 60, kBlack, "x>0だから x=!75ﾝ=");
    Continue(s, kBlue, "5!3ﾝ");
    NewLine(s, 60, kBlack, "よって");
    NewLine(s, 60, kBlack, "AB=2*5!3ﾝ=");
    Continue(s, kRed, "10!3ﾝ(cm)");
}

}  // namespace vm
