// The markup text writer and its measurement.
#include "formula/draw_util.h"
#include "formula/formula.h"
#include "platform/sjis.h"

namespace vm {

using formula::Colour;
using formula::Width;

namespace {

// "#": a root sign tall enough to stand over a stacked fraction. It opens
// an overline 14 px above the line, which the fraction and the glyphs after
// it carry on until "ﾝ".
void DrawTallRoot(State& s) {
    s.P.SetDrawWidth(3);
    const float x = s.X, y = s.Y;
    s.P.Connect({{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14},
                 {x + 38, y - 14}},
                Colour(s.CCC1));
    s.B_s = "";
    s.HROOT = 22;
    s.P.SetDrawWidth(Width(s.DR));
    s.X += 32;
    s.TXM = s.X;
}

}  // namespace

void DrawMarkupText(State& s) {
    for (;;) {
        s.DR = static_cast<float>(s.P.GetDrawWidth());
        const int lem = KLen(s.AA_s);
        s.LEM = static_cast<float>(lem);
        if (lem == 0) {
            s.P.SetDrawWidth(Width(s.DR));
            return;
        }
        s.A_s = KLeft(s.AA_s, 1);
        s.AA_s = KRight(s.AA_s, lem - 1);
        if (s.A_s == "ﾀ") {
            const int n = KInstr(s.AA_s, "ﾀ");
            s.N = static_cast<float>(n);
            if (n == 0) continue;  // an unmatched opener is dropped
            s.A_s = KLeft(s.AA_s, n - 1);
            // Measuring the fraction's parts runs this writer again and
            // empties AA$; the rest of the line waits in AA_A$, which a
            // fraction part (it holds no "ﾀ") never touches.
            s.AA_A_s = KRight(s.AA_s, lem - n - 1);
            DrawStackedFraction(s);
            s.AA_s = s.AA_A_s;
        } else if (s.A_s == "#") {
            DrawTallRoot(s);
        } else if (s.A_s == "^") {
            s.JYOU = 1;
        } else {
            DrawFormulaGlyphs(s);
        }
    }
}

void MeasureText(State& s) {
    // Locals, not shared slots: a fraction inside the measured text measures
    // its parts from within this call, and each activation must hand back
    // its own caller's pen and text.
    const float x = s.X, y = s.Y;
    const std::string a = s.A_s;
    s.X = 0;
    s.Y = 1800;
    s.AA_s = s.A_s;
    {
        formula::DrawingOff off(s.P);
        DrawMarkupText(s);
    }
    s.LLT = s.X;
    s.X = x;
    s.Y = y;
    s.A_s = a;
}

}  // namespace vm
