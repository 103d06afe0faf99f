#include "lessons/applications2/textbook.h"

#include "platform/colours.h"

namespace vm::textbook {

void ClearBelowTags(State& s) { s.P.FillBox(0, 90, 1760, 90 + 1800, kBackground, kBackground); }

void Item(State& s, float d, int c, const std::string& text) {
    Write(s, c, s.XI1 - 76, s.YI1 + d, text);
}

void Midpoint(State& s, int k, int i, int j) {
    s.X_a(k) = (s.X_a(i) + s.X_a(j)) / 2;
    s.Y_a(k) = (s.Y_a(i) + s.Y_a(j)) / 2;
}

}  // namespace vm::textbook
