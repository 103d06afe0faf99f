// Chapter A problem 5: A and B on y = 2x^2 at x = -1 and 2, C = (2, 2);
// AB from the right triangle ABC.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/p206.h"
#include "lessons/applications2/textbook.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kFootA = 4, kFootB = 5, kLevelA = 6, kLevelB = 7;
// C in plane units, for the point plotter.
constexpr int kCPlane = 8;

// The axes, the parabola inside the plane's height, and the points in
// plane units mapped to pixels (all but the copy of C).
void DrawPlaneAndParabola(State& s) {
    Plane(s, 836, 120, -3, 3, -1, 9, 50, 0);
    s.IROIRO = 2;
    s.AA = 2;
    s.CCC3 = kBlack;
    s.AAA_s = "y=2x^2";
    s.KASANARIX = 0;
    s.KASANARIY = 0;
    PlotGraph(s);

    const float xa = -1, ya = 2, xb = 2, yb = 8;
    s.X_a(kCPlane) = xb;
    s.Y_a(kCPlane) = ya;
    Put(s, {{kA, xa, ya},
            {kB, xb, yb},
            {kC, xb, ya},
            {kFootA, xa, 0},
            {kFootB, xb, 0},
            {kLevelA, 0, ya},
            {kLevelB, 0, yb}});
    s.X_sa(1) = "A";
    s.X_sa(2) = "B";
    s.X_sa(3) = "C";
}

}  // namespace

void ChapterAProblem5Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    s.P.SetDrawWidth(kPen);
    Tags(s, kP206, "5", s.XI1, s.YI1, 20);
    DrawPlaneAndParabola(s);
    PlanePoint(s, -1, 2, 7, kBlue, "A", -30, 25);
    PlanePoint(s, 2, 8, 7, kBlue, "B", 30, 40);
    Segment(s, kA, kFootA, kPurple);
    Label(s, kBlue, s.X_a(kFootA) - 38, s.Y_a(kFootA), "-1");
    Segment(s, kB, kFootB, kPurple);
    Label(s, kBlue, s.X_a(kFootB) - 19, s.Y_a(kFootB), "2");
    Segment(s, kA, kB, kBlue);
    WaitForKey(s);
    PlanePoint(s, s.X_a(kCPlane), s.Y_a(kCPlane), 7, kBlue, "C", 30, 40);
    Segment(s, kA, kB, kBlue);
    Segment(s, kB, kC, kBlue);
    Segment(s, kC, kA, kBlue);
    RightAngle(s, kC, kA, kB, 40, kRed);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "点Aのy座標は、");
    WaitForKey(s);
    Continue(s, kBlack, "y=2*(-1)^2=2*1=2");
    Label(s, kPurple, s.X_a(kLevelA), s.Y_a(kLevelA) - 48, "2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "点Bのy座標は、");
    WaitForKey(s);
    Continue(s, kBlack, "y=2*2^2=2*4=8");
    Segment(s, kB, kLevelB, kPurple);
    Label(s, kPurple, s.X_a(kLevelB) - 48, s.Y_a(kLevelB) - 19, "8");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "BC=8-2=6");
    LengthArc(s, kB, kC, -1, 5, "6", kGreenDotsRedLabel);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "AC=2-(-1)=2+1=3");
    LengthArc(s, kA, kC, 1, 9, "3", kGreenDotsRedLabel);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "AB^2=");
    WaitForKey(s);
    Continue(s, kBlack, "6^2+3^2=36+9=45");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "AB>0 だから AB=!45ﾝ=");
    Continue(s, kBlue, "3!5ﾝ");
    NewLine(s, 60, kRed, "答　3!5ﾝ");
}

}  // namespace vm
