#include "lessons/survey/survey_draw.h"

#include "figures/figures.h"
#include "formula/formula.h"
#include "platform/colours.h"

namespace vm::survey {

void Arrow(State& s, int p0, int p, float width, float nagasa, float muki, float ya) {
    ArrowAt(s, s.X_a(p0), s.Y_a(p0), s.X_a(p), s.Y_a(p), width, nagasa, muki, ya);
}

void ArrowAt(State& s, float zx0, float zy0, float zx, float zy, float width, float nagasa,
             float muki, float ya) {
    s.ZX0 = zx0;
    s.ZY0 = zy0;
    s.ZX = zx;
    s.ZY = zy;
    s.P.SetDrawWidth(static_cast<int>(width));
    s.MUKI = muki;
    s.YA = ya;
    s.CCC2 = kBlue;
    s.NAGASA = nagasa;
    DrawArrow(s);
    s.P.SetDrawWidth(5);
}

void Cell(State& s, float x, float y, float haba, float tate, int ink, int border, int fill,
          const std::string& text) {
    s.X = x;
    s.Y = y;
    s.HABA = haba;
    s.TATE = tate;
    s.CCC1 = static_cast<float>(ink);
    s.CCC2 = static_cast<float>(border);
    s.CCC3 = static_cast<float>(fill);
    s.A_s = text;
    DrawCellText(s);
}

}  // namespace vm::survey
