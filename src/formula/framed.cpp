// Text in a filled, bordered box: on a text line (framed text) or centred
// in a table cell.
#include "formula/draw_util.h"
#include "formula/formula.h"
#include "formula/styles.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "platform/sjis.h"
#include "state/shared_forms.h"

namespace vm {

using formula::Colour;

namespace {

// The common first steps: keep the pen and the text, measure it, and give
// the left offset that centres it in the box (0 when it does not fit).
float MeasureForBox(State& s, std::string& text) {
    s.X1 = s.X;
    s.Y1 = s.Y;
    text = s.A_s;
    s.N1 = static_cast<float>(KInstr(s.A_s, "ﾀ"));
    // Measuring draws the text, and a large ")" in it would use up KAKKO
    // before the real drawing.
    const float kakko = s.KAKKO;
    MeasureText(s);
    s.KAKKO = kakko;
    const float d = (s.HABA - s.LLT) / 2;
    return d < 0 ? 0 : d;
}

void SetBoxScratch(State& s) {
    s.N2 = s.TATE >= 80 ? 30 : 20;
    s.CCC4 = s.CCC3 == kBlue ? kRed : kBlue;
}

}  // namespace

void DrawFramedText(State& s) {
    std::string text;
    const float d = MeasureForBox(s, text);
    // The box centres a 44-px text line that starts at the pen's y.
    const float half = Int((s.TATE - 44) / 2);
    s.Y2 = s.Y1 - half;
    s.Y3 = s.Y1 + s.TATE - half;
    s.P.FillBox(s.X1, s.Y2, s.X1 + s.HABA, s.Y3, Colour(s.CCC2), Colour(s.CCC3));
    SetBoxScratch(s);
    s.X = s.X1 + d;
    s.Y = s.Y1;
    s.AA_s = text;
    DrawMarkupText(s);
    s.X = s.X1 + s.HABA;
    s.Y = s.Y1;
}

void DrawCellText(State& s, const CellStyle& style) {
    std::string text;
    const float d = MeasureForBox(s, text);
    // A line with a stacked fraction is 50 px high, a plain one 44.
    const float h = s.N1 != 0 ? 50 : 44;
    s.Y2 = s.Y1 + Int((s.TATE - h) / 2);
    s.Y3 = s.Y1 + s.TATE;
    s.P.FillBox(s.X1, s.Y1, s.X1 + s.HABA, s.Y3, Colour(s.CCC2), Colour(s.CCC3));
    SetBoxScratch(s);
    s.X = s.X1 + d;
    s.Y = s.Y2;
    if (style.offsets) {
        s.X += s.AAAX;
        s.Y += s.AAAY;
    }
    s.AA_s = text;
    DrawMarkupText(s);
    if (style.offsets) {
        s.AAAX = 0;
        s.AAAY = 0;
    }
    s.X = s.X1 + s.HABA;
    s.Y = s.Y1;
    // The walker leaves its last character in A_s.
    if (style.gives_text_back) s.A_s = text;
}

namespace shared {

void DrawCellText(State& s) { vm::DrawCellText(s, CellStyle{}); }

}  // namespace shared

}  // namespace vm
