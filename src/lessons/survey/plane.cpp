// Velmaris-D's coordinate plane and plots. The plane takes its ranges as
// they are given; the plots take the scale as BAI (x units per grid unit)
// and HI (the y scale as a multiple of BAI). No lesson draws a plane; the
// routines belong to the program's library all the same.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/survey/revisions.h"
#include "platform/colours.h"
#include "platform/sjis.h"

namespace vm::survey {

namespace {

bool FiveUnit(float v) { return CLng(v) % 5 == 0; }

// The number of a five-unit line: none at the origin or when numbers are
// switched off.
std::string TickText(State& s, float v) {
    s.A_s = Str(v);
    StripSpaces(s);
    return v == 0 || s.NASI == -1 ? std::string() : s.A_s;
}

void Text(State& s, float x, float y, int mh, int mv) {
    if (!s.AA_s.empty()) s.P.Symbol(x, y, s.AA_s, mh, mv, fig::Whole(s.CCC1));
}

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

void DrawCoordinatePlane(State& s) {
    const int pen = fig::KeepPen(s);
    if (s.GGX == 0 && s.GGY == 0) s.GGX = 640, s.GGY = 180;
    s.GX0 = s.GGX + s.SIZE * std::fabs(s.AA1);
    s.GY0 = s.GGY + s.SIZE * s.BB2;
    s.GX1 = s.GGX;
    s.GY1 = s.GGY;
    s.GX2 = s.GX0 + s.SIZE * s.AA2;
    s.GY2 = s.GY0 + s.SIZE * std::fabs(s.BB1);
    s.SIZE1 = s.SIZE < 40 ? 26.0f : 30.0f;
    s.P.SetFontSize(s.SIZE1);
    if (s.CCC2 != 0) {
        // Unit grid, half a pixel off so the thin lines sit on pixel rows.
        fig::CountedLoop(s.II, s.AA1, s.AA2, [&] {
            s.P.SetDrawWidth(1);
            const float x = s.GX0 + s.SIZE * s.II - 0.5f;
            s.P.Line(x, s.GY1, x, s.GY2, kBlack);
        });
        fig::CountedLoop(s.II, s.BB1, s.BB2, [&] {
            const float y = s.GY0 - s.SIZE * s.II - 0.5f;
            s.P.Line(s.GX1, y, s.GX2, y, kBlack);
        });
        // Five-unit lines, each with its number: under the x axis, left of
        // the y axis.
        fig::CountedLoop(s.II, s.AA1, s.AA2, [&] {
            if (!FiveUnit(s.II)) return;
            s.P.SetDrawWidth(3);
            const float x = s.GX0 + s.SIZE * s.II;
            s.P.Line(x, s.GY1, x, s.GY2, kNavy);
            s.AA_s = TickText(s, s.II);
            s.CCC1 = kBlack;
            const float n = static_cast<float>(KLen(s.AA_s));
            Text(s, x - s.SIZE1 * n / 2, s.GY0, 2, 1);
        });
        fig::CountedLoop(s.II, s.BB1, s.BB2, [&] {
            if (!FiveUnit(s.II)) return;
            s.P.SetDrawWidth(3);
            const float y = s.GY0 - s.SIZE * s.II;
            s.P.Line(s.GX1, y, s.GX2, y, kNavy);
            s.AA_s = TickText(s, s.II);
            s.CCC1 = kBlack;
            const float n = static_cast<float>(KLen(s.AA_s));
            Text(s, s.GX0 - s.SIZE1 * n, y - s.SIZE1 / 2 - 4, 2, 1);
        });
    }
    s.P.SetDrawWidth(4);
    s.P.Line(s.GX0, s.GY1, s.GX0, s.GY2, kBlack);
    s.P.SetDrawWidth(4);
    s.P.Line(s.GX1, s.GY0, s.GX2, s.GY0, kBlack);

    s.CCC1 = kBlack;
    s.P.SetFontBold(true);
    s.P.SetFontName("Times New Roman");
    s.P.SetFontSize(0.8f * s.SIZE1);
    s.P.SetFontItalic(true);
    s.AA_s = "x";
    Text(s, s.GX2 - 0.8f * s.SIZE1, s.GY0 - 1.5f * s.SIZE1, 3, 2);
    s.P.SetFontName("ゴシック");
    s.P.SetFontSize(s.SIZE1);
    s.P.SetFontItalic(false);
    s.AA_s = "0";
    Text(s, s.GX0 - s.SIZE1, s.GY0, 2, 1);
    s.AA_s = "y";
    s.X = s.GX0;
    s.Y = s.GY1 - s.SIZE1 / 2;
    Text(s, s.X, s.Y, 2, 1);

    s.P.SetFontBold(false);
    s.P.SetFontSize(16);
    s.P.SetDrawWidth(pen);
    s.NASI = 0;
}

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
