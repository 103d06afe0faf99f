// Points and graphs on the coordinate plane left by DrawCoordinatePlane.
#include "figures/common.h"
#include "figures/figures.h"
#include "formula/formula.h"
#include "state/shared_forms.h"

namespace vm {

namespace {

float PixelX(State& s, float x) { return Chk(s.GX0 + Div(s.SIZE * x, s.BAIX)); }
float PixelY(State& s, float y) { return Chk(s.GY0 - Div(s.SIZE * y, s.BAIY)); }

// y = AA/x, y = AA·x², or the line y = AA·x + BB for every other kind.
float Curve(State& s, float x) {
    if (s.IROIRO == 1) return Div(s.AA, x);
    if (s.IROIRO == 2) return Chk(s.AA * x * x);
    return Chk(s.AA * x + s.BB);
}

// Labels a point or graph at the pen, moved by the one-shot offsets, in the
// colour of its mark.
void Label(State& s) {
    s.CCC1 = s.CCC3;
    s.AA_s = s.AAA_s;
    DrawMarkupText(s);
    s.KASANARIX = 0;
    s.KASANARIY = 0;
}

}  // namespace

namespace shared {

void PlotLabelledPoint(State& s) {
    if (s.BAIX == 0) s.BAIX = 1;
    if (s.BAIY == 0) s.BAIY = 1;
    s.GX = PixelX(s, s.XG);
    s.GY = PixelY(s, s.YG);
    s.P.Dot(s.GX, s.GY, s.R, fig::Whole(s.CCC3));
    s.X = s.GX - 20 + s.KASANARIX;
    s.Y = s.GY - 40 + s.KASANARIY;
    Label(s);
}

void PlotGraph(State& s) {
    const int pen = fig::KeepPen(s);
    if (s.BAIX == 0) s.BAIX = 1;
    if (s.BAIY == 0) s.BAIY = 1;
    if (s.IROIRO == 4 && s.BB == 0) {
        s.CC = Div(s.CC, s.AA);
        vm::PlotVerticalLine(s);
    } else {
        if (s.IROIRO == 4) {
            // ax + by = c as the line y = (-a/b)x + c/b.
            s.AA = Div(-s.AA, s.BB);
            s.BB = Div(s.CC, s.BB);
            s.IROIRO = 3;
        }
        vm::PlotCurve(s);
    }
    s.X += s.KASANARIX;
    s.Y += s.KASANARIY;
    Label(s);
    s.BAIX = 1;
    s.BAIY = 1;
    s.DR = static_cast<float>(pen);
    s.P.SetDrawWidth(pen);
}

void PlotCurve(State& s) {
    // A fixed run of 5001 dots over the plane's x range; only those within
    // its height are drawn. y = a/x is never taken at x = 0: a start there
    // moves on by 0.002, a running x that lands on 0 steps over it.
    s.X1 = s.AA1;
    s.HABA = 5000;
    if (s.IROIRO != 3 && s.X1 == 0) s.X1 += 0.002f;
    s.Y1 = Curve(s, s.X1);
    s.GX5 = s.X1;
    s.GY5 = s.Y1;
    s.P1 = (s.AA2 - s.AA1) / s.HABA;
    fig::CountedLoop(s.II, 0, s.HABA, [&] {
        s.GX = PixelX(s, s.GX5);
        s.GY = PixelY(s, s.GY5);
        if (s.GY >= s.GY1 && s.GY <= s.GY2) {
            s.X = s.GX;
            s.Y = s.GY;
            s.P.Dot(s.GX, s.GY, 1, fig::Whole(s.CCC3));
        }
        s.GX5 += s.P1;
        if (s.IROIRO != 3 && s.GX5 == 0) s.GX5 += s.P1;
        s.GY5 = Curve(s, s.GX5);
    });
}

void PlotVerticalLine(State& s) {
    s.P.SetDrawWidth(5);
    const float x = PixelX(s, s.CC);
    const float top = PixelY(s, s.BB2);
    s.P.Line(x, PixelY(s, s.BB1), x, top, fig::Whole(s.CCC3));
    s.X = x + 10;
    s.Y = top;
}

}  // namespace shared
}  // namespace vm
