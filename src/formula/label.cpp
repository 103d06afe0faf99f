// The label writer: short figure and chart labels, every character drawn as
// itself in a smaller, flatter type with fixed advances.
#include "formula/draw_util.h"
#include "formula/formula.h"
#include "platform/sjis.h"

namespace vm {

using formula::Colour;
using formula::kGothic;
using formula::Width;

namespace {

void DrawLabelChar(State& s) {
    Platform& p = s.P;
    const std::string& c = s.A_s;
    const float x = s.TX, y = s.TY;
    const int col = Colour(s.CCC1);
    s.R_s = c;
    s.NAG = 1;
    s.B_s = c;
    s.TA2 = static_cast<float>(Len(c));
    float advance = 20;
    if (c == "." || c == ",") {
        p.Symbol(x, y, c, 3, 2, col);
        advance = 8;
    } else if (c == "(") {
        p.Symbol(x - 8, y, c, 3, 2, col);
        advance = 12;
    } else if (c == ")") {
        p.Symbol(x, y, c, 3, 2, col);
        advance = 8;
    } else if (c == " ") {
        // advance only
    } else if (s.TA2 == 2) {
        p.Symbol(x, y, c, 2, 2, col);
        advance = 30;
    } else if (c == "a" || c == "x" || c == "c") {
        p.SetFontName("Times New Roman");
        p.SetFontSize(8);
        p.SetFontItalic(true);
        p.Symbol(x + 4, y - 12, c, 7, 4, col);
        p.SetFontName(kGothic);
        p.SetFontItalic(false);
        s.B_s = "";
    } else if (c == "y") {
        p.Symbol(x, y - 6, c, 3, 2, col);
    } else {
        p.Symbol(x, y, c, 3, 2, col);
    }
    s.I = 2;
    s.TX += advance;
}

}  // namespace

void DrawLabelText(State& s) {
    Platform& p = s.P;
    for (;;) {
        s.TX = s.X;
        s.TY = s.Y;
        s.DR = static_cast<float>(p.GetDrawWidth());
        const int left = KLen(s.AA_s);
        s.LEM = static_cast<float>(left);
        if (left == 0) {
            p.SetFontBold(false);
            p.SetDrawWidth(Width(s.DR));
            p.SetFontSize(16);
            return;
        }
        s.A_s = KLeft(s.AA_s, 1);
        s.AA_s = KRight(s.AA_s, left - 1);
        // Set before every character: an italic letter leaves size 8.
        p.SetFontBold(true);
        p.SetFontSize(15);
        DrawLabelChar(s);
        s.X = s.TX;
        s.Y = s.TY;
    }
}

void MeasureLabelText(State& s) {
    const float x = s.X, y = s.Y;
    const std::string text = s.A_s;
    s.AA_s = text;
    s.X = 0;
    s.Y = 1800;
    {
        formula::DrawingOff off(s.P);
        DrawLabelText(s);
    }
    s.LLT = s.X;
    s.X = x;
    s.Y = y;
    // Ready for DrawLabelText; A$ keeps the last character drawn.
    s.AA_s = text;
}

}  // namespace vm
