// Scene ①: eight cords from a point 6 m above the middle of a round flower
// bed of diameter 8 m down to its rim; one cord by the theorem, then all.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

// B and the far end of the bed's diameter, the apex A, the centre O, the
// current rim point, and the ends of the "8m" and "6m" dimension lines.
constexpr int kB = 1, kEnd = 2, kA = 3, kO = 4, kRim = 7;
constexpr int kWideFrom = 11, kWideTo = 12, kHighFrom = 13, kHighTo = 14;

// Lines of this scene start at the margin XI0.
void Line(State& s, float d, int c, const std::string& text) {
    Write(s, c, s.XI0, s.YI1 + d, text);
}

// Double-headed arrow from point i to point j in colour 3.
void Arrow(State& s, int i, int j) {
    s.ZX0 = s.X_a(i);
    s.ZY0 = s.Y_a(i);
    s.ZX = s.X_a(j);
    s.ZY = s.Y_a(j);
    s.MUKI = -1;
    s.YA = 2;
    s.CCC2 = kBlue;
    s.NAGASA = 16;
    DrawArrow(s);
}

}  // namespace

void SpecialTrianglesSceneFlowerBed(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.YI1 = 30;
    s.P.SetDrawWidth(5);
    Write(s, kPurple, s.XI0, s.YI1, "P193Q ");
    Continue(s, kBlack, "円形の花だんを囲む");

    Frame(s, 680, s.YI1 + 80, 10, 9, 50);
    // One metre is one grid unit.
    Put(s, {{kB, 1, 2}, {kEnd, 9, 2}, {kA, 5, 8}, {kO, 5, 2}});
    Put(s, {{kWideFrom, 1, 1}, {kWideTo, 9, 1}, {kHighFrom, 9, 2}, {kHighTo, 9, 8}});
    const float r1 = 4 * s.SIZE;
    // The bed seen at a slant: its depth is an eighth of its width.
    s.P.Sector(s.X_a(kO), s.Y_a(kO), r1, kBlack, kAmber, 0.125f);
    WaitForKey(s);

    Continue(s, kBlack, "8本の棒に、イルミネーションを取りつけます。");
    s.KAKUDO = 35;
    for (int cord = 1; cord <= 8; ++cord) {
        s.KAKUDO += 45;
        // The arc-point routine overwrites the second end: set both each time.
        s.ZX0 = s.X_a(kB);
        s.ZY0 = s.Y_a(kB);
        s.ZX1 = s.X_a(kEnd);
        s.ZY1 = s.Y_a(kEnd);
        s.TAKASA = 4 * s.SIZE / 8;
        ComputeArcPoint(s);
        s.X_a(kRim) = s.ZX;
        s.Y_a(kRim) = s.ZY;
        Segment(s, kA, kRim, kBlack);
    }
    WaitForKey(s);

    Line(s, 50, kBlue, "コードの長さはどれくらい必要？");
    WaitForKey(s);

    LengthArc(s, kWideFrom, kWideTo, 1, 10, "8m", {kBlue, kBlue, 0});
    s.P.SetDrawWidth(5);
    Arrow(s, kWideFrom, kWideTo);
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    LengthArc(s, kHighFrom, kHighTo, 1, 10, "6m", {kBlue, kBlue, 0});
    s.P.SetDrawWidth(5);
    Arrow(s, kHighFrom, kHighTo);
    WaitForKey(s);

    Line(s, 50, kPurple, "コード1本分の長さは?");
    WaitForKey(s);

    s.P.SetDrawWidth(10);
    Outline(s, {kA, kB, kO}, kPurple);
    Label(s, kBlack, s.X_a(kA) - 14, s.Y_a(kA) - 50, "A");
    Label(s, kBlack, s.X_a(kB) - 40, s.Y_a(kB) - 25, "B");
    Label(s, kBlack, s.X_a(kO) + 8, s.Y_a(kO) - 20, "O");
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    RightAngle(s, kO, kB, kA, 40, kBlue);
    WaitForKey(s);

    Continue(s, kBlue, " 線分ABの長さ");
    WaitForKey(s);

    Line(s, 50, kBlack, "AB=xm とすると");
    LengthArc(s, kB, kA, -1, 10, "xm", {kPurple, kRed, 0});
    WaitForKey(s);

    Line(s, 50, kBlack, "AO=6m,BO=4m だから");
    LengthArc(s, kA, kO, -1, 10, "6m", {kPurple, kRed, 0});
    LengthArc(s, kB, kO, 1, 10, "4m", {kPurple, kRed, 0});
    WaitForKey(s);

    Line(s, 60, kBlack, "x^2=6^2+4^2");
    WaitForKey(s);
    Continue(s, kBlack, "=36+16");
    WaitForKey(s);
    Continue(s, kBlack, "=52");
    WaitForKey(s);

    Line(s, 60, kBlack, "x>0 だから ");
    WaitForKey(s);
    Continue(s, kRed, "x=");
    WaitForKey(s);
    Continue(s, kBlack, "!52ﾝ=");
    WaitForKey(s);
    Continue(s, kRed, "2!13ﾝ(m)");
    WaitForKey(s);

    Line(s, 80, kPurple, "教科書P194 問1をやろう。");
    WaitForKey(s);

    Line(s, 60, kBlack, "8*2!13ﾝ");
    WaitForKey(s);
    Continue(s, kBlack, "=16!13ﾝ");
    WaitForKey(s);
    Continue(s, kBlack, "=16*3.6");
    WaitForKey(s);
    Continue(s, kBlack, "=57.6");
    WaitForKey(s);

    Line(s, 60, kRed, "答　約57.6m");
}

}  // namespace vm
