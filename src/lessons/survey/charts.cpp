// The statistics charts of Velmaris-D: a chart grid with its labels, and
// box-and-whisker plots drawn on its rows.
#include "lessons/survey/charts.h"

#include "figures/common.h"
#include "formula/formula.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "platform/sjis.h"

namespace vm {

namespace {

void ChartLabel(State& s, const std::string& text, float x, float y) {
    s.CCC1 = kBlack;
    s.X = x;
    s.Y = y;
    s.AA_s = text;
    DrawLabelText(s);
}

// Width of a label as DrawLabelText draws it.
float LabelWidth(State& s, const std::string& text) {
    s.A_s = text;
    MeasureLabelText(s);
    return s.LLT;
}

}  // namespace

void DrawChartGrid(State& s) {
    const int pen = s.P.GetDrawWidth();
    s.GX1 = s.GGX;
    s.GY1 = s.GGY;
    s.GX2 = s.GX1 + s.SIZEX * s.YOKO;
    s.GY2 = s.GY1 + s.SIZEY * s.TATE;
    s.GX0 = s.GX1;
    s.GY0 = s.GY2;
    s.CCC3 = kBlack;
    s.CCC2 = kBlack;
    // Line 0 of each direction is an axis, drawn thicker afterwards; every
    // fifth line is a shade thicker than the rest.
    auto line = [&](float x1, float y1, float x2, float y2) {
        const bool fifth = CLng(s.II) % 5 == 0;
        s.P.SetDrawWidth(fifth ? 3 : 2);
        s.P.Line(x1, y1, x2, y2, fig::Whole(fifth ? s.CCC3 : s.CCC2));
    };
    fig::CountedLoop(s.II, 1, s.YOKO, [&] {
        const float x = s.GX1 + s.SIZEX * s.II;
        line(x, s.GY1, x, s.GY2);
    });
    fig::CountedLoop(s.II, 1, s.TATE, [&] {
        const float y = s.GY2 - s.SIZEY * s.II;
        line(s.GX1, y, s.GX2, y);
    });
    s.P.SetDrawWidth(5);
    s.P.Line(s.GX1, s.GY0, s.GX2, s.GY0, kBlack);
    s.P.Line(s.GX0, s.GY0, s.GX0, s.GY1, kBlack);
    s.P.SetDrawWidth(pen);

    ChartLabel(s, "0", s.GX0 - 30, s.GY0);
    s.X_sa(s.YOKO) = s.X_sa(0);
    // Column labels sit under their lines, centred by an estimate of 26 px
    // a character, every other one lower so that neighbours do not touch.
    fig::CountedLoop(s.II, 1, s.YOKO, [&] {
        const std::string text = s.X_sa(s.II);
        const float y = CLng(s.II) % 2 == 1 ? s.GY0 + 4 : s.GY0 + 26;
        s.LLT = 26 * static_cast<float>(KLen(text)) / 2;
        ChartLabel(s, text, s.GX0 + s.SIZEX * s.II - s.LLT, y);
    });
    // Row labels end 8 px left of the axis, their tops 13 px above the line.
    fig::CountedLoop(s.II, 1, s.TATE, [&] {
        const std::string text = s.Y_sa(s.II);
        s.LLT = LabelWidth(s, text);
        ChartLabel(s, text, s.GX0 - s.LLT - 8, s.GY0 - s.SIZEY * s.II - 13);
    });
    const std::string title = s.Y_sa(0);
    s.LLT = LabelWidth(s, title);
    ChartLabel(s, title, s.GX0 - s.LLT, s.GY1 - 40);
}

void DrawBoxPlot(State& s) {
    // Without a scale there is no place for any value: nothing is drawn.
    if (s.TANIX == 0) return;
    const int pen = s.P.GetDrawWidth();
    s.GX = s.GGX + s.SIZEX;
    s.DX = s.SIZEX / s.TANIX;
    s.DY1 = s.SIZEY / 2;
    s.DY2 = s.SIZEY / 4;
    auto at = [&](float v) { return Chk(s.GX + (v - s.YOKO1X) * s.DX); };
    s.GS1 = at(s.HH_a(1));
    s.GS2 = at(s.HH_a(2));
    s.GS3 = at(s.HH_a(3));
    s.GS4 = at(s.HH_a(4));
    s.GS5 = at(s.HH_a(5));
    const int c = fig::Whole(s.CCC2);
    const float y = s.GY3;
    s.P.SetDrawWidth(5);
    s.P.Line(s.GS1, y, s.GS2, y, c);
    // The box is filled with the background: it hides the grid under it.
    s.P.FillBox(s.GS2, y - s.DY1, s.GS4, y + s.DY1, c, kWhite);
    s.P.Line(s.GS3, y - s.DY1, s.GS3, y + s.DY1, c);
    s.P.Line(s.GS4, y, s.GS5, y, c);
    s.P.Line(s.GS1, y - s.DY2, s.GS1, y + s.DY2, c);
    s.P.Line(s.GS5, y - s.DY2, s.GS5, y + s.DY2, c);
    if (s.HEI > 0) {
        s.GS6 = at(s.HEIKIN);
        s.P.Line(s.GS6 - 8, y, s.GS6 + 8, y, kBlack);
        s.P.Line(s.GS6, y - 8, s.GS6, y + 8, kBlack);
    }
    s.P.SetDrawWidth(pen);
}

}  // namespace vm
