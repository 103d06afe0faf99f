#include "lessons/theorem/steps.h"

#include "figures/figures.h"
#include "formula/formula.h"

namespace vm::theorem {

void PolygonOf(State& s, std::initializer_list<int> points, const std::string& letters,
               int edges, int ink) {
    int row = 0;
    for (const int i : points) {
        ++row;
        s.G_a(row, 1) = s.X_a(i);
        s.G_a(row, 2) = s.Y_a(i);
    }
    s.KAKU = static_cast<float>(row);
    s.SIZE1 = 5;
    s.CCC2 = static_cast<float>(edges);
    s.CCC1 = static_cast<float>(ink);
    s.NAGASA = 10;
    s.AAA_s = letters;
    DrawPolygon(s);
}

void SideArc(State& s, int i, int j, float step, const std::string& label, int dots, int ink) {
    s.CCC1 = static_cast<float>(ink);
    s.CCC2 = static_cast<float>(dots);
    s.ZX0 = s.X_a(i);
    s.ZY0 = s.Y_a(i);
    s.ZX1 = s.X_a(j);
    s.ZY1 = s.Y_a(j);
    s.HOUKOU = 1;
    s.TAKASA = 20;
    s.HABA = step;
    s.AAA_s = label;
    DrawDimensionArc(s);
}

void RightCorner(State& s, int v, int i, int j) {
    s.ZX0 = s.X_a(v);
    s.ZY0 = s.Y_a(v);
    s.ZX1 = s.X_a(i);
    s.ZY1 = s.Y_a(i);
    s.ZX2 = s.X_a(j);
    s.ZY2 = s.Y_a(j);
    s.CCC2 = 5;
    s.NAGASA = 25;
    s.ITI = -1;
    DrawRightAngleMark(s);
}

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

std::string SimplifiedRoot(State& s, int factor, int radicand) {
    if (s.F_a(factor) == 1) s.F_sa(factor) = "";
    s.F_sa(radicand) = s.F_a(radicand) == 1 ? "" : "!" + s.F_sa(radicand);
    return s.F_sa(factor) + s.F_sa(radicand) + "ﾝ";
}

}  // namespace vm::theorem
