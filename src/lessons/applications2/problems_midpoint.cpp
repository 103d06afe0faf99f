// Scene 6: a rectangle 4 by 6 folded so that D falls on M, the midpoint of
// BC; the fold EF. CF from (4-x)^2 = 3^2 + x^2.
#include "frame/frame.h"
#include "lessons/applications2/problems.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4, kM = 5, kF = 6, kE = 7;

// One tick across i -> j, in colour 7.
void Tick(State& s, int i, int j) { Ticks(s, i, j, 12, kPurple, 1, 8, 0); }

void LetterM(State& s) { Label(s, kBlack, s.X_a(kM) - 19, s.Y_a(kM) + 8, "M"); }

}  // namespace

void FoldToMidpointProblem(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 72, s.YI1, "問2解答");
    Frame(s, 720, 90, 8, 6, 60);
    s.P.SetDrawWidth(5);
    // Typed from B = (1, 1): CF = 7/8, and E on the perpendicular bisector of
    // DM, 7/6 short of 3 right of A, so the fold is drawn to scale.
    Put(s, {{kA, 1, 5}, {kB, 1, 1}, {kC, 1 + 6, 1}, {kD, 1 + 6, 5},
            {kM, 1 + 3, 1}, {kF, 1 + 6, 1 + 0.875f}, {kE, 1 + 3 - 7.0f / 6, 5}});
    Polygon(s, {kA, kB, kC, kD}, "A");
    Tick(s, kB, kM);
    Tick(s, kM, kC);
    Disc(s, kM, 7, kBlue);
    LetterM(s);
    WaitForKey(s);

    // Folded: the title stays.
    s.P.FillBox(0, s.GGY, 1760, s.GGY + 1800, kBackground, kBackground);
    s.X_sa(1) = "A";
    s.X_sa(2) = "B";
    s.X_sa(3) = "C";
    s.X_sa(4) = "";
    s.X_sa(5) = "";
    Polygon(s, {kA, kB, kC, kF, kE}, "1");
    Label(s, kBlack, s.X_a(kD) + 6, s.Y_a(kD) - 30, "D");
    Label(s, kBlack, s.X_a(kF) + 6, s.Y_a(kF) - 48, "F");
    Label(s, kBlack, s.X_a(kE) - 19, s.Y_a(kE) - 48, "E");
    LetterM(s);
    Segment(s, kM, kE, kBlack);
    Segment(s, kM, kF, kBlack);
    LengthArc(s, kD, kE, -1, 7, "", {kBlack, kBlack, 0});
    LengthArc(s, kD, kF, -1, 7, "", {kBlack, kBlack, 0});
    WaitForKey(s);

    Tick(s, kD, kF);
    Tick(s, kM, kF);
    WaitForKey(s);

    LengthArc(s, kB, kC, 1, 3, "6cm", {kGreen, kBlack, 50});
    LengthArc(s, kA, kB, 1, 5, "4cm", {kGreen, kBlack, 20});
    WaitForKey(s);

    NewLine(s, 50, kBlack, "CF=xcmとすると");
    LengthArc(s, kC, kF, 1, 18, "x", kBlueLength);
    WaitForKey(s);

    LengthArc(s, kD, kF, -1, 5, "4-x", kBlueLength);
    WaitForKey(s);

    LengthArc(s, kM, kF, -1, 5, "4-x", kBlueLength);
    LengthArc(s, kM, kC, 1, 9, "3cm", kBlueLength);
    RightAngle(s, kC, kB, kD, 30, kRed);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "(4-x)^2=");
    WaitForKey(s);

    Continue(s, kBlack, "3^2+x^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "16-8x+x^2=9+x^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "-8x+x^2-x^2=9-16");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "-8x=-7");
    WaitForKey(s);

    NewLine(s, 80, kBlack, "x=");
    WaitForKey(s);

    Continue(s, kBlue, "ﾀ7/8ﾀ");
    WaitForKey(s);

    NewLine(s, 60, kRed, "答 CF=ﾀ7/8ﾀcm");
    FixedLine(s, kBlack, "教科書P204 問3　をしなさい。");
}

}  // namespace vm
