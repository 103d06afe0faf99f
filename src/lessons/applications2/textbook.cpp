#include "lessons/applications2/textbook.h"

#include "figures/figures.h"
#include "formula/formula.h"
#include "platform/colours.h"

namespace vm::textbook {

void ClearBelowTags(State& s) { s.P.FillBox(0, 90, 1760, 90 + 1800, kBackground, kBackground); }

void Item(State& s, float d, int c, const std::string& text) {
    Write(s, c, s.XI1 - 76, s.YI1 + d, text);
}

void AngleMark(State& s, int vertex, int i, int j, float size, float arcs, int border, int fill,
               const std::string& label, int ink, float iti) {
    s.ZX0 = s.X_a(vertex);
    s.ZY0 = s.Y_a(vertex);
    s.ZX1 = s.X_a(i);
    s.ZY1 = s.Y_a(i);
    s.ZX2 = s.X_a(j);
    s.ZY2 = s.Y_a(j);
    s.NAGASA = size;
    s.HONSU = arcs;
    s.CCC2 = static_cast<float>(border);
    s.CCC3 = static_cast<float>(fill);
    s.AAA_s = label;
    s.CCC1 = static_cast<float>(ink);
    s.ITI = iti;
    s.AAAX = 0;
    s.AAAY = 0;
    DrawAngleMark(s);
}

void Midpoint(State& s, int k, int i, int j) {
    s.X_a(k) = (s.X_a(i) + s.X_a(j)) / 2;
    s.Y_a(k) = (s.Y_a(i) + s.Y_a(j)) / 2;
}

}  // namespace vm::textbook
