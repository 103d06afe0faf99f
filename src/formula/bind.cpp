#include "formula/formula.h"
#include "frame/binding.h"

namespace vm {

void BindFormula(Binding& b) {
    b.DrawFormulaGlyphs = shared::DrawFormulaGlyphs;
    b.DrawStackedFraction = shared::DrawStackedFraction;
    b.DrawCellText = shared::DrawCellText;
}

void DrawFormulaGlyphs(State& s) { Call(s, s.bind.DrawFormulaGlyphs); }
void DrawStackedFraction(State& s) { Call(s, s.bind.DrawStackedFraction); }
void DrawCellText(State& s) { Call(s, s.bind.DrawCellText); }

}  // namespace vm
