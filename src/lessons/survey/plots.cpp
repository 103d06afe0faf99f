// Velmaris-D's plots on the coordinate plane. They take the scale as BAI (x
// units per grid unit) and HI (the y scale as a multiple of BAI). No lesson
// draws a plane; the routines belong to the program's library all the same.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"
#include "formula/formula.h"
#include "lessons/survey/revisions.h"

namespace vm::survey {

namespace {

// A zero scale means 1 in both directions; a zero y factor on its own
// means 1 as well rather than a division by zero.
void FixScales(State& s) {
    if (s.BAI == 0) {
        s.HI = 1;
        s.BAI = 1;
    }
    if (s.HI == 0) s.HI = 1;
}

// The scales as the plotters use them, without writing them back: a
// plotter called on its own meets the same rule as through PlotGraph.
float Bai(const State& s) { return s.BAI == 0 ? 1.0f : s.BAI; }
float Hi(const State& s) { return s.BAI == 0 || s.HI == 0 ? 1.0f : s.HI; }

float PixelX(State& s, float x) { return Chk(s.GX0 + s.SIZE * x / Bai(s)); }
float PixelY(State& s, float y) { return Chk(s.GY0 - s.SIZE * y / (Hi(s) * Bai(s))); }

// y = AA/x, y = AA·x², or the line y = AA·x + BB for every other kind.
float Curve(State& s, float x) {
    if (s.IROIRO == 1) return Div(s.AA, x);
    if (s.IROIRO == 2) return Chk(s.AA * x * x);
    return Chk(s.AA * x + s.BB);
}

void PlotLabel(State& s) {
    s.CCC1 = s.CCC3;
    s.AA_s = s.AAA_s;
    DrawMarkupText(s);
    s.KASANARIX = 0;
    s.KASANARIY = 0;
    s.HI = 1;
    s.BAI = 1;
}

}  // namespace

void PlotLabelledPoint(State& s) {
    FixScales(s);
    s.GX = PixelX(s, s.XG);
    s.GY = PixelY(s, s.YG);
    s.P.Dot(s.GX, s.GY, s.R, fig::Whole(s.CCC3));
    s.X = s.GX - 20 + s.KASANARIX;
    s.Y = s.GY - 40 + s.KASANARIY;
    PlotLabel(s);
}

void PlotGraph(State& s) {
    const int pen = fig::KeepPen(s);
    FixScales(s);
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
    PlotLabel(s);
    s.DR = static_cast<float>(pen);
    s.P.SetDrawWidth(pen);
}

void PlotCurve(State& s) {
    // A fixed run of 5001 dots over the plane's x range; only those within
    // its height are drawn. y = a/x is never taken at x = 0: a start there
    // moves on by 0.002, a running x that lands on 0 steps over it.
    s.X1 = s.AA1 * Bai(s);
    s.HABA = 5000;
    if (s.IROIRO != 3 && s.X1 == 0) s.X1 = 0.002f;
    s.Y1 = Curve(s, s.X1);
    s.GX5 = s.X1;
    s.GY5 = s.Y1;
    s.P1 = (s.AA2 - s.AA1) * Bai(s) / s.HABA;
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
    // Along x the line stands at CC grid units, unscaled.
    const float x = Chk(s.GX0 + s.SIZE * s.CC);
    const float top = Chk(s.GY0 - s.SIZE * s.BB2 / Hi(s));
    const float bottom = Chk(s.GY0 - s.SIZE * s.BB1 / Hi(s));
    s.P.Line(x, bottom, x, top, fig::Whole(s.CCC3));
    s.X = x + 10;
    s.Y = top;
}

}  // namespace vm::survey
