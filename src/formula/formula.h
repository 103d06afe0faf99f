// Formula text: the markup writer and everything it draws with.
//
// Routines a program may revise (DrawFormulaGlyphs, DrawStackedFraction,
// DrawCellText) are called through the program's binding; their shared
// forms are in state/shared_forms.h, for the binders only.
#pragma once

#include "state/state.h"

namespace vm {

void DrawMarkupText(State& s);
void MeasureText(State& s);
void DrawFramedText(State& s);
void DrawLabelText(State& s);
void MeasureLabelText(State& s);
void BuildFractionStrings(State& s);
void GcdLcm(State& s);
void StripMarkup(State& s);

// Revisable: these call the program's binding.
void DrawFormulaGlyphs(State& s);
void DrawStackedFraction(State& s);
void DrawCellText(State& s);

}  // namespace vm
