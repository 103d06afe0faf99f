// Stacked fractions: numerator over a bar over denominator, both centred on
// a bar as long as the wider part.
#include "formula/draw_util.h"
#include "formula/formula.h"
#include "platform/sjis.h"
#include "state/shared_forms.h"

namespace vm::shared {

using formula::Colour;
using formula::Width;

namespace {

// Width of one part in fraction glyphs, by the writer's own advances.
float MeasurePart(State& s, const std::string& part) {
    s.X = s.XT;
    s.Y = s.YT;
    s.A_s = part;
    s.BUN = 1;
    MeasureText(s);
    return s.LLT;
}

}  // namespace

void DrawStackedFraction(State& s) {
    Platform& p = s.P;
    s.XT = s.X;
    s.YT = s.Y;
    s.TA5 = static_cast<float>(Instr(s.A_s, "!"));
    s.TA6 = static_cast<float>(Instr(s.A_s, "√"));
    const int slash = Instr(s.A_s, "/");
    s.TA1 = static_cast<float>(slash);
    if (slash > 0) {
        // A second "/" belongs to the denominator, where it reads as "÷".
        s.RTASKAI1_s = Left(s.A_s, slash - 1);
        s.RTASKAI2_s = Mid(s.A_s, slash + 1);
    } else {
        // No "/": the whole text stands over an empty denominator.
        s.RTASKAI1_s = s.A_s;
        s.RTASKAI2_s = "";
    }

    s.TBSI = MeasurePart(s, s.RTASKAI1_s);
    s.TBBO = MeasurePart(s, s.RTASKAI2_s);
    s.BUN = 0;
    s.NAGA = s.TBSI >= s.TBBO ? s.TBSI : s.TBBO;
    s.TBSI1 = (s.NAGA - s.TBSI) / 2;
    s.TBBO1 = (s.NAGA - s.TBBO) / 2;

    p.SetDrawWidth(4);
    s.BSEN = s.YT + 25;
    p.Line(s.XT, s.BSEN, s.XT + s.NAGA, s.BSEN, Colour(s.CCC1));
    p.SetDrawWidth(Width(s.DR));
    if (s.HROOT == 22) {
        // The tall root's overline runs on over the whole fraction.
        p.SetDrawWidth(3);
        p.Line(s.XT, s.YT - 14, s.XT + s.NAGA, s.YT - 14, Colour(s.CCC1));
        p.SetDrawWidth(Width(s.DR));
    }

    // A root or a power in the denominator reaches above its glyphs' tops,
    // and so does a root anywhere in the fraction: move the denominator down.
    s.TA1 = static_cast<float>(Instr(s.RTASKAI2_s, "√"));
    s.TA2 = static_cast<float>(Instr(s.RTASKAI2_s, "^"));
    s.Y = s.YT + ((s.TA1 == 0 && s.TA2 == 0) ? 28 : 36);
    if (s.TA5 != 0 || s.TA6 != 0) s.Y += 8;

    s.X = s.XT + s.TBBO1;
    s.BUN = 1;
    s.A_s = s.RTASKAI2_s;
    vm::DrawFormulaGlyphs(s);  // through the binding

    s.X = s.XT + s.TBSI1;
    s.Y = s.YT - 10;
    s.BUN = 1;
    s.A_s = s.RTASKAI1_s;
    vm::DrawFormulaGlyphs(s);  // through the binding

    s.BUN = 0;
    s.X = s.XT + s.NAGA;
    s.Y = s.YT;
}

}  // namespace vm::shared
