#include "lessons/applications2/summit_draw.h"

#include "figures/figures.h"
#include "formula/formula.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm::summit {

namespace {

// Point 0 is the earth's centre O, point 13 the summit P.
constexpr int kO = 0, kP = 13, kMid = 1, kTouch = 4;

}  // namespace


void StartTextColumn(State& s) {
    s.XI0 = 30;
    PlaceCursor(s, s.XI0 + 36, 20);
}

void SetFrame(State& s, float ggx, float ggy, float yoko, float tate, float size) {
    Frame(s, ggx, ggy, yoko, tate, size);
    s.P.SetDrawWidth(kPen);
}

Section SetUpSection(State& s) {
    SetFrame(s, 440, 90, 20, 13, 40);
    Put(s, kO, 10, 0);
    Put(s, kP, 10, 12);
    Section sec;
    sec.R1 = 10 * s.SIZE;
    Polar(s, 11, 0, sec.R1, 100);
    Polar(s, 12, 0, sec.R1, 80);
    s.X_a(kMid) = s.X_a(kO);
    s.Y_a(kMid) = (s.Y_a(kO) + s.Y_a(kP)) / 2;
    return sec;
}

void DrawSection(State& s, const Section& sec) {
    Triangle(s, 11, 12, kP, kBlue);
    s.P.Circle(s.X_a(kO), s.Y_a(kO), sec.R1, kBlack, 1, 0.5f, 0);
    Disc(s, kO, 6, kBlack);
    Label(s, kBlue, s.X_a(kO) + 10, s.Y_a(kO) - 25, "O");
    Disc(s, kP, 6, kBlack);
    Label(s, kBlue, s.X_a(kP) - 14, s.Y_a(kP) - 50, "P");
}

void FindTangentPoint(State& s, const Section& sec) {
    const float dx = s.X_a(kO) - s.X_a(kMid), dy = s.Y_a(kO) - s.Y_a(kMid);
    s.X1 = s.X_a(kO);
    s.Y1 = s.Y_a(kO);
    s.RR1 = sec.R1;
    s.X2 = s.X_a(kMid);
    s.Y2 = s.Y_a(kMid);
    s.RR2 = Sqr(dx * dx + dy * dy);
    RadicalLineOfCircles(s);
    IntersectCircles(s);
    s.X_a(kTouch) = s.X3;
    s.Y_a(kTouch) = s.Y3;
}

void ExtendTangent(State& s, int i, int j) {
    // The far end divides P -> i externally in the ratio 5 : 2.
    const float c1 = 3, c2 = 2, c3 = c1 + c2;
    s.X_a(j) = (c3 * s.X_a(i) - c2 * s.X_a(kP)) / c1;
    s.Y_a(j) = (c3 * s.Y_a(i) - c2 * s.Y_a(kP)) / c1;
}

void MarkRightAngleAtTangent(State& s, float size) {
    Corner(s, kTouch, kP, kO);
    s.CCC2 = kRed;
    s.NAGASA = size;
    s.ITI = -1;
    DrawRightAngleMark(s);
}

void DrawTangentPA(State& s, const Section& sec, float label_dx, float label_dy) {
    constexpr int kFar = 6;
    FindTangentPoint(s, sec);
    Label(s, kBlue, s.X_a(kTouch) + label_dx, s.Y_a(kTouch) + label_dy, "A");
    ExtendTangent(s, kTouch, kFar);
    Segment(s, kP, kFar, kBlack);
    Segment(s, kO, kTouch, kBlack);
}

}  // namespace vm::summit
