// Scenes 7 and 8: the radius of the semicircle touching three sides of the
// right trapezoid ABDC, and so AB, in two pupils' ways: by the theorem in the
// right triangle CED, and by the similar triangles AOC and BDO.
#include <cmath>
#include <string>

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/problems.h"
#include "lessons/applications2/trapezoid.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

using namespace trapezoid;

namespace {

// The lengths of these scenes: in purple, 20 px high.
constexpr ArcLook kPurpleLength{kPurple, kPurple, 20};

// Ticks across i -> j in colour 3, 15 px either side.
void Ticks3(State& s, int i, int j, float count) { Ticks(s, i, j, 15, kBlue, count, 8, 0); }

// A dot of radius 7 in colour c on the bisector of the angle at v between
// the rays to r1 and r2 (the angle inside the triangle), d px from v.
void AngleDot(State& s, int v, int r1, int r2, float d, int c) {
    Corner(s, v, r1, r2);
    s.ITI = -1;
    ComputeRayAngles(s);
    s.P.Dot(s.ZX0 + d * std::cos(s.HH5), s.ZY0 - d * std::sin(s.HH5), 7, c);
}

// ∠POD and ∠DOB, equal by the congruence of POD and BOD.
void DotsAtOD(State& s, int c) {
    AngleDot(s, kO, kP, kD, 50, c);
    AngleDot(s, kO, kD, kB, 50, c);
}

// The text column under the figure: its own cursor, kept apart from the
// working lines on the left.
struct Column {
    float left, x, y;
    // A new line 50 px below the last one.
    void Line(State& s, int c, const std::string& text) {
        y += 50;
        At(s, c, left, text);
    }
    void More(State& s, int c, const std::string& text) { At(s, c, x, text); }
    void At(State& s, int c, float at, const std::string& text) {
        Label(s, c, at, y, text);
        x = s.X;
    }
};

}  // namespace

void TangentTrapezoidByPythagoras(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 36, 30);
    Write(s, kBlue, 36, 30, "教科書P204 問3 みおりさんの考え  ");
    ComputeTangentTrapezoidPoints(s);
    DrawTangentTrapezoid(s);
    WaitForKey(s);

    Segment(s, kC, kE, kBlue);
    Label(s, kBlack, s.X_a(kE) + 6, s.Y_a(kE) - 19, "E");
    s.CCC1 = kBlack;
    RightAngle(s, kE, kC, kD, 30, kRed);
    WaitForKey(s);

    // CE = AB: one tick each, 28 px past the midpoint.
    Ticks(s, kA, kB, 12, kPurple, 1, 8, 20);
    Ticks(s, kC, kE, 12, kPurple, 1, 8, 20);
    WaitForKey(s);

    LengthArc(s, kD, kE, -1, 10, "9㎝", kPurpleLength);
    WaitForKey(s);

    // The tangents from a point are equal: CP = CA, DP = DB.
    LengthArc(s, kD, kP, 1, 10, "25㎝", kPurpleLength);
    LengthArc(s, kC, kP, -1, 10, "16㎝", kPurpleLength);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "AB^2+9^2=41^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "AB^2=41^2-9^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "   =(41+9)*(41-9)");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "   =50*32");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "   =25*64=(5*8)^2");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "AB>0 だから、");
    Continue(s, kBlack, "AB=");
    Continue(s, kRed, "40(cm)");
}

void TangentTrapezoidBySimilarity(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 36, 30);
    Write(s, kBlue, 36, 30, "教科書P204 問3 そうまさんの考え  ");
    ComputeTangentTrapezoidPoints(s);
    DrawTangentTrapezoid(s);
    WaitForKey(s);

    Segment(s, kO, kC, kBlack);
    Segment(s, kO, kP, kBlack);
    s.CCC1 = kBlack;
    RightAngle(s, kP, kC, kO, 30, kRed);
    WaitForKey(s);

    Ticks3(s, kC, kP, 1);
    Ticks3(s, kC, kA, 1);
    WaitForKey(s);

    Ticks3(s, kA, kO, 2);
    Ticks3(s, kP, kO, 2);
    WaitForKey(s);

    Ticks3(s, kC, kO, 3);
    WaitForKey(s);

    Column right{s.GX1, s.GX1, s.GY2 + 30};
    right.At(s, kPurple, right.left, "△AOC≡△POC");
    WaitForKey(s);

    AngleDot(s, kO, kA, kC, 50, kBlue);
    AngleDot(s, kO, kC, kP, 50, kBlue);
    AngleDot(s, kC, kP, kO, 40, kRed);
    AngleDot(s, kC, kO, kA, 40, kRed);
    WaitForKey(s);

    Segment(s, kO, kD, kBlack);
    s.CCC1 = kBlack;
    RightAngle(s, kP, kD, kO, 30, kRed);
    WaitForKey(s);

    DotsAtOD(s, kPurple);
    WaitForKey(s);

    right.Line(s, kBlue, "●●");
    right.More(s, kBlack, "+");
    right.More(s, kRed, "●●");
    right.More(s, kBlack, "=180%");
    WaitForKey(s);

    right.Line(s, kBlue, "●●");
    right.More(s, kBlack, "+");
    right.More(s, kPurple, "●●");
    right.More(s, kBlack, "=180%");
    WaitForKey(s);

    right.Line(s, kRed, "●●");
    right.More(s, kBlack, "=");
    right.More(s, kPurple, "●●");
    WaitForKey(s);

    // The pair at O in POD and BOD equals the pair at C: same colour now.
    DotsAtOD(s, kRed);
    WaitForKey(s);

    right.Line(s, kBlue, "△AOC∽△BDO");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "円Oの半径をrcmとすると");
    Write(s, kBlue, s.XI1, s.YI1 + 50, "△AOC∽△BDO ");
    Label(s, kBlack, s.XI2, s.YI1, "だから");
    LengthArc(s, kA, kO, 1, 10, "r㎝", kBlueLength);
    LengthArc(s, kO, kB, 1, 10, "r㎝", kBlueLength);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "r:16=");
    WaitForKey(s);

    Continue(s, kBlack, "25:r");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "r^2=16*25");
    NewLine(s, 60, kBlack, "r>0 だから、");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "r=");
    WaitForKey(s);

    Continue(s, kBlack, "!16*25ﾝ=");
    WaitForKey(s);

    Continue(s, kBlack, "4*5=");
    Continue(s, kBlue, "20");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "AB=");
    WaitForKey(s);

    Continue(s, kBlack, "2*20=");
    Continue(s, kRed, "40(cm)");
}

}  // namespace vm
