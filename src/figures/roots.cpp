// The simplified form a√b of the square root of a whole number.
#include "figures/common.h"
#include "figures/figures.h"
#include "state/strings.h"

namespace vm {

namespace {

std::string Stripped(State& s, const std::string& text) {
    s.A_s = text;
    StripSpaces(s);
    return s.A_s;
}

}  // namespace

void SimplifySquareRoot(State& s) {
    s.R1A = 1;
    s.R1I = 2;
    s.R1B1 = s.R1B;
    // Square factors k² up to 200² are taken out one at a time, starting
    // again from 2 after each, so a factor that divides several times goes
    // out each time.
    while (s.R1I != 201) {
        const int32_t n = CLng(s.R1B);
        // Zero is divisible by every square and would never be used up.
        if (n == 0) {
            s.R1I = 201;
            break;
        }
        if (n % CLng(s.R1I * s.R1I) != 0) {
            s.R1I += 1;
            continue;
        }
        s.R1A *= s.R1I;
        s.R1B = s.R1B / (s.R1I * s.R1I);
        s.R1I = 2;
    }
    s.R1A1_s = s.R1B == 1 ? std::string() : std::string("!") + Str(s.R1B);
    if (s.R1B == 1 && s.R1A == 1) s.R1A_s = std::string("1");
    else if (s.R1A == 1) s.R1A_s.clear();
    else s.R1A_s = Str(s.R1A);
    s.RAB_s = s.R1A_s + s.R1A1_s + "ﾝ";
    s.RABM_s = s.R1B == s.R1B1 ? std::string() : std::string("!") + Str(s.R1B1) + "ﾝ=";
    s.R1B_s = s.R1A1_s + "ﾝ";
    s.R1A_s = Stripped(s, s.R1A_s);
    s.RAB_s = Stripped(s, s.RAB_s);
    s.RABM_s = Stripped(s, s.RABM_s);
    s.R1B_s = Stripped(s, s.R1B_s);
}

}  // namespace vm
