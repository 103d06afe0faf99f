// Points and graphs on the coordinate plane left by DrawCoordinatePlane.
#include "figures/common.h"
#include "figures/figures.h"
#include "figures/styles.h"
#include "formula/formula.h"
#include "state/shared_forms.h"

namespace vm {

namespace {

// How many of the caller's units one grid unit holds, along x and along y.
struct Units {
    float x, y;
};

// BAI and HI as the plotters read them, without writing them back: a
// plotter called on its own meets the same rule as through PlotGraph.
float Bai(const State& s) { return s.BAI == 0 ? 1.0f : s.BAI; }
float Hi(const State& s) { return s.BAI == 0 || s.HI == 0 ? 1.0f : s.HI; }

Units PointUnits(const State& s, const PlotStyle& style) {
    if (style.bai_and_hi) return {Bai(s), Hi(s) * Bai(s)};
    return {s.BAIX, s.BAIY};
}

Units LineUnits(const State& s, const PlotStyle& style) {
    if (style.bai_and_hi) return {1, Hi(s)};
    return {s.BAIX, s.BAIY};
}

// The caller's units of the curve's x range per unit of the plane's.
float RangeUnit(const State& s, const PlotStyle& style) {
    return style.bai_and_hi ? Bai(s) : 1.0f;
}

void FixScales(State& s, const PlotStyle& style) {
    if (style.bai_and_hi) {
        if (s.BAI == 0) {
            s.HI = 1;
            s.BAI = 1;
        }
        if (s.HI == 0) s.HI = 1;
    } else {
        if (s.BAIX == 0) s.BAIX = 1;
        if (s.BAIY == 0) s.BAIY = 1;
    }
}

void ResetScales(State& s, const PlotStyle& style, bool graph) {
    if (style.bai_and_hi) {
        s.HI = 1;
        s.BAI = 1;
    } else if (graph) {
        s.BAIX = 1;
        s.BAIY = 1;
    }
}

float PixelX(State& s, float x, float unit) { return Chk(s.GX0 + Div(s.SIZE * x, unit)); }
float PixelY(State& s, float y, float unit) { return Chk(s.GY0 - Div(s.SIZE * y, unit)); }

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

void PlotLabelledPoint(State& s, const PlotStyle& style) {
    FixScales(s, style);
    const Units u = PointUnits(s, style);
    s.GX = PixelX(s, s.XG, u.x);
    s.GY = PixelY(s, s.YG, u.y);
    s.P.Dot(s.GX, s.GY, s.R, fig::Whole(s.CCC3));
    s.X = s.GX - 20 + s.KASANARIX;
    s.Y = s.GY - 40 + s.KASANARIY;
    Label(s);
    ResetScales(s, style, false);
}

void PlotGraph(State& s, const PlotStyle& style) {
    const int pen = fig::KeepPen(s);
    FixScales(s, style);
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
    ResetScales(s, style, true);
    s.DR = static_cast<float>(pen);
    s.P.SetDrawWidth(pen);
}

void PlotCurve(State& s, const PlotStyle& style) {
    // A fixed run of 5001 dots over the plane's x range; only those within
    // its height are drawn. y = a/x is never taken at x = 0: a start there
    // moves on by 0.002, a running x that lands on 0 steps over it.
    const float range = RangeUnit(s, style);
    s.X1 = s.AA1 * range;
    s.HABA = 5000;
    if (s.IROIRO != 3 && s.X1 == 0) s.X1 += 0.002f;
    s.Y1 = Curve(s, s.X1);
    s.GX5 = s.X1;
    s.GY5 = s.Y1;
    s.P1 = (s.AA2 - s.AA1) * range / s.HABA;
    const Units u = PointUnits(s, style);
    fig::CountedLoop(s.II, 0, s.HABA, [&] {
        s.GX = PixelX(s, s.GX5, u.x);
        s.GY = PixelY(s, s.GY5, u.y);
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

void PlotVerticalLine(State& s, const PlotStyle& style) {
    s.P.SetDrawWidth(5);
    const Units u = LineUnits(s, style);
    const float x = PixelX(s, s.CC, u.x);
    const float top = PixelY(s, s.BB2, u.y);
    s.P.Line(x, PixelY(s, s.BB1, u.y), x, top, fig::Whole(s.CCC3));
    s.X = x + 10;
    s.Y = top;
}

namespace shared {

void PlotLabelledPoint(State& s) { vm::PlotLabelledPoint(s, PlotStyle{}); }
void PlotGraph(State& s) { vm::PlotGraph(s, PlotStyle{}); }
void PlotCurve(State& s) { vm::PlotCurve(s, PlotStyle{}); }
void PlotVerticalLine(State& s) { vm::PlotVerticalLine(s, PlotStyle{}); }

}  // namespace shared
}  // namespace vm
