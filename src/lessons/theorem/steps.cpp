#include "lessons/theorem/steps.h"

#include "figures/figures.h"
#include "formula/formula.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm::theorem {

namespace {

const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨"};

}  // namespace

void EmptyBox(State& s, int k, float width, float height) {
    s.T_a(k) = s.XI2 + 10;
    s.F_a(k) = s.YI1;
    FramedText(s, kRed, kBlue, kAmber, s.T_a(k), s.F_a(k), width, height, kCircled[k - 1]);
    s.YI1 = s.Y;
    s.XI2 = s.X;
}

void FillInBox(State& s, int k, float width, float height, const std::string& answer) {
    FramedText(s, kRed, kBlue, kAmber, s.T_a(k), s.F_a(k), width, height, answer);
}

void SimplifyInto(State& s, int value, int factor, int radicand) {
    s.R1B = s.F_a(value);
    SimplifySquareRoot(s);
    s.F_a(factor) = s.R1A;
    s.F_a(radicand) = s.R1B;
}

std::string SimplifiedRoot(State& s, int factor, int radicand) {
    if (s.F_a(factor) == 1) s.F_sa(factor) = "";
    s.F_sa(radicand) = s.F_a(radicand) == 1 ? "" : "!" + s.F_sa(radicand);
    return s.F_sa(factor) + s.F_sa(radicand) + "ﾝ";
}

void DrawSidesTriangle(State& s, float ggy) {
    Frame(s, 72, ggy, 8, 6, 50);
    s.P.SetDrawWidth(5);
    Put(s, {{1, 7, 5}, {2, 1, 1}, {3, 7, 1}});
    Polygon(s, {1, 2, 3}, "A", kBlack, kBlack);
    RightAngle(s, 3, 1, 2, 25, kRed);
    LengthArc(s, 1, 2, 1, 5, "c", kBlueLength);
    LengthArc(s, 2, 3, 1, 8, "a", kBlueLength);
    LengthArc(s, 3, 1, 1, 9, "b", kBlueLength);
}

}  // namespace vm::theorem
