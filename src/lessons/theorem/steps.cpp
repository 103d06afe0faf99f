#include "lessons/theorem/steps.h"

#include "figures/figures.h"
#include "formula/formula.h"

namespace vm::theorem {

namespace {

void DrawBox(State& s, float x, float y, float width, float height, const std::string& text) {
    s.CCC1 = 5;
    s.CCC2 = 3;
    s.CCC3 = 13;
    s.HABA = width;
    s.TATE = height;
    s.X = x;
    s.Y = y;
    s.A_s = text;
    DrawFramedText(s);
}

const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨"};

}  // namespace

void EmptyBox(State& s, int k, float width, float height) {
    s.T_a(k) = s.XI2 + 10;
    s.F_a(k) = s.YI1;
    DrawBox(s, s.T_a(k), s.F_a(k), width, height, kCircled[k - 1]);
    s.YI1 = s.Y;
    s.XI2 = s.X;
}

void FillInBox(State& s, int k, float width, float height, const std::string& answer) {
    DrawBox(s, s.T_a(k), s.F_a(k), width, height, answer);
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

}  // namespace vm::theorem
