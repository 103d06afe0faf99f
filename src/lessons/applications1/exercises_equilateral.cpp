// ② 問4: the height and the area of an equilateral triangle of side a.
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/applications1/equilateral.h"
#include "lessons/applications1/exercises.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace equilateral;

namespace {

// A line whose parentheses are drawn large around a stacked fraction.
void Bracketed(State& s, const std::string& text) {
    s.KAKKO = 1;
    Continue(s, kBlack, text);
}

}  // namespace

void EquilateralTriangleAreaProblem(State& s) {
    OpenExercise(s, "問4 解答", 792, 90, 8, 8);
    EquilateralAltitude(s, "a", "ﾀa/2ﾀ");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "AD=hとすると");
    LengthArc(s, kA, kD, -1, 5, "h", kBlueLength);

    WaitForKey(s);
    NewLine(s, 60, kBlack, "a^2=");
    WaitForKey(s);
    Bracketed(s, "(ﾀa/2ﾀ)\\2+h^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "h^2=");
    WaitForKey(s);
    Bracketed(s, "a^2-(ﾀa/2ﾀ)\\2=");
    WaitForKey(s);
    Continue(s, kBlack, "a^2-ﾀa^2/4ﾀ=ﾀ3/4ﾀa^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "h>0,a>0 だから ");
    WaitForKey(s);
    Continue(s, kBlack, "h=");
    WaitForKey(s);
    Continue(s, kBlue, "ﾀ!3ﾝ/2ﾀa");
    WaitForKey(s);
    NewLine(s, 100, kBlack, "面積 S=ﾀ1/2ﾀ*a*ﾀ!3ﾝ/2ﾀa=");
    WaitForKey(s);
    Continue(s, kBlue, "ﾀ!3ﾝ/4ﾀa^2");
    FixedLine(s, kPurple, "教科書P196 問5　をしなさい。");
}

}  // namespace vm
