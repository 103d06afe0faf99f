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

namespace vm {

using namespace trapezoid;

namespace {

// A length in colour 7, 20 px high, a dot every 10 degrees.
void Length(State& s, int i, int j, float side, const char* label) {
    DimensionArc(s, i, j, side, 20, label, 7, 7, 10);
}

// Ticks across i -> j in colour 3, 15 px either side.
void Ticks3(State& s, int i, int j, float count) { Ticks(s, i, j, 15, 3, count, 8, 0); }

// A dot of radius 7 in colour c on the bisector of the angle at v between
// the rays to r1 and r2 (the angle inside the triangle), d px from v.
void AngleDot(State& s, int v, int r1, int r2, float d, int c) {
    s.ZX0 = s.X_a(v);
    s.ZY0 = s.Y_a(v);
    s.ZX1 = s.X_a(r1);
    s.ZY1 = s.Y_a(r1);
    s.ZX2 = s.X_a(r2);
    s.ZY2 = s.Y_a(r2);
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
        Label(s, static_cast<float>(c), at, y, text);
        x = s.X;
    }
};

}  // namespace

void TangentTrapezoidByPythagoras(State& s) {
    ClearScreen(s);
    s.XI1 = 36;
    s.YI1 = 30;
    Write(s, 3, 36, 30, "教科書P204 問3 みおりさんの考え  ");
    ComputeTangentTrapezoidPoints(s);
    DrawTangentTrapezoid(s);
    WaitForKey(s);

    Segment(s, kC, kE, 3);
    Label(s, 0, s.X_a(kE) + 6, s.Y_a(kE) - 19, "E");
    s.CCC1 = 0;
    RightAngle(s, kE, kC, kD, 30, 5);
    WaitForKey(s);

    // CE = AB: one tick each, 28 px past the midpoint.
    Ticks(s, kA, kB, 12, 7, 1, 8, 20);
    Ticks(s, kC, kE, 12, 7, 1, 8, 20);
    WaitForKey(s);

    Length(s, kD, kE, -1, "9㎝");
    WaitForKey(s);

    // The tangents from a point are equal: CP = CA, DP = DB.
    Length(s, kD, kP, 1, "25㎝");
    Length(s, kC, kP, -1, "16㎝");
    WaitForKey(s);

    NewLine(s, 60, 0, "AB^2+9^2=41^2");
    WaitForKey(s);

    NewLine(s, 60, 0, "AB^2=41^2-9^2");
    WaitForKey(s);

    NewLine(s, 60, 0, "   =(41+9)*(41-9)");
    WaitForKey(s);

    NewLine(s, 60, 0, "   =50*32");
    WaitForKey(s);

    NewLine(s, 60, 0, "   =25*64=(5*8)^2");
    WaitForKey(s);

    NewLine(s, 60, 0, "AB>0 だから、");
    Continue(s, 0, "AB=");
    Continue(s, 5, "40(cm)");
}

void TangentTrapezoidBySimilarity(State& s) {
    ClearScreen(s);
    s.XI1 = 36;
    s.YI1 = 30;
    Write(s, 3, 36, 30, "教科書P204 問3 そうまさんの考え  ");
    ComputeTangentTrapezoidPoints(s);
    DrawTangentTrapezoid(s);
    WaitForKey(s);

    Segment(s, kO, kC, 0);
    Segment(s, kO, kP, 0);
    s.CCC1 = 0;
    RightAngle(s, kP, kC, kO, 30, 5);
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
    right.At(s, 7, right.left, "△AOC≡△POC");
    WaitForKey(s);

    AngleDot(s, kO, kA, kC, 50, 3);
    AngleDot(s, kO, kC, kP, 50, 3);
    AngleDot(s, kC, kP, kO, 40, 5);
    AngleDot(s, kC, kO, kA, 40, 5);
    WaitForKey(s);

    Segment(s, kO, kD, 0);
    s.CCC1 = 0;
    RightAngle(s, kP, kD, kO, 30, 5);
    WaitForKey(s);

    DotsAtOD(s, 7);
    WaitForKey(s);

    right.Line(s, 3, "●●");
    right.More(s, 0, "+");
    right.More(s, 5, "●●");
    right.More(s, 0, "=180%");
    WaitForKey(s);

    right.Line(s, 3, "●●");
    right.More(s, 0, "+");
    right.More(s, 7, "●●");
    right.More(s, 0, "=180%");
    WaitForKey(s);

    right.Line(s, 5, "●●");
    right.More(s, 0, "=");
    right.More(s, 7, "●●");
    WaitForKey(s);

    // The pair at O in POD and BOD equals the pair at C: same colour now.
    DotsAtOD(s, 5);
    WaitForKey(s);

    right.Line(s, 3, "△AOC∽△BDO");
    WaitForKey(s);

    NewLine(s, 60, 0, "円Oの半径をrcmとすると");
    Write(s, 3, s.XI1, s.YI1 + 50, "△AOC∽△BDO ");
    Label(s, 0, s.XI2, s.YI1, "だから");
    DimensionArc(s, kA, kO, 1, 20, "r㎝", 3, 3, 10);
    DimensionArc(s, kO, kB, 1, 20, "r㎝", 3, 3, 10);
    WaitForKey(s);

    NewLine(s, 60, 0, "r:16=");
    WaitForKey(s);

    Continue(s, 0, "25:r");
    WaitForKey(s);

    NewLine(s, 60, 0, "r^2=16*25");
    NewLine(s, 60, 0, "r>0 だから、");
    WaitForKey(s);

    NewLine(s, 60, 0, "r=");
    WaitForKey(s);

    Continue(s, 0, "!16*25ﾝ=");
    WaitForKey(s);

    Continue(s, 0, "4*5=");
    Continue(s, 3, "20");
    WaitForKey(s);

    NewLine(s, 60, 0, "AB=");
    WaitForKey(s);

    Continue(s, 0, "2*20=");
    Continue(s, 5, "40(cm)");
}

}  // namespace vm
