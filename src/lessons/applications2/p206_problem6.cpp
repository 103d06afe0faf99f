// Chapter A problem 6: equilateral triangles P, Q, R on the sides a, b, c
// of a right triangle; P + Q = R. The figure is constructed from a circle
// on the hypotenuse as diameter.
#include "frame/frame.h"
#include "lessons/applications2/p206.h"
#include "lessons/applications2/textbook.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace textbook;

namespace {

// 0 the circle's centre; 1, 2 the ends of the hypotenuse c; 3 the right
// angle (a = 2-3, b = 3-1); 4, 5, 6 the apexes of P, Q, R; 7 the way to
// R's apex from the centre; 8 the midpoint of c; 11 the foot of P's height.
constexpr int kO = 0, kAC = 1, kBC = 2, kRight = 3, kP = 4, kQ = 5, kR = 6, kDir = 7, kMid = 8,
              kFoot = 11;

void Construct(State& s) {
    Put(s, kO, 5, 5);
    const float r1 = s.SIZE * 2.5f;
    Polar(s, kAC, kO, r1, -50);
    Polar(s, kBC, kO, r1, 130);
    Polar(s, kRight, kO, r1, 230);
    Polar(s, kDir, kO, r1, 40);
    const auto half = [&](int i, int j) {
        const float dx = s.X_a(i) - s.X_a(j), dy = s.Y_a(i) - s.Y_a(j);
        return Sqr(dx * dx + dy * dy) / 2;
    };
    const float r2 = half(kBC, kRight), r3 = half(kAC, kRight);
    const float root3 = Sqr(3);
    // a is upright and b level, so each apex lies a half side along one
    // and a half side times the root of 3 along the other.
    s.X_a(kP) = s.X_a(kRight) - r2 * root3;
    s.Y_a(kP) = s.Y_a(kRight) - r2;
    s.X_a(kQ) = s.X_a(kRight) + r3;
    s.Y_a(kQ) = s.Y_a(kRight) + r3 * root3;
    Midpoint(s, kMid, kAC, kBC);
    s.X_a(kR) = s.X_a(kMid) + (s.X_a(kDir) - s.X_a(kMid)) * root3;
    s.Y_a(kR) = s.Y_a(kMid) + (s.Y_a(kDir) - s.Y_a(kMid)) * root3;
    s.X_a(kFoot) = s.X_a(kBC);
    s.Y_a(kFoot) = s.Y_a(kO);
}

void DrawFigure(State& s) {
    Frame(s, 792, 70, 9, 8, 50);
    s.P.SetDrawWidth(kPen);
    Construct(s);
    // The names P, Q, R through arcs in the background colour; drawn first,
    // as their end dots would cut holes in the sides.
    LengthArc(s, kBC, kRight, 1, 4, "P", {kWhite, kRed, 60, 40, -40});
    LengthArc(s, kRight, kAC, 1, 5, "Q", {kWhite, kRed, 60});
    LengthArc(s, kAC, kBC, 1, 3, "R", {kWhite, kRed, 70});
    Segment(s, kAC, kBC, kBlue);
    Segment(s, kBC, kRight, kBlue);
    Segment(s, kRight, kAC, kBlue);
    Segment(s, kAC, kR, kBlue);
    Segment(s, kBC, kR, kBlue);
    Segment(s, kBC, kP, kBlue);
    Segment(s, kRight, kP, kBlue);
    Segment(s, kRight, kQ, kBlue);
    Segment(s, kAC, kQ, kBlue);
    LengthArc(s, kAC, kBC, 1, 3, "c", kBlackLength);
    LengthArc(s, kBC, kRight, -1, 4, "a", kBlackLength);
    LengthArc(s, kRight, kAC, 1, 5, "b", kBlackLength);
    RightAngle(s, kRight, kAC, kBC, 25, kRed);
}

}  // namespace

void ChapterAProblem6Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Tags(s, kP206, "6", s.XI1, s.YI1, 44);
    DrawFigure(s);
    WaitForKey(s);
    NewLine(s, 60, kBlue, "正三角形Pの高さをhとすると");
    LengthArc(s, kFoot, kP, 1, 1, "h", {kPurple, kPurple, 0});
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h:a=!3ﾝ:2");
    WaitForKey(s);
    Write(s, kBlack, s.XI2 + 40, s.YI1, "2h=!3ﾝa ");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "h=ﾀ!3ﾝ/2ﾀa だから面積は");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "P=ﾀ1/2ﾀ*a*ﾀ!3ﾝ/2ﾀa=");
    Continue(s, kBlue, "ﾀ!3ﾝ/4ﾀa^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "同じようにして、");
    Continue(s, kBlue, "Q=ﾀ!3ﾝ/4ﾀb^2,R=ﾀ!3ﾝ/4ﾀc^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "直角三角形だから、a^2+b^2=c^2");
    WaitForKey(s);
    NewLine(s, 80, kRed, "P+Q");
    WaitForKey(s);
    Continue(s, kBlack, "=ﾀ!3ﾝ/4ﾀa^2+ﾀ!3ﾝ/4ﾀb^2=");
    WaitForKey(s);
    Continue(s, kBlue, "ﾀ!3ﾝ/4ﾀ(a^2+b^2)=");
    WaitForKey(s);
    Continue(s, kBlue, "ﾀ!3ﾝ/4ﾀc^2=");
    WaitForKey(s);
    Continue(s, kRed, "R");
}

}  // namespace vm
