// Number tables: the texts of T() and F() from which drills build their
// formula lines.
#include "frame/frame.h"
#include "platform/runtime.h"

namespace vm {

namespace {

void FormatTable(State& s, const Arr<float>& numbers, Arr<std::string>& texts, int last) {
    for (s.I = 1; s.I <= static_cast<float>(last); s.I += 1) {
        texts(s.I) = Str(numbers(s.I));
        s.A_s = texts(s.I);
        StripSpaces(s);
        texts(s.I) = s.A_s;
    }
}

}  // namespace

void FormatNumberTables(State& s) {
    FormatTable(s, s.T_a, s.T_sa, 80);
    FormatTable(s, s.F_a, s.F_sa, 40);
}

}  // namespace vm
