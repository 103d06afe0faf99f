// Scene 2: the farthest point A from which the summit P can be seen, found
// by compass and ruler as the point where a tangent from P touches the earth:
// the perpendicular bisector of OP gives its midpoint O', and the circle about
// O' through O and P meets the earth at the two points of contact.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/summit.h"
#include "lessons/applications2/summit_draw.h"
#include "lessons/common/figure.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace summit;

namespace {

constexpr int kO = 0, kMid = 1, kLeft = 2, kRight = 3, kSummit = 13;

float Distance(State& s, int i, int j) {
    const float dx = s.X_a(i) - s.X_a(j), dy = s.Y_a(i) - s.Y_a(j);
    return Sqr(dx * dx + dy * dy);
}

// A compass mark about point c with radius r: an arc through both crossing
// points of the bisector, 18 degrees past each of them.
void CompassArc(State& s, int c, int first, int second, float r) {
    Corner(s, c, first, second);
    s.ITI = 1;
    ComputeRayAngles(s);
    Disc(s, c, 8, kPurple);
    s.P.Circle(s.X_a(c), s.Y_a(c), r, kPurple, 1, s.HH2 - 0.05f, s.HH1 + 0.05f);
}

}  // namespace

void SummitSceneConstruction(State& s) {
    ClearScreen(s);
    StartTextColumn(s);
    s.P.SetDrawWidth(kPen);
    Write(s, kPurple, s.XI0, s.YI1, "Q 富士山の山頂はどれくらい遠くから見えるだろう?");
    const Section sec = SetUpSection(s);
    float r2 = 3 * s.SIZE;
    s.X_a(kLeft) = s.X_a(kMid) - r2;
    s.Y_a(kLeft) = s.Y_a(kMid);
    s.X_a(kRight) = s.X_a(kMid) + r2;
    s.Y_a(kRight) = s.Y_a(kMid);

    Write(s, kPurple, s.XI0, s.YI1 + 50, "② ");
    Write(s, kBlack, s.XI2, s.YI1, "山頂から見えるもっとも");
    Write(s, kBlack, s.XI1, s.YI1 + 50, "遠い地点Aを図に表そう");
    DrawSection(s, sec);
    WaitForKey(s);

    Write(s, kBlue, s.XI1, s.YI1 + 50, "点Pから円Oにひいた");
    Write(s, kBlue, s.XI1, s.YI1 + 50, "接線の接点がAになる");
    WaitForKey(s);

    Segment(s, kO, kSummit, kBlack);
    WaitForKey(s);

    r2 = Distance(s, kO, kLeft);
    CompassArc(s, kO, kRight, kLeft, r2);
    WaitForKey(s);

    CompassArc(s, kSummit, kLeft, kRight, r2);
    WaitForKey(s);

    Segment(s, kLeft, kRight, kBlack);
    WaitForKey(s);

    Disc(s, kMid, 4, kBlack);
    Label(s, kBlack, s.X_a(kMid) - 46, s.Y_a(kMid) + 6, "O'");
    WaitForKey(s);

    r2 = Distance(s, kO, kMid);
    s.P.Circle(s.X_a(kMid), s.Y_a(kMid), r2, kBlue);
    WaitForKey(s);

    FindTangentPoint(s, sec);
    s.X_a(5) = s.X4;
    s.Y_a(5) = s.Y4;
    Disc(s, 4, 6, kRed);
    Label(s, kRed, s.X_a(4) - 46, s.Y_a(4) - 25, "A");
    Disc(s, 5, 6, kRed);
    Label(s, kRed, s.X_a(5) + 10, s.Y_a(5) - 25, "A");
    WaitForKey(s);

    ExtendTangent(s, 4, 6);
    ExtendTangent(s, 5, 7);
    Segment(s, kSummit, 6, kPurple);
    Segment(s, kSummit, 7, kPurple);
}

}  // namespace vm
