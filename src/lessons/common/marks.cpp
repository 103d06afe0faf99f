#include "lessons/common/marks.h"

#include "figures/figures.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"

namespace vm {

void DottedLine(State& s, int i, int j, float step, int colour) {
    LengthArc(s, i, j, 1, step, "", {colour, colour, 0});
}

void Ticks(State& s, int i, int j, float half, int colour, float count, float gap,
           float shift) {
    s.AX = s.X_a(i);
    s.AY = s.Y_a(i);
    s.BX = s.X_a(j);
    s.BY = s.Y_a(j);
    s.NAGASA = half;
    s.CCC2 = static_cast<float>(colour);
    s.HONSU = count;
    s.AIDA = gap;
    s.ITI = shift;
    DrawTickMarks(s);
}

void AngleMark(State& s, int vertex, int i, int j, float size, float arcs, int border, int fill,
               const std::string& label, int ink, float iti) {
    Corner(s, vertex, i, j);
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

void Polygon(State& s, std::initializer_list<int> points, const std::string& letters,
             int colour, int ink, float width, float gap) {
    int row = 0;
    for (const int i : points) {
        ++row;
        s.G_a(row, 1) = s.X_a(i);
        s.G_a(row, 2) = s.Y_a(i);
    }
    s.KAKU = static_cast<float>(row);
    s.SIZE1 = width;
    s.CCC2 = static_cast<float>(colour);
    s.CCC1 = static_cast<float>(ink);
    s.NAGASA = gap;
    s.AAA_s = letters;
    DrawPolygon(s);
}

void PointLetter(State& s, int k, int colour, const std::string& text) {
    Label(s, colour, s.X_a(k) - 20, s.Y_a(k) + 4, text);
}

}  // namespace vm
