// Divisor pairs, prime factors and the ladder of short divisions.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"
#include "formula/formula.h"
#include "state/binding.h"
#include "platform/colours.h"
#include "platform/sjis.h"

namespace vm {

void ListDivisorPairs(State& s) {
    s.DY = std::fabs(s.DY);
    s.P_n = 0;
    // X(k) the k-th divisor, Y(k) its cofactor; a 41st divisor is past the
    // tables and stops the program rather than writing beyond them.
    fig::CountedLoop(s.II, 1, s.DY, [&] {
        const float q = s.DY / s.II;
        if (q - Int(q) == 0) {
            s.P_n += 1;
            s.X_a(s.P_n) = s.II;
            s.Y_a(s.P_n) = q;
        }
    });
    s.KOSUU = static_cast<float>(CInt(s.P_n / 2));
}

void FactorIntoPrimes(State& s) {
    for (int q = 1; q <= 10; ++q) s.G_a(q, 1) = 0, s.G_a(q, 2) = 0;
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int i = 0; i < 10; ++i) s.R_a(i + 1) = primes[i];
    s.SOSU = std::fabs(s.SOSU);
    s.SOSU1 = s.SOSU;
    s.P_n = 1;
    s.Q = 1;
    for (;;) {
        // 29 is in the table but not tried; what is left after 2 to 23 goes
        // into row 10. Zero is divisible by everything and is left as it is.
        if (s.P_n == 10 || CLng(s.SOSU) == 0) {
            s.Q -= 1;
            s.G_a(10, 1) = s.SOSU;
            s.G_a(10, 2) = 1;
            s.SOSU = s.SOSU1;
            return;
        }
        const float p = s.R_a(s.P_n);
        if (CLng(s.SOSU) % CLng(p) == 0) {
            s.G_a(s.Q, 1) = p;
            s.G_a(s.Q, 2) += 1;
            s.SOSU /= p;
        } else {
            if (s.G_a(s.Q, 1) != 0) s.Q += 1;
            s.P_n += 1;
        }
    }
}

void DrawFactorLadder(State& s) {
    auto write = [&](float x, float y, const std::string& text) {
        s.CCC1 = kBlack;
        s.X = x;
        s.Y = y;
        s.AA_s = text;
        DrawMarkupText(s);
    };
    // Numbers are written with their leading blank and right-aligned on
    // the column of the number being factorised, 30 pixels a character.
    s.TA = s.SOSU;
    s.TA1 = static_cast<float>(KLen(Str(s.TA)));
    // Without a prime row (1, 0, or only factors above 23) there is nothing
    // to divide.
    if (s.Q >= 1) {
        fig::CountedLoop(s.II, 1, s.Q, [&] {
            s.A_s = NumText(s.G_a(s.II, 1));
            s.SO_s = s.A_s;
            // The last prime ends the ladder as the final quotient.
            s.N = s.II == s.Q ? s.G_a(s.Q, 2) - 1 : s.G_a(s.II, 2);
            // The row count is taken once: the text writers reuse N.
            const float rows = s.N;
            for (s.J = 1; s.J <= rows; s.J += 1) {
                write(s.XTAKE, s.YTAKE, s.SO_s + ")");
                s.TA2 = static_cast<float>(KLen(Str(s.TA)));
                write(s.XTAKE + 30 * (1 + s.TA1 - s.TA2), s.YTAKE, Str(s.TA));
                s.YTAKE += 46;
                s.P.Line(s.XTAKE + 30, s.YTAKE, s.XTAKE + 30 * (s.TA1 + 1), s.YTAKE, kBlack);
                if (s.NASI == 1) WaitForKey(s);
                s.TA = Div(s.TA, s.G_a(s.II, 1));
                s.TA2 = static_cast<float>(KLen(Str(s.TA)));
                s.YTAKE += 18;
                write(s.XTAKE + 30 * (1 + s.TA1 - s.TA2), s.YTAKE, Str(s.TA));
                if (s.NASI == 1) WaitForKey(s);
            }
        });
    }
    s.NASI = 0;
}

}  // namespace vm
