// Scenes ① and ④ of the converse lesson: a triangle with whole sides BC and
// CA whose third side AB is right for a right angle at C, or misses it by 1
// or 2 under the root; the angle at C is drawn off by as many degrees.
#include "frame/frame.h"
#include "lessons/common/drill.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/theorem/converse_lesson.h"
#include "lessons/theorem/steps.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace theorem;

namespace {

std::string F(State& s, int i) { return s.F_sa(i); }

// Everything below the question.
void ClearBelowQuestion(State& s) { s.P.FillBox(0, 80, 2250, 80 + 1800, kBackground, kBackground); }

// Point i typed in grid units from the origin (ox, oy) of a frame set up
// before, in pixels.
void PutFrom(State& s, int i, float ox, float oy, float gx, float gy) {
    s.X_a(i) = ox + s.SIZE * gx;
    s.Y_a(i) = oy - s.SIZE * gy;
}

// C at (9, 1) of the frame at (ox, oy), B to its left with BC : CA = a : b,
// A 150 px from C at 90 + d degrees: the angle at C is drawn 90 - d.
void PlaceABC(State& s, float ox, float oy) {
    PutFrom(s, 3, ox, oy, 9, 1);
    PutFrom(s, 2, ox, oy, 9 - 3 * s.F_a(1) / s.F_a(2), 1);
    Polar(s, 1, 3, 3 * s.SIZE, 90 + s.T_a(1));
}

void DrawABC(State& s) {
    Polygon(s, {1, 2, 3}, "A", kBlack, kBlue);
    LengthArc(s, 1, 2, 1, 5, F(s, 3) + "cm", kBlueDotsBlackLabel);
    LengthArc(s, 2, 3, 1, 8, F(s, 1) + "cm", kBlueDotsBlackLabel);
    LengthArc(s, 3, 1, 1, 9, F(s, 2) + "cm", kBlueDotsBlackLabel);
}

// One pair of scene ①: ABC on the left, the right triangle DEF with the
// same legs on the right (DE unlabelled), the verdict after a key.
void CongruencePair(State& s) {
    ClearBelowQuestion(s);
    ChooseConverseProblem(s);
    s.P.SetDrawWidth(5);
    PlaceABC(s, s.X_a(0), s.Y_a(0));
    DrawABC(s);

    const float ox = s.X_a(10), oy = s.Y_a(10);
    PutFrom(s, 1, ox, oy, 9, 4);
    PutFrom(s, 2, ox, oy, 9 - 3 * s.F_a(1) / s.F_a(2), 1);
    PutFrom(s, 3, ox, oy, 9, 1);
    PutFrom(s, 5, ox, oy, 0, 4);
    Polygon(s, {1, 2, 3}, "D", kBlack, kBlue);
    RightAngle(s, 3, 1, 2, 25, kRed);
    LengthArc(s, 2, 3, 1, 8, F(s, 1) + "cm", kBlueDotsBlackLabel);
    LengthArc(s, 3, 1, 1, 9, F(s, 2) + "cm", kBlueDotsBlackLabel);
    WaitForKey(s);

    Write(s, kRed, s.X_a(5), s.Y_a(5), s.T_a(2) == 1 ? "合同である" : "合同ではない");
}

// One triangle of scene ④, its verdict and the comparison of AB^2 with
// the squares of the two shorter sides.
void NearRightTriangle(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlack, s.XI1, s.YI1, "問　△ABCは直角三角形ですか。");
    ClearBelowQuestion(s);
    ChooseConverseProblem(s);
    Frame(s, 72, 90, 10, 5, 50);
    s.P.SetDrawWidth(5);
    PlaceABC(s, s.GX0, s.GY0);
    DrawABC(s);
    WaitForKey(s);

    PlaceCursor(s, 684, 90);
    Write(s, kRed, s.XI1, s.YI1, s.T_a(2) == 1 ? "直角三角形である" : "直角三角形ではない");
    WaitForKey(s);
    NewLine(s, 60, kBlack, " " + F(s, 1) + "^2+" + F(s, 2) + "^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "=" + F(s, 4) + "+" + F(s, 5) + "=");
    Continue(s, kRed, F(s, 16));
    WaitForKey(s);
    NewLine(s, 60, kBlack, "(" + F(s, 3) + ")^2=");
    Continue(s, kRed, F(s, 6));
    WaitForKey(s);
    NewLine(s, 60, kBlack, F(s, 1) + "^2+" + F(s, 2) + "^2");
    Continue(s, kBlack, s.T_a(2) == 1 ? "=" : "≠");
    Continue(s, kBlack, "(" + F(s, 3) + ")^2");
}

}  // namespace

float ConverseCase(State& s, float drawn) {
    if (drawn == s.FMAESU) return drawn + 1;
    s.FMAESU = drawn;
    return drawn;
}

std::string ConverseRoot(State& s, int value, int factor, int radicand) {
    const std::string simplified = SimplifiedRoot(s, factor, radicand);
    return s.F_a(value) == s.F_a(radicand) ? "!" + s.F_sa(value) + "ﾝ" : simplified;
}

void ChooseConverseProblem(State& s) {
    s.T_a(1) = ConverseCase(s, RandInt(s, 9, 1));
    if (s.T_a(1) >= 5) {
        s.T_a(1) = 0;
        s.T_a(2) = 1;
    } else {
        s.T_a(2) = 0;
        if (s.T_a(1) == 3) s.T_a(1) = -1;
        if (s.T_a(1) == 4) s.T_a(1) = -2;
    }
    s.F_a(1) = RandInt(s, 14, 15);  // the ratio BC : CA in tenths first
    s.F_a(2) = RandInt(s, 5, 2);
    s.F_a(1) = Int(s.F_a(2) * s.F_a(1) / 10);
    s.F_a(4) = s.F_a(1) * s.F_a(1);
    s.F_a(5) = s.F_a(2) * s.F_a(2);
    s.F_a(16) = s.F_a(4) + s.F_a(5);
    s.F_a(6) = s.F_a(16) + s.T_a(1);
    SimplifyInto(s, 6, 7, 8);
    SimplifyInto(s, 16, 17, 18);
    FormatNumberTables(s);
    s.F_sa(3) = ConverseRoot(s, 6, 7, 8);
    s.F_sa(13) = ConverseRoot(s, 16, 17, 18);
}

void RunCongruenceTask(State& s) {
    // Two frames side by side, kept by their origins.
    Frame(s, 72, 90, 10, 5, 50);
    s.X_a(0) = s.GX0;
    s.Y_a(0) = s.GY0;
    Frame(s, 650, 90, 10, 5, 50);
    s.X_a(10) = s.GX0;
    s.Y_a(10) = s.GY0;
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlack, s.XI1, s.YI1, "問　△ABCと△DEFは合同ですか。");
    Drill(s, CongruencePair);

    PlaceCursor(s, 72, s.GY2);
    NewLine(s, 60, kBlack, "DE^2=" + F(s, 1) + "^2+" + F(s, 2) + "^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "  =" + F(s, 4) + "+" + F(s, 5) + "=" + F(s, 16));
    WaitForKey(s);
    NewLine(s, 60, kBlack, "DE>0 だから DE=");
    Continue(s, kRed, F(s, 13));
}

void RunConversePractice(State& s) {
    Drill(s, NearRightTriangle);
    FixedLine(s, kPurple, "教科書P191 問1　をしなさい。");
}

}  // namespace vm
