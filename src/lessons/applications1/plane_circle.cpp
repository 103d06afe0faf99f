#include "lessons/applications1/plane.h"

#include <cmath>
#include <string>

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

// Every length arc of the circle scenes: its label in blue over green dots.
constexpr ArcLook kCircleLength{kGreen, kBlue, 20};

// The chord figure: centre O (1) at grid (ox, oy) of a yoko by tate frame,
// the chord ends A (2) and B (3) on the lower half circle at the given
// directions, and H (4), the middle of AB.
void DrawChordFigure(State& s, const char* title, float yoko, float tate, float ox, float oy,
                     float deg_a, float deg_b) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 72, s.YI1, title);
    Frame(s, 660, 70, yoko, tate, 40);
    Put(s, 1, ox, oy);
    const float r1 = 7 * s.SIZE;
    Polar(s, 2, 1, r1, deg_a);
    Polar(s, 3, 1, r1, deg_b);
    s.X_a(4) = (s.X_a(2) + s.X_a(3)) / 2;
    s.Y_a(4) = (s.Y_a(2) + s.Y_a(3)) / 2;
    s.P.SetDrawWidth(5);
    // Only the lower half: the upper one would leave the screen.
    s.P.Circle(s.X_a(1), s.Y_a(1), r1, kBlack, 1, 0, 0.5f);
    Disc(s, 1, 4, kBlack);
    Label(s, kBlack, s.X_a(1) - 16, s.Y_a(1) - 46, "O");
    Segment(s, 2, 3, kBlack);
    Segment(s, 1, 2, kBlack);
    Segment(s, 1, 3, kBlack);
    Label(s, kBlack, s.X_a(2) - 40, s.Y_a(2) + 4, "A");
    Label(s, kBlack, s.X_a(3) + 10, s.Y_a(3) + 4, "B");
}

// The foot H of the perpendicular from O: OH, its letter and the right angle.
void DrawFoot(State& s) {
    Segment(s, 1, 4, kBlack);
    Label(s, kBlack, s.X_a(4) - 20, s.Y_a(4) + 8, "H");
}

// One tick on AH and one on HB: H halves the chord.
void MarkHalves(State& s) {
    Ticks(s, 2, 4, 10, kBlue, 1, 8, 0);
    Ticks(s, 4, 3, 10, kBlue, 1, 8, 0);
}

}  // namespace

void ChordLengthExample(State& s) {
    DrawChordFigure(s, "問　弦ABの長さを求めなさい。", 14, 9, 7, 7, 200, -20);
    LengthArc(s, 1, 2, 1, 5, "7cm", kCircleLength);
    WaitForKey(s);
    DrawFoot(s);
    LengthArc(s, 1, 4, -1, 15, "2cm", kCircleLength);
    RightAngle(s, 4, 1, 2, 30, kRed);
    WaitForKey(s);
    MarkHalves(s);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "AH=xcm　とすると");
    LengthArc(s, 2, 4, 1, 7, "xcm", kCircleLength);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "7^2=x^2+2^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=");
    WaitForKey(s);
    Continue(s, kBlack, "7^2-2^2=49-4=45");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "x>0 だから");
    NewLine(s, 60, kBlack, "x=!45ﾝ=");
    WaitForKey(s);
    Continue(s, kBlue, "3!5ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "したがって AB=");
    WaitForKey(s);
    Continue(s, kBlack, "2*3!5ﾝ=");
    Continue(s, kBlue, "6!5ﾝ");
    NewLine(s, 60, kRed, "答　6!5ﾝcm");
    WaitForKey(s);
    FixedLine(s, kBlack, "教科書P198 問9　をしなさい。");
}

void ChordProblemAnswer(State& s) {
    DrawChordFigure(s, "問9　解答", 12, 7, 6, 6, 225, -45);
    LengthArc(s, 1, 2, 1, 5, "6cm", kCircleLength);
    DrawFoot(s);
    LengthArc(s, 2, 4, 1, 8, "4cm", kCircleLength);
    RightAngle(s, 4, 1, 2, 30, kRed);
    MarkHalves(s);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "OH=xcm　とすると");
    LengthArc(s, 1, 4, -1, 7, "xcm", kCircleLength);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "6^2=x^2+4^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=");
    WaitForKey(s);
    Continue(s, kBlack, "6^2-4^2=36-16=20");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "x>0 だから");
    NewLine(s, 60, kBlack, "x=!20ﾝ=");
    WaitForKey(s);
    Continue(s, kBlue, "2!5ﾝ");
    NewLine(s, 60, kRed, "答　2!5ﾝcm");
    WaitForKey(s);
    FixedLine(s, kBlack, "教科書P198 問10　をしなさい。");
}

void TangentProblemAnswer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 72, s.YI1, "問10　解答");
    Frame(s, 660, 70, 12, 8, 40);
    // Q (0), the middle of AO, is the centre of the circle on AO as
    // diameter; the tangent points T (2) and T' (3) lie on it and on the
    // circle about O (1), at 60° and 300° around Q.
    Put(s, {{0, 5, 4}, {4, 1, 4}});
    const float r1 = 4 * s.SIZE;
    s.X_a(1) = s.X_a(0) + r1;
    s.Y_a(1) = s.Y_a(0);
    Polar(s, 2, 0, r1, 60);
    Polar(s, 3, 0, r1, 300);
    // The tangent lines run on a quarter of A->T beyond T (5) and T' (6).
    s.DX = (s.X_a(2) - s.X_a(4)) / 4;
    s.DY = std::fabs(s.Y_a(2) - s.Y_a(4)) / 4;
    s.X_a(5) = s.X_a(2) + s.DX;
    s.Y_a(5) = s.Y_a(2) - s.DY;
    s.DX = (s.X_a(3) - s.X_a(4)) / 4;
    s.DY = std::fabs(s.Y_a(3) - s.Y_a(4)) / 4;
    s.X_a(6) = s.X_a(3) + s.DX;
    s.Y_a(6) = s.Y_a(3) + s.DY;
    const float r2 = std::hypot(s.X_a(2) - s.X_a(1), s.Y_a(2) - s.Y_a(1));

    s.P.SetDrawWidth(5);
    s.P.Circle(s.X_a(1), s.Y_a(1), r2, kBlack);
    Disc(s, 1, 4, kBlack);
    Label(s, kBlack, s.X_a(1) + 8, s.Y_a(1) - 24, "O");
    Segment(s, 4, 5, kBlack);
    Segment(s, 4, 6, kBlack);
    Segment(s, 4, 1, kBlack);
    Segment(s, 1, 2, kBlack);
    Segment(s, 1, 3, kBlack);
    Label(s, kBlack, s.X_a(4) - 40, s.Y_a(4) - 24, "A");
    RightAngle(s, 2, 4, 1, 30, kRed);
    RightAngle(s, 3, 4, 1, 30, kRed);
    WaitForKey(s);

    LengthArc(s, 1, 2, 1, 5, "2cm", kCircleLength);
    LengthArc(s, 1, 4, -1, 3, "6cm", kCircleLength);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "接線の長さをxcm　とすると");
    LengthArc(s, 4, 2, -1, 4, "xcm", kCircleLength);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "6^2=x^2+2^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=");
    WaitForKey(s);
    Continue(s, kBlack, "6^2-2^2=36-4=32");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "x>0 だから");
    NewLine(s, 60, kBlack, "x=!32ﾝ=");
    WaitForKey(s);
    Continue(s, kBlue, "4!2ﾝ");
    NewLine(s, 60, kRed, "答　4!2ﾝcm");
}

}  // namespace vm
