// Coordinate planes: unit grid, five-unit lines with numbers, axes, labels.
#include "figures/common.h"
#include "figures/figures.h"
#include "figures/styles.h"
#include "formula/formula.h"
#include "platform/colours.h"
#include "platform/sjis.h"
#include "state/shared_forms.h"

namespace vm {

namespace {

// Scales are divisors: 0 counts as 1, a negative one as its size.
void FixScale(float& scale) {
    if (scale == 0) scale = 1;
    else if (scale < 0) scale = -scale;
}

bool FiveUnit(float v) { return CLng(v) % 5 == 0; }

// The text of a five-unit line's number: blanks removed, none for the
// origin (labelled "0" separately) or when numbers are switched off.
std::string TickText(State& s, float v) {
    s.A_s = NumText(v);
    return v == 0 || s.NASI == -1 ? std::string() : s.A_s;
}

void Text(State& s, float x, float y, int mh, int mv) {
    if (!s.AA_s.empty()) s.P.Symbol(x, y, s.AA_s, mh, mv, fig::Whole(s.CCC1));
}

}  // namespace

void DrawCoordinatePlane(State& s, const PlaneStyle& style) {
    const int pen = fig::KeepPen(s);
    if (style.scaled_ranges) {
        FixScale(s.BAIX);
        FixScale(s.BAIY);
        // From here on the ranges count grid lines.
        s.AA1 /= s.BAIX;
        s.AA2 /= s.BAIX;
        s.BB1 /= s.BAIY;
        s.BB2 /= s.BAIY;
    }
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
    // Whole strings, not literals: GCC 12 at -O3 misreads the literal
    // assignments here as overlapping copies.
    s.AA_s = std::string("x");
    Text(s, s.GX2 - 0.8f * s.SIZE1, s.GY0 - 1.5f * s.SIZE1, 3, 2);
    s.CCC1 = kBlack;
    s.P.SetFontName("ゴシック");
    s.P.SetFontSize(s.SIZE1);
    s.P.SetFontItalic(false);
    s.AA_s = std::string("0");
    Text(s, s.GX0 - s.SIZE1, s.GY0, 2, 1);
    s.CCC1 = kBlack;
    s.AA_s = std::string("y");
    s.X = s.GX0;
    s.Y = s.GY1 - s.SIZE1 / 2;
    Text(s, s.X, s.Y, 2, 1);

    s.P.SetFontBold(false);
    s.P.SetFontSize(16);
    s.P.SetDrawWidth(pen);
    s.NASI = 0;
}

namespace shared {

void DrawCoordinatePlane(State& s) { vm::DrawCoordinatePlane(s, PlaneStyle{}); }

}  // namespace shared

void DrawPlaneTickNumbers(State& s) {
    // The number of grid line v in the caller's units, with a zero before
    // the point of a value below 1.
    auto number = [&](float v, float scale) {
        s.P1 = v * scale;
        s.P2 = std::fabs(s.P1);
        s.A_s = NumText(s.P2);
        s.P2_s = s.A_s;
        if (s.P2 > 0 && s.P2 < 1) s.P2_s = "0" + s.P2_s;
        s.P1_s = s.P1 < 0 ? "-" + s.P2_s : s.P2_s;
    };
    auto draw = [&](float x, float y) {
        s.X = x;
        s.Y = y;
        s.CCC1 = kBlack;
        s.AA_s = s.P1_s;
        DrawLabelText(s);
    };
    fig::CountedLoop(s.II, s.AA1, s.AA2, [&] {
        number(s.II, s.BAIX);
        if (s.II == 0 || !FiveUnit(s.II)) return;
        s.A_s = s.P1_s;
        MeasureLabelText(s);
        draw(s.GX0 + s.SIZE * s.II - s.LLT / 2, s.GY0 + 4);
    });
    fig::CountedLoop(s.II, s.BB1, s.BB2, [&] {
        number(s.II, s.BAIY);
        if (s.II == 0 || !FiveUnit(s.II)) return;
        s.A_s = s.P1_s;
        MeasureLabelText(s);
        draw(s.GX0 - s.LLT - 10, s.GY0 - s.SIZE * s.II - s.SIZE1 / 2);
    });
}

}  // namespace vm
