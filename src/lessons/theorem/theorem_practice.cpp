// Scene ④ of the theorem lesson: four find-x problems on a right triangle
// drawn to scale. (1) and (3) scale the triples (3, 4, 5) and (5, 12, 13);
// (2) and (4) take small whole legs and have roots for answers. Problems
// (1) and (3) work in the left half of the screen, (2) and (4) in the right.
#include <string>
#include <utility>

#include "frame/frame.h"
#include "lessons/common/drill.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/theorem/steps.h"
#include "lessons/theorem/theorem_lesson.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace theorem;

namespace {

constexpr float kLeft = 0, kRight = 650;

// The half of the screen a problem works in, below the heading. The two
// boxes overlap between x 650 and 700.
void ClearHalf(State& s, float x) {
    s.P.FillBox(x, 80, x + 700, 80 + 1800, kBackground, kBackground);
}

// The triangle with its right angle at the bottom right: the vertical leg
// (points 3 to 1) three units long, the horizontal one (2 to 3) `across`
// units, each side marked with its length; the problem's number at point 5.
struct Figure {
    float ggx;
    float across;
    float number_x;
    std::string number, hypotenuse, horizontal, vertical;
};

void DrawFigure(State& s, const Figure& f) {
    Frame(s, f.ggx, 90, 10, 4, 50);
    s.P.SetDrawWidth(5);
    Put(s, {{3, 9, 1}, {1, 9, 4}, {2, 9 - f.across, 1}, {5, f.number_x, 4}});
    Polygon(s, {1, 2, 3}, "", kBlack, kBlack);
    RightAngle(s, 3, 1, 2, 25, kRed);
    LengthArc(s, 1, 2, 1, 5, f.hypotenuse, kBlueDotsBlackLabel);
    LengthArc(s, 2, 3, 1, 8, f.horizontal, kBlueDotsBlackLabel);
    LengthArc(s, 3, 1, 1, 9, f.vertical, kBlueDotsBlackLabel);
    Write(s, kBlack, s.X_a(5), s.Y_a(5), f.number);
}

// The working starts under the frame, at the problem's margin.
void StartWorking(State& s, float xi1) {
    PlaceCursor(s, xi1, s.GY2);
}

// Case 1 to 5 of problems (1) and (3), kept as the last case, then its
// triple scaled into T(1) to T(3): the legs and the hypotenuse.
void ChooseTriple(State& s) {
    s.P1 = TheoremCase(RandInt(s, 5, 1), s.FMAESU);
    s.FMAESU = s.P1;
    if (s.P1 > 3) {
        s.T_a(1) = 5, s.T_a(2) = 12, s.T_a(3) = 13;
        s.P1 -= 3;
    } else {
        s.T_a(1) = 3, s.T_a(2) = 4, s.T_a(3) = 5;
    }
    for (int jj = 1; jj <= 3; ++jj) s.T_a(jj) *= s.P1;
}

std::string T(State& s, int i) { return s.T_sa(i); }
std::string F(State& s, int i) { return s.F_sa(i); }

void ProblemOne(State& s) {
    ClearHalf(s, kLeft);
    ChooseTriple(s);
    s.T_a(4) = s.T_a(1) * s.T_a(1);
    s.T_a(5) = s.T_a(2) * s.T_a(2);
    s.T_a(6) = s.T_a(4) + s.T_a(5);
    FormatNumberTables(s);
    DrawFigure(s, {72, 3 * s.T_a(2) / s.T_a(1), 0, "(1)", "xcm", T(s, 2) + "cm", T(s, 1) + "cm"});
    WaitForKey(s);
    StartWorking(s, 72);
    NewLine(s, 60, kBlack, "x^2=" + T(s, 1) + "^2+" + T(s, 2) + "^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "  =" + T(s, 4) + "+" + T(s, 5) + "=" + T(s, 6));
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x>0 だから x=!" + T(s, 6) + "ﾝ=");
    Continue(s, kRed, T(s, 3));
}

void ProblemTwo(State& s) {
    ClearHalf(s, kRight);
    s.F_a(1) = RandInt(s, 4, 2);
    s.F_a(2) = RandInt(s, 4, 4);
    if (s.F_a(1) == 2 && s.F_a(2) == 7) s.F_a(2) = 5;  // keeps B inside the frame
    if (s.F_a(2) < s.F_a(1)) std::swap(s.F_a(1), s.F_a(2));
    s.F_a(4) = s.F_a(1) * s.F_a(1);
    s.F_a(5) = s.F_a(2) * s.F_a(2);
    s.F_a(6) = s.F_a(4) + s.F_a(5);
    const std::string answer = TheoremRootAnswer(s);
    DrawFigure(s,
               {650, 3 * s.F_a(2) / s.F_a(1), 1.5f, "(2)", "xcm", F(s, 2) + "cm", F(s, 1) + "cm"});
    WaitForKey(s);
    StartWorking(s, 750);
    NewLine(s, 60, kBlack, "x^2=" + F(s, 1) + "^2+" + F(s, 2) + "^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "  =" + F(s, 4) + "+" + F(s, 5) + "=" + F(s, 6));
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x>0 だから ");
    NewLine(s, 60, kBlack, "x=");
    Continue(s, kRed, answer);
}

void ProblemThree(State& s) {
    ClearHalf(s, kLeft);
    ChooseTriple(s);
    s.T_a(4) = s.T_a(3) * s.T_a(3);
    s.T_a(5) = s.T_a(2) * s.T_a(2);
    s.T_a(6) = s.T_a(4) - s.T_a(5);
    FormatNumberTables(s);
    DrawFigure(s, {72, 3 * s.T_a(2) / s.T_a(1), 0, "(3)", T(s, 3) + "cm", T(s, 2) + "cm", "xcm"});
    WaitForKey(s);
    StartWorking(s, 72);
    NewLine(s, 60, kBlack, T(s, 3) + "^2=x^2+" + T(s, 2) + "^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=" + T(s, 4) + "-" + T(s, 5) + "=" + T(s, 6));
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x>0 だから x=!" + T(s, 6) + "ﾝ=");
    Continue(s, kRed, T(s, 1));
}

void ProblemFour(State& s) {
    ClearHalf(s, kRight);
    s.F_a(3) = RandInt(s, 5, 5);
    s.F_a(2) = s.F_a(3) - RandInt(s, 3, 1);
    s.F_a(4) = s.F_a(3) * s.F_a(3);
    s.F_a(5) = s.F_a(2) * s.F_a(2);
    s.F_a(6) = s.F_a(4) - s.F_a(5);
    s.F_a(1) = Sqr(s.F_a(6));  // not whole: it only places B
    const std::string answer = TheoremRootAnswer(s);
    DrawFigure(s,
               {650, 3 * s.F_a(2) / s.F_a(1), 1.5f, "(4)", F(s, 3) + "cm", F(s, 2) + "cm", "xcm"});
    WaitForKey(s);
    StartWorking(s, 750);
    NewLine(s, 60, kBlack, F(s, 3) + "^2=x^2+" + F(s, 2) + "^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=" + F(s, 4) + "-" + F(s, 5) + "=" + F(s, 6));
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x>0 だから ");
    NewLine(s, 60, kBlack, "x=");
    Continue(s, kRed, answer);
}

}  // namespace

float TheoremCase(float drawn, float previous) {
    if (drawn != previous) return drawn;
    return drawn > 1 ? 1 : 2;
}

std::string TheoremRootAnswer(State& s) {
    SimplifyInto(s, 6, 7, 8);
    FormatNumberTables(s);
    const std::string root = "!" + s.F_sa(6) + "ﾝ";
    const std::string simplified = SimplifiedRoot(s, 7, 8);
    return s.F_a(8) == s.F_a(6) ? root : root + "=" + simplified;
}

void RunTheoremPractice(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlack, s.XI1, s.YI1, "問　xの値を求めなさい。");
    Drill(s, ProblemOne);
    Drill(s, ProblemTwo);
    Drill(s, ProblemThree);
    Drill(s, ProblemFour);
    FixedLine(s, kPurple, "教科書P189 問1　をしなさい。");
}

}  // namespace vm
