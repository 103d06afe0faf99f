// Fraction notation: a fraction given as two whole numbers, reduced and
// written as formula markup and as plain text.
#include <utility>

#include "formula/formula.h"
#include "platform/runtime.h"
#include "platform/sjis.h"

namespace vm {

namespace {

// A number as text without the blank STR$ puts before a non-negative one.
std::string NumberText(State& s, float v) {
    s.A_s = NumText(v);
    return s.A_s;
}

}  // namespace

void GcdLcm(State& s) {
    // Euclid on floats. Whole numbers end when a remainder is exactly 0; the
    // bound only stops a hang on values no caller passes (fractions whose
    // remainders never come out exact).
    const auto remainder = [](float a, float b) { return a - Int(Div(a, b)) * b; };
    s.X1 = s.DS;
    s.X2 = s.DB;
    s.LB8 = Chk(s.X1 * s.X2);
    for (int steps = 0; s.X2 != 0; ++steps) {
        if (steps == 1000) throw RuntimeError(kIllegalCall);
        s.X1 = remainder(s.X1, s.X2);
        std::swap(s.X1, s.X2);
    }
    s.X3 = s.X1;
    s.X4 = Div(s.LB8, s.X3);
}

void StripMarkup(State& s) {
    const struct {
        const char* mark;
        float State::*pos;
    } marks[] = {{"^", &State::TA1}, {"ﾝ", &State::TA2}, {"ﾀ", &State::TA3}, {"=", &State::TA3}};
    for (const auto& m : marks) {
        for (int p = Instr(s.A_s, m.mark); p > 0; p = Instr(s.A_s, m.mark)) {
            s.*m.pos = static_cast<float>(p);
            s.A_s = Left(s.A_s, p - 1) + Mid(s.A_s, p + 1);
        }
    }
}

void BuildFractionStrings(State& s) {
    s.DB1 = s.DB;
    s.DS1 = s.DS;
    s.YAK1 = Chk(s.DS * s.DB) < 0 ? -1 : 1;
    // A zero denominator has no reduced form: the texts would be built from
    // whatever an earlier call left, so it stops the program instead.
    if (s.DB == 0) throw RuntimeError(kDivByZero);
    if (s.DB == 1) {
        s.E1 = s.DS;
        s.E2 = s.DB;
        s.YAK = 1;
    } else {
        s.DS = s.DS < 0 ? -s.DS : s.DS;
        s.DB = s.DB < 0 ? -s.DB : s.DB;
        GcdLcm(s);
        s.E1 = Div(s.YAK1 * s.DS, s.X3);
        s.E2 = Div(s.DB, s.X3);
        if (s.E1 == 0 || s.E2 == 1) s.YAK = 1;
        else if (s.E2 == s.DB1 && s.YAK1 == 1) s.YAK = 3;
        else s.YAK = 2;  // reduced, or a sign had to move
    }
    s.DS = s.E1;
    s.DB = s.E2;

    s.DS1_s = NumberText(s, s.DS1);
    s.DA1_s = NumberText(s, s.DB1);
    s.DB_s = NumberText(s, s.DB);
    s.DS_s = NumberText(s, s.DS);
    s.A1_s = "ﾀ" + s.DS1_s + "/" + s.DA1_s + "ﾀ";

    // The sign of the result stands before the fraction bar, not inside it.
    const int lem = KLen(s.DS_s);
    s.LEM = static_cast<float>(lem);
    s.A_s = KLeft(s.DS_s, 1);
    if (s.A_s == "-") s.DS_s = KRight(s.DS_s, lem - 1);

    const std::string passed = "ﾀ" + s.DS1_s + "/" + s.DA1_s + "ﾀ";
    const std::string reduced = "ﾀ" + s.DS_s + "/" + s.DB_s + "ﾀ";
    const bool negative = s.YAK1 == -1;
    if (s.YAK == 1) {
        s.A2_s = negative ? "-" + s.DS_s : s.DS_s;
        s.A21_s = negative ? s.A2_s : "+" + s.DS_s;
    } else if (s.YAK == 2) {
        s.A2_s = negative ? "-" + reduced : reduced;
        s.A21_s = negative ? s.A2_s : "+" + reduced;
    } else {
        s.A2_s = passed;
        s.A21_s = "+" + passed;
    }
    s.FDS1_s = negative ? "" : "+";
    if (s.YAK == 3) {
        s.A3_s = s.A2_s;
        s.A31_s = s.A21_s;
    } else {
        s.A3_s = passed + "=" + s.A2_s;
        s.A31_s = s.FDS1_s + passed + "=" + s.A21_s;
    }

    s.A_s = s.A2_s;
    StripMarkup(s);
    s.TKAI1_s = s.A_s;
    s.A_s = s.A21_s;
    StripMarkup(s);
    s.TKAI2_s = s.A_s;
}

}  // namespace vm
