// Scene ③ of the converse lesson: below the given triangle ABC a right
// triangle DEF with the same legs, then the whole argument with five empty
// boxes, filled one per key.
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/theorem/converse_lesson.h"
#include "lessons/theorem/steps.h"
#include "platform/colours.h"

namespace vm {

using namespace theorem;

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4, kE = 5, kF = 6;
constexpr float kWidths[] = {180, 108, 72, 180, 180};

void Box(State& s, int k) { EmptyBox(s, k, kWidths[k - 1], 50); }
void Fill(State& s, int k, const char* answer) { FillInBox(s, k, kWidths[k - 1], 50, answer); }

}  // namespace

void ShowConverseProof(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "a^2+b^2=c^2 ならば ∠C=90°");
    Write(s, kBlack, s.XI1, s.YI1 + 50, "     <証明>");
    Frame(s, 900, 60, 6, 10, 55);
    s.P.SetDrawWidth(5);
    // ABC, and DEF the same triangle 5 units lower.
    Put(s, {{kA, 5, 9}, {kB, 1, 6}, {kC, 5, 6}, {kD, 5, 4}, {kE, 1, 1}, {kF, 5, 1}});
    Polygon(s, {kA, kB, kC}, "A", kBlue, kBlue);
    LengthArc(s, kA, kB, 1, 3, "c", kBlackLength);
    LengthArc(s, kB, kC, 1, 4, "a", kBlackLength);
    LengthArc(s, kC, kA, 1, 5, "b", kBlackLength);
    WaitForKey(s);

    Polygon(s, {kD, kE, kF}, "D", kBlue, kBlue);
    LengthArc(s, kE, kF, 1, 4, "a", kBlackLength);
    LengthArc(s, kF, kD, 1, 5, "b", kBlackLength);
    RightAngle(s, kF, kD, kE, 25, kRed);
    WaitForKey(s);

    LengthArc(s, kD, kE, 1, 3, "x", {kPurple, kBlack, 20});
    NewLine(s, 50, kBlack, "DE=x とすると、三平方の定理から");
    NewLine(s, 60, kBlack, "x^2=");
    Box(s, 1);
    NewLine(s, 60, kBlack, "仮定から a^2+b^2=c^2 だから、x^2=");
    Box(s, 2);
    NewLine(s, 60, kBlack, "x>0,c>0だから、x=");
    Box(s, 3);
    // A line that starts with its box.
    s.YI1 += 60;
    s.XI2 = s.XI1;
    Box(s, 4);
    Write(s, kBlack, s.XI2 + 10, s.YI1, "がそれぞれ等しいので");
    NewLine(s, 60, kBlack, "△ABC≡△DEF");
    NewLine(s, 60, kBlack, "したがって、∠C=");
    Box(s, 5);
    WaitForKey(s);

    Fill(s, 1, "a^2+b^2");
    WaitForKey(s);
    Fill(s, 2, "c^2");
    WaitForKey(s);
    Fill(s, 3, "c");
    WaitForKey(s);
    Fill(s, 4, "3組の辺");
    WaitForKey(s);
    Fill(s, 5, "∠F=90°");
}

}  // namespace vm
